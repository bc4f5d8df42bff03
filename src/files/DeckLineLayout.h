// The column layout that the deck file and the clipboard text share: a deck line's text,
// blanks up to byte 71 (counted in code page 932), "× " and the count; the total line puts
// its number in the same column.
#pragma once

#include <QString>
#include <QtGlobal>

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

// The deck line's text, blanks up to the mark column but never fewer than minimumPadding,
// "× " and the count.
QString DeckEntryLine(const DeckLine& line, int minimumPadding);

}  // namespace kestrava
