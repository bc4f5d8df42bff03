// The card list file: Shift-JIS, one card per line, 31 columns each followed by a comma, no
// header, no quoting. The loader stops quietly at the first line it cannot use.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

#include "catalogue/CardRecord.h"

namespace kestrava {

enum class CardListLoad { Loaded, OpenFailed };

// Reads path into catalogue.CardTable from index 0 and sets CardCount to the number of usable
// lines before the first unusable one, the end of the file or the table limit. When the file
// cannot be opened nothing changes. The table is never cleared: a line given up half way
// leaves the fields it had stored in its record, above CardCount.
CardListLoad LoadCardList(CardCatalogue& catalogue, const QString& path);

// A number column: optional blanks, optional sign, decimal digits, optional blanks, within
// the 16-bit range. Anything else is not a number.
std::optional<qint16> ParseCardNumber(QStringView text);

// Stores one decoded line into record; false when the line is unusable.
bool ParseCardLine(QStringView line, CardRecord& record, const FactionNameList& names);

}  // namespace kestrava
