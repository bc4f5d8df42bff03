// The deck being built: one value holding what the deck name box, the deck list, the count
// list and the total box show.
#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

namespace kestrava {

struct DeckLine {
    QString Text;  // card list line: code, one blank, name
    qint16 Count = 0;
};

struct Deck {
    QString DeckName;
    std::vector<DeckLine> Lines;
    qint16 Total = 0;
};

}  // namespace kestrava
