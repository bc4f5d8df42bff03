// The plain texts the context menu copies: the deck listing in the deck file's column layout
// (no name, no summary), or the three lines of the card information panel. Every line ends
// with CR LF.
#pragma once

#include <QString>

#include "deck/Deck.h"

namespace kestrava {

// Deck lines padded to the "×" column (a line that already reaches it gets no blank), 80 "-",
// then the total line.
QString DeckClipboardText(const Deck& deck);

// The card name line, the ability line and the upper text block, as the panel shows them.
QString CardClipboardText(const QString& label1, const QString& label7, const QString& label8);

}  // namespace kestrava
