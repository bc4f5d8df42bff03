// What the main deck (every copy that is not a castle) gives an opening hand: the exact chance
// of at least one card of each type among the first cards drawn, and its copies by total cost.
#pragma once

#include <QString>

#include <array>
#include <vector>

#include "catalogue/CardRecord.h"
#include "deck/Deck.h"

namespace kestrava {

// An opening hand holds this many cards, or the whole main deck when it is smaller.
constexpr int kOpeningHand = 7;

// Cost buckets 0 to 6, then one for 7 and more.
constexpr int kCostBuckets = 8;
using CostCurve = std::array<int, kCostBuckets>;

struct TypeOdds {
    QString Type;     // the type word, as the statistics panel names it
    int Copies = 0;   // copies of that type in the main deck
    QString Percent;  // chance of at least one among the opening hand, e.g. "81.9%"

    friend bool operator==(const TypeOdds& a, const TypeOdds& b) {
        return a.Type == b.Type && a.Copies == b.Copies && a.Percent == b.Percent;
    }
};

struct DeckAnalysis {
    int MainCards = 0;  // copies in the main deck, cards the card list does not know included
    int HandSize = 0;   // min(kOpeningHand, MainCards)
    std::vector<TypeOdds> Odds;  // one per type present, in 英雄 指揮官 兵力 配下 戦法 計略 order
    CostCurve Costs{};  // main-deck copies of known cards by total cost

    friend bool operator==(const DeckAnalysis& a, const DeckAnalysis& b) {
        return a.MainCards == b.MainCards && a.HandSize == b.HandSize && a.Odds == b.Odds &&
               a.Costs == b.Costs;
    }
    friend bool operator!=(const DeckAnalysis& a, const DeckAnalysis& b) { return !(a == b); }
};

DeckAnalysis AnalyseDeck(const Deck& deck, const CardCatalogue& catalogue);

// The hypergeometric chance that draws cards taken from deckSize, of which copies are the
// kind asked about, hold at least one of them: 1 - C(deckSize - copies, draws) / C(deckSize,
// draws). 0 when nothing is drawn or there are no copies.
double ChanceOfAtLeastOne(int deckSize, int copies, int draws);

// A chance as a percentage with one decimal: "81.9%".
QString PercentText(double chance);

// The bucket of a card's total cost: CostSymbols + CostValue, below 0 counted as 0, 7 and
// above in the last bucket.
int CostBucket(const CardRecord& card);

// "0" to "6" and "7+".
const std::array<QString, kCostBuckets>& CostBucketLabels();

// The odds table's caption: how many cards the opening hand holds.
QString OddsCaption(int handSize);

}  // namespace kestrava
