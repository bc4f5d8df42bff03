// The column layout that the deck file and the clipboard text share: a deck line's text,
// blanks up to byte 71 (counted in code page 932), "× " and the count; the total line puts
// its number in the same column.
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <algorithm>

#include "deck/Deck.h"

namespace kestrava {

// Byte column of "×" in a deck entry line.
constexpr int kCountMarkColumn = 71;
constexpr int kSeparatorWidth = 80;
constexpr int kTotalIndent = 68;

// 80 "-".
QString SeparatorLine();

// 68 blanks, "Total " and the total.
QString TotalLine(qint16 total);

// What stands between a deck line's blanks and its count.
inline constexpr QStringView kCountMark = u"× ";

// The blanks after a deck line's text of textBytes code page 932 bytes: up to the mark column,
// but never fewer than minimumPadding.
constexpr qsizetype EntryPadding(qsizetype textBytes, int minimumPadding) {
    return std::max<qsizetype>(kCountMarkColumn - textBytes, minimumPadding);
}

// The deck line's text, its padding, "× " and the count.
QString DeckEntryLine(const DeckLine& line, int minimumPadding);

}  // namespace kestrava
