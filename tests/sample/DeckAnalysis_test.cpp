// The main deck's opening-hand odds against values worked out by hand, and its cost buckets.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "sample/DeckAnalysis.h"
#include "support/QtPrinters.h"

namespace kestrava {

void PrintTo(const TypeOdds& odds, std::ostream* out) {
    *out << odds.Type.toStdString() << " " << odds.Copies << " " << odds.Percent.toStdString();
}

namespace {

using namespace Qt::Literals::StringLiterals;

// Made-up cards: code, type, cost symbols, cost value.
const std::tuple<QString, QString, qint16, qint16> kCards[] = {
    {u"H1"_s, u"英雄"_s, 2, 1},     {u"T1"_s, u"兵力"_s, 0, 0}, {u"S1"_s, u"計略"_s, -3, 1},
    {u"K1"_s, u"城"_s, 0, 4},       {u"F1"_s, u"配下"_s, 3, 4}, {u"C1"_s, u"指揮官"_s, 6, 0},
    {u"W1"_s, u"ワイルド"_s, 1, 0}, {u"A1"_s, u"戦法"_s, 9, 9},
};

CardCatalogue Catalogue() {
    CardCatalogue catalogue;
    for (const auto& [code, type, symbols, value] : kCards) {
        CardRecord card;
        std::tie(card.Code, card.CardType, card.CostSymbols, card.CostValue) =
            std::tie(code, type, symbols, value);
        catalogue.AddCard(card);
    }
    return catalogue;
}

Deck DeckOf(std::vector<DeckLine> lines) {
    Deck deck;
    deck.Lines = std::move(lines);
    return deck;
}

struct ChanceCase {
    int DeckSize, Copies, Draws;
    const char* Percent;
};

class ChanceTest : public ::testing::TestWithParam<ChanceCase> {};

TEST_P(ChanceTest, MatchesTheHandWorkedValue) {
    const ChanceCase& c = GetParam();
    EXPECT_EQ(PercentText(ChanceOfAtLeastOne(c.DeckSize, c.Copies, c.Draws)),
              QString::fromLatin1(c.Percent));
}

INSTANTIATE_TEST_SUITE_P(
    Hypergeometric, ChanceTest,
    ::testing::Values(ChanceCase{40, 8, 7, "81.9%"},    // 1 - C(32,7)/C(40,7) = 0.81946
                      ChanceCase{40, 12, 7, "93.6%"},   // 1 - C(28,7)/C(40,7) = 0.93649
                      ChanceCase{10, 2, 7, "93.3%"},    // 1 - C(8,7)/C(10,7) = 1 - 8/120
                      ChanceCase{33, 1, 7, "21.2%"},    // 7/33
                      ChanceCase{8, 1, 7, "87.5%"},     // 7/8
                      ChanceCase{5, 1, 5, "100.0%"},    // the whole deck is drawn
                      ChanceCase{40, 34, 7, "100.0%"},  // only 6 cards without one
                      ChanceCase{40, 0, 7, "0.0%"}, ChanceCase{0, 0, 7, "0.0%"},
                      ChanceCase{30000, 4, 7, "0.1%"}));  // no overflow for a huge deck

TEST(DeckAnalysisTest, FortyCardDeckWithEightHeroes) {
    const Deck deck = DeckOf({{u"H1 英"_s, 4},
                              {u"T1 兵"_s, 4},
                              {u"H1 英"_s, 4},  // a 2nd line
                              {u"K1 城"_s, 4},
                              {u"X9 不明"_s, 28}});
    const DeckAnalysis analysis = AnalyseDeck(deck, Catalogue());
    EXPECT_EQ(analysis.MainCards, 40);
    EXPECT_EQ(analysis.HandSize, 7);
    EXPECT_EQ(analysis.Odds,
              (std::vector<TypeOdds>{{u"英雄"_s, 8, u"81.9%"_s}, {u"兵力"_s, 4, u"55.2%"_s}}));
}

TEST(DeckAnalysisTest, SmallDeckTypesInPanelOrderCastlesLeftOut) {
    const Deck deck = DeckOf({{u"S1 策"_s, 1},
                              {u"A1 戦"_s, 1},
                              {u"K1 城"_s, 20},
                              {u"F1 配"_s, 1},
                              {u"C1 将"_s, 1},
                              {u"W1 野"_s, 1}});
    const DeckAnalysis analysis = AnalyseDeck(deck, Catalogue());
    EXPECT_EQ(analysis.HandSize, 5);
    const QString certain = u"100.0%"_s;
    EXPECT_EQ(analysis.Odds, (std::vector<TypeOdds>{{u"指揮官"_s, 1, certain},
                                                    {u"配下"_s, 1, certain},
                                                    {u"戦法"_s, 1, certain},
                                                    {u"計略"_s, 1, certain}}));
    EXPECT_EQ(OddsCaption(analysis.HandSize), u"初手5枚で1枚以上引く確率"_s);
}

TEST(DeckAnalysisTest, EmptyOrCastleOnlyDeckHasNoRows) {
    for (const Deck& deck : {DeckOf({}), DeckOf({{u"K1 城"_s, 4}, {u"T1 兵"_s, 0}})}) {
        const DeckAnalysis analysis = AnalyseDeck(deck, Catalogue());
        EXPECT_EQ(analysis.MainCards, 0);
        EXPECT_TRUE(analysis.Odds.empty());
        EXPECT_EQ(analysis.Costs, CostCurve{});
        EXPECT_EQ(OddsCaption(analysis.HandSize), u"初手7枚で1枚以上引く確率"_s);
    }
}

TEST(DeckAnalysisTest, CostCurveCountsMainDeckCopiesOfKnownCards) {
    // H1 3, T1 0, S1 -2 -> 0, F1 7, C1 6, A1 18 -> 7+, W1 1; castles and unknown codes not.
    const Deck deck = DeckOf({{u"H1 英"_s, 2},
                              {u"T1 兵"_s, 3},
                              {u"S1 策"_s, 1},
                              {u"F1 配"_s, 4},
                              {u"C1 将"_s, 1},
                              {u"A1 戦"_s, 2},
                              {u"W1 野"_s, 1},
                              {u"K1 城"_s, 4},
                              {u"X9 不明"_s, 3}});
    EXPECT_EQ(AnalyseDeck(deck, Catalogue()).Costs, (CostCurve{4, 1, 0, 2, 0, 0, 1, 6}));
}

TEST(DeckAnalysisTest, CostBucketsClampAtBothEnds) {
    const std::tuple<qint16, qint16, int> cases[] = {
        {0, 0, 0}, {2, 1, 3},           {-3, 1, 0},       {6, 0, 6},
        {3, 4, 7}, {-32768, -32768, 0}, {32767, 32767, 7}};  // summed without 16-bit overflow
    for (const auto& [symbols, value, bucket] : cases) {
        CardRecord card;
        card.CostSymbols = symbols;
        card.CostValue = value;
        EXPECT_EQ(CostBucket(card), bucket) << symbols << " + " << value;
    }
    EXPECT_EQ(CostBucketLabels().back(), u"7+"_s);
}

}  // namespace
}  // namespace kestrava
