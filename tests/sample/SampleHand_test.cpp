// The sample hand's piles: which copies go where, when they are dealt afresh, how draws stop at
// an empty pile, and that a shuffle reaches every order.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "sample/SampleHand.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

QStringList Cards(int count) {
    QStringList cards;
    for (int i = 0; i < count; ++i) {
        cards << u"C%1 card"_s.arg(i);
    }
    return cards;
}

// A castle, a troop, and a type whose word only starts like the castle's.
TEST(SampleHandTest, PilesHoldEveryCopyCastlesApart) {
    const CardCatalogue catalogue =
        test::CatalogueOf({u"G001||城"_s, u"C010||兵力"_s, u"D080||城塞"_s});
    Deck deck;
    deck.Lines = {{u"C010 兵"_s, 3},   {u"G001 砦"_s, 2}, {u"X999 不明"_s, 1},
                  {u"D080 城塞"_s, 1}, {u"C010 兵"_s, 0}, {u"G001 砦"_s, -1}};
    const DeckCards cards = SplitDeck(deck, catalogue);
    EXPECT_EQ(cards.Main, QStringList({u"C010 兵"_s, u"C010 兵"_s, u"C010 兵"_s, u"X999 不明"_s,
                                       u"D080 城塞"_s}));
    EXPECT_EQ(cards.Castle, QStringList({u"G001 砦"_s, u"G001 砦"_s}));
}

struct ReadCase {
    const char* Name;
    std::vector<DeckLine> More;  // after C-1 x4 and G-1 x1
    QString Columns;             // of G-1 in the card list: 7 its type, 5 its cost
    bool Afresh;
};

// One read after another, each against the last; C-1 stays a troop of cost 2.
TEST(DealtDeck, DealsAfreshOnOtherCardsOrAnotherAnalysisOnly) {
    const DeckLine mystery{u"M-1 謎"_s, 1};
    const ReadCase cases[] = {{"the first", {}, u"7=城"_s, true},
                              {"the card list read again", {}, u"7=城"_s, false},
                              {"a line of no copies", {{mystery.Text, 0}}, u"7=城"_s, false},
                              {"a card more", {mystery}, u"7=城"_s, true},
                              {"a castle no more", {mystery}, u"7=兵力"_s, true},
                              {"another cost", {mystery}, u"7=兵力|5=3"_s, true}};
    DealtDeck dealt;
    for (const ReadCase& test : cases) {
        const CardCatalogue catalogue = test::CatalogueOfLines(
            {test::CardLineOf(u"1=C-1|5=2|7=兵力"_s), test::CardLineOf("1=G-1|" + test.Columns)});
        Deck deck{{}, {{u"C-1 兵"_s, 4}, {u"G-1 城"_s, 1}}, 0};
        deck.Lines.insert(deck.Lines.end(), test.More.begin(), test.More.end());
        EXPECT_EQ(dealt.Read(deck, catalogue), test.Afresh) << test.Name;
    }
}

struct Draws {
    int Size;
    std::vector<int> Asked;
    std::vector<int> Drawn;
    int Left;
};

// What is drawn is the top of the shuffled pile, in the order drawn.
TEST(SampleHandTest, DrawsNeverExceedWhatIsLeft) {
    const Draws cases[] = {
        {6, {7, 1}, {6, 0}, 0}, {10, {3, 3, 3, 3}, {3, 3, 3, 1}, 0}, {5, {0, -2}, {0, 0}, 5}};
    for (const Draws& test : cases) {
        std::mt19937 generator(7);
        SamplePile pile;
        pile.Shuffle(Cards(test.Size), generator);
        SamplePile all = pile;
        all.Draw(test.Size);
        std::vector<int> drawn;
        for (int asked : test.Asked) {
            drawn.push_back(pile.Draw(asked));
        }
        EXPECT_EQ(drawn, test.Drawn) << test.Size;
        EXPECT_EQ(pile.Left(), test.Left) << test.Size;
        EXPECT_EQ(pile.Drawn(), all.Drawn().mid(0, test.Size - test.Left)) << test.Size;
    }
}

// A shuffle reaches every order of the whole pile; how evenly is std::shuffle's.
TEST(SampleHandTest, ShuffleReachesEveryOrder) {
    std::mt19937 generator(20240611);
    std::set<QStringList> seen;
    for (int i = 0; i < 1000; ++i) {
        SamplePile pile;
        pile.Shuffle(Cards(4), generator);
        pile.Draw(4);
        seen.insert(pile.Drawn());
    }
    EXPECT_EQ(seen.size(), 24u);
}

}  // namespace
}  // namespace kestrava
