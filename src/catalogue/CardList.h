// The card list file: Shift-JIS, one card per line, 31 columns each followed by a comma, no
// header, no quoting. The loader stops quietly at the first line it cannot use.
#pragma once

#include <QIODevice>
#include <QString>
#include <QStringView>

#include <optional>

#include "catalogue/CardRecord.h"

namespace kestrava {

enum class CardListLoad { Loaded, OpenFailed, ReadFailed };

// A card list is read no further than this many bytes of lines (line ends not counted), so
// no file can fill the memory or make the card list slow to show. Real card lists of the full
// table, cards as long as the sample list's, take less than a tenth of it.
constexpr qsizetype kMaxCardListBytes = 2 * 1024 * 1024;

// Replaces the loaded cards with the usable lines of device (open for reading) before the
// first unusable one, the end of the file, the table limit or the line that would pass the
// byte limit. When a read fails nothing changes: a part of a card list is not the card list.
CardListLoad LoadCardList(CardCatalogue& catalogue, QIODevice& device);

// The same for the regular file at path; nothing changes when it cannot be opened.
CardListLoad LoadCardList(CardCatalogue& catalogue, const QString& path);

// A number column: optional blanks, optional sign, decimal digits, optional blanks, within
// the 16-bit range. Anything else is not a number.
std::optional<qint16> ParseCardNumber(QStringView text);

// Stores one decoded line into record; false when the line is unusable, which includes a code
// and name whose list line would be longer than kMaxCardLineLength.
bool ParseCardLine(QStringView line, CardRecord& record, const FactionNameList& names);

}  // namespace kestrava
