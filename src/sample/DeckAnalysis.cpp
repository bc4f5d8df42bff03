#include "sample/DeckAnalysis.h"

#include <algorithm>

#include "catalogue/StringTable.h"
#include "sample/SampleHand.h"

namespace kestrava {

namespace {

// The main deck's types in the statistics panel's order.
constexpr std::array<int, 6> kMainDeckTypes = {kWordHero,     kWordCommander, kWordTroop,
                                               kWordFollower, kWordTactic,    kWordStratagem};

int TypeIndex(const QString& cardType) {
    for (std::size_t i = 0; i < kMainDeckTypes.size(); ++i) {
        if (cardType == LoadWord(kMainDeckTypes[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

DeckAnalysis AnalyseDeck(const Deck& deck, const CardCatalogue& catalogue) {
    DeckAnalysis analysis;
    std::array<int, kMainDeckTypes.size()> copiesByType{};
    for (const DeckLine& line : deck.Lines) {
        const CardRecord* card = catalogue.FindCardByCode(CodeOfLine(line.Text));
        if (line.Count <= 0 || IsCastleCard(card)) {
            continue;
        }
        analysis.MainCards += line.Count;
        if (card == nullptr) {
            continue;
        }
        if (const int type = TypeIndex(card->CardType); type >= 0) {
            copiesByType[type] += line.Count;
        }
        analysis.Costs[CostBucket(*card)] += line.Count;
    }
    analysis.HandSize = std::min(kOpeningHand, analysis.MainCards);
    for (std::size_t i = 0; i < kMainDeckTypes.size(); ++i) {
        if (copiesByType[i] > 0) {
            analysis.Odds.push_back({LoadWord(kMainDeckTypes[i]), copiesByType[i],
                                     PercentText(ChanceOfAtLeastOne(
                                         analysis.MainCards, copiesByType[i], analysis.HandSize))});
        }
    }
    return analysis;
}

double ChanceOfAtLeastOne(int deckSize, int copies, int draws) {
    copies = std::min(copies, deckSize);
    draws = std::min(draws, deckSize);
    if (copies <= 0 || draws <= 0) {
        return 0.0;
    }
    // C(n - k, d) / C(n, d) as the product of (n - k - i) / (n - i) for i below d: no
    // factorials, so no overflow whatever the deck size.
    long double none = 1.0L;
    for (int i = 0; i < draws; ++i) {
        const int without = deckSize - copies - i;
        if (without <= 0) {
            return 1.0;
        }
        none *= static_cast<long double>(without) / static_cast<long double>(deckSize - i);
    }
    return static_cast<double>(1.0L - none);
}

QString PercentText(double chance) {
    return QString::number(chance * 100.0, 'f', 1) + u'%';
}

int CostBucket(const CardRecord& card) {
    const int total = int{card.CostSymbols} + int{card.CostValue};
    return std::clamp(total, 0, kCostBuckets - 1);
}

const std::array<QString, kCostBuckets>& CostBucketLabels() {
    static const std::array<QString, kCostBuckets> labels = {
        QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
        QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7+")};
    return labels;
}

QString OddsCaption(int handSize) {
    return QStringLiteral("初手%1枚で1枚以上引く確率").arg(handSize > 0 ? handSize : kOpeningHand);
}

}  // namespace kestrava
