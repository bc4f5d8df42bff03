// The sample hand's piles: which copies go where, how draws stop at an empty pile, and that a
// shuffle reaches every order.
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
