// The main deck's opening-hand odds against values worked out by hand, and its cost buckets.
#include <gtest/gtest.h>

#include "sample/DeckAnalysis.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

// The deck of "code count" pairs, as "H1 4 K1 2", over made-up cards given by their card list
// columns: cost symbols (5), cost value (6), type (7); L1 and B1 at the 16-bit ends.
DeckAnalysis Analyse(const QString& pairs) {
    QStringList cards;
    for (const char* columns :
         {"1=H1|7=英雄|5=2|6=1", "1=T1|7=兵力", "1=S1|7=計略|5=-3|6=1", "1=K1|7=城|6=4",
          "1=F1|7=配下|5=3|6=4", "1=C1|7=指揮官|5=6", "1=W1|7=ワイルド|5=1", "1=A1|7=戦法|5=9|6=9",
          "1=L1|7=兵力|5=-32768|6=-32768", "1=B1|7=兵力|5=32767|6=32767"}) {
        cards << test::CardLineOf(QString::fromUtf8(columns));
    }
    Deck deck;
    const QStringList words = pairs.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < words.size(); i += 2) {
        deck.Lines.push_back({words[i] + u" 名"_s, qint16(words[i + 1].toInt())});
    }
    return AnalyseDeck(deck, test::CatalogueOfLines(cards));
}

struct Analysed {
    const char* Deck;
    int MainCards;
    int Hand;              // the opening hand's cards, as the caption says
    const char16_t* Rows;  // of the odds table, as "type copies percent|..."
    CostCurve Costs;
};

// 1 - C(32,7)/C(40,7) = 0.81946; 1 - C(36,7)/C(40,7) = 0.55192. Of six cards every type is
// drawn, each pair the panel keeps apart given the other way round. Costs H1 3, T1 0, S1 -2 -> 0,
// F1 7, C1 6, A1 18 -> 7+, W1 1, L1 -65536 -> 0, B1 65534 -> 7+ (summed without 16-bit
// overflow); castles and unknown codes are not counted.
TEST(DeckAnalysisTest, OddsAndCostsOfTheMainDeck) {
    const Analysed cases[] = {
        {"H1 4 T1 4 H1 4 K1 4 X9 28",
         40,
         7,
         u"英雄 8 81.9%|兵力 4 55.2%",
         {4, 0, 0, 8, 0, 0, 0, 0}},
        {"S1 1 F1 1 K1 20 T1 1 A1 1 C1 1 H1 1",
         6,
         6,
         u"英雄 1 100.0%|指揮官 1 100.0%|兵力 1 100.0%|配下 1 100.0%|戦法 1 100.0%|計略 1 100.0%",
         {2, 0, 0, 1, 0, 0, 1, 2}},
        {"H1 2 T1 3 S1 1 F1 4 C1 1 A1 2 W1 1 K1 4 X9 3 L1 1 B1 1",
         19,
         7,
         u"英雄 2 61.4%|指揮官 1 36.8%|兵力 5 93.2%|配下 4 87.2%|戦法 2 61.4%|計略 1 36.8%",
         {5, 1, 0, 2, 0, 0, 1, 7}},
        {"", 0, 7, u"", {}},
        {"K1 4 T1 0", 0, 7, u"", {}},
    };
    for (const Analysed& test : cases) {
        const DeckAnalysis analysis = Analyse(QString::fromUtf8(test.Deck));
        EXPECT_EQ(analysis.MainCards, test.MainCards) << test.Deck;
        QStringList rows;
        for (const TypeOdds& odds : analysis.Odds) {
            rows << u"%1 %2 %3"_s.arg(odds.Type).arg(odds.Copies).arg(odds.Percent);
        }
        EXPECT_EQ(rows.join(u'|'), QStringView(test.Rows)) << test.Deck;
        EXPECT_EQ(analysis.Costs, test.Costs) << test.Deck;
        EXPECT_EQ(OddsCaption(analysis.HandSize), u"初手%1枚で1枚以上引く確率"_s.arg(test.Hand))
            << test.Deck;
    }
}

TEST(DeckAnalysisTest, HugeDeckDoesNotOverflow) {
    EXPECT_EQ(PercentText(ChanceOfAtLeastOne(30000, 4, 7)), u"0.1%"_s);
}

}  // namespace
}  // namespace kestrava
