// A made-up card list of any size, the same on every run: every faction, card type, rarity,
// ability and formation occurs, with column texts of realistic length.
#pragma once

#include <QByteArray>
#include <QStringList>

namespace kestrava::bench {

// The card list lines (31 comma-terminated columns each), cards grouped by faction.
QStringList GenerateCardLines(int cardCount);

// The same lines as the file holds them: code page 932, CR LF after every line.
QByteArray GenerateCardListBytes(int cardCount);

}  // namespace kestrava::bench
