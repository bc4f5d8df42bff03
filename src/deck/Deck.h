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

inline bool operator==(const DeckLine& a, const DeckLine& b) {
    return a.Count == b.Count && a.Text == b.Text;
}

struct Deck {
    QString DeckName;
    std::vector<DeckLine> Lines;
    qint16 Total = 0;
};

inline bool operator==(const Deck& a, const Deck& b) {
    return a.Total == b.Total && a.DeckName == b.DeckName && a.Lines == b.Lines;
}

}  // namespace kestrava
