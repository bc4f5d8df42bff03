// The main deck's opening-hand odds against values worked out by hand, and its cost buckets.
#include <gtest/gtest.h>

#include <tuple>

#include "sample/DeckAnalysis.h"
#include "support/QtPrinters.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

// Made-up cards: code, type, cost symbols, cost value; L1 and B1 at the 16-bit ends.
const std::tuple<QString, QString, qint16, qint16> kCards[] = {
    {u"H1"_s, u"英雄"_s, 2, 1},           {u"T1"_s, u"兵力"_s, 0, 0},
    {u"S1"_s, u"計略"_s, -3, 1},          {u"K1"_s, u"城"_s, 0, 4},
    {u"F1"_s, u"配下"_s, 3, 4},           {u"C1"_s, u"指揮官"_s, 6, 0},
    {u"W1"_s, u"ワイルド"_s, 1, 0},       {u"A1"_s, u"戦法"_s, 9, 9},
    {u"L1"_s, u"兵力"_s, -32768, -32768}, {u"B1"_s, u"兵力"_s, 32767, 32767}};

// The deck of "code count" pairs, as "H1 4 K1 2", over the cards above.
DeckAnalysis Analyse(const QString& pairs) {
    CardCatalogue catalogue;
    for (const auto& [code, type, symbols, value] : kCards) {
        CardRecord card;
        std::tie(card.Code, card.CardType, card.CostSymbols, card.CostValue) =
            std::tie(code, type, symbols, value);
        catalogue.AddCard(card);
    }
    Deck deck;
    const QStringList words = pairs.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < words.size(); i += 2) {
        deck.Lines.push_back({words[i] + u" 名"_s, qint16(words[i + 1].toInt())});
    }
    return AnalyseDeck(deck, catalogue);
}

// The odds table's rows as "type copies percent".
QStringList Rows(const DeckAnalysis& analysis) {
    QStringList rows;
    for (const TypeOdds& odds : analysis.Odds) {
        rows << u"%1 %2 %3"_s.arg(odds.Type).arg(odds.Copies).arg(odds.Percent);
    }
    return rows;
}

// 1 - C(32,7)/C(40,7) = 0.81946; 1 - C(36,7)/C(40,7) = 0.55192.
TEST(DeckAnalysisTest, FortyCardDeckWithEightHeroes) {
    const DeckAnalysis analysis = Analyse(u"H1 4 T1 4 H1 4 K1 4 X9 28"_s);
    EXPECT_EQ(analysis.MainCards, 40);
    EXPECT_EQ(Rows(analysis), QStringList({u"英雄 8 81.9%"_s, u"兵力 4 55.2%"_s}));
}

// Each pair the panel keeps apart comes in the deck the other way round.
TEST(DeckAnalysisTest, SixCardDeckDrawsEveryTypeInPanelOrderCastlesLeftOut) {
    const DeckAnalysis analysis = Analyse(u"S1 1 F1 1 K1 20 T1 1 A1 1 C1 1 H1 1"_s);
    EXPECT_EQ(OddsCaption(analysis.HandSize), u"初手6枚で1枚以上引く確率"_s);
    EXPECT_EQ(Rows(analysis),
              QStringList({u"英雄 1 100.0%"_s, u"指揮官 1 100.0%"_s, u"兵力 1 100.0%"_s,
                           u"配下 1 100.0%"_s, u"戦法 1 100.0%"_s, u"計略 1 100.0%"_s}));
}

TEST(DeckAnalysisTest, EmptyOrCastleOnlyDeckHasNoRows) {
    for (const QString& deck : {u""_s, u"K1 4 T1 0"_s}) {
        const DeckAnalysis analysis = Analyse(deck);
        EXPECT_EQ(analysis.MainCards, 0);
        EXPECT_TRUE(analysis.Odds.empty());
        EXPECT_EQ(analysis.Costs, CostCurve{});
        EXPECT_EQ(OddsCaption(analysis.HandSize), u"初手7枚で1枚以上引く確率"_s);
    }
}

TEST(DeckAnalysisTest, HugeDeckDoesNotOverflow) {
    EXPECT_EQ(PercentText(ChanceOfAtLeastOne(30000, 4, 7)), u"0.1%"_s);
}

// Costs H1 3, T1 0, S1 -2 -> 0, F1 7, C1 6, A1 18 -> 7+, W1 1, L1 -65536 -> 0, B1 65534 -> 7+
// (summed without 16-bit overflow); castles and unknown codes not counted.
TEST(DeckAnalysisTest, CostCurveCountsMainDeckCopiesOfKnownCards) {
    const DeckAnalysis analysis =
        Analyse(u"H1 2 T1 3 S1 1 F1 4 C1 1 A1 2 W1 1 K1 4 X9 3 L1 1 B1 1"_s);
    EXPECT_EQ(analysis.Costs, (CostCurve{5, 1, 0, 2, 0, 0, 1, 7}));
}

}  // namespace
}  // namespace kestrava
