// The sample hand's piles: which copies go where, how draws stop at an empty pile, and that a
// shuffle is a uniform, seed-determined permutation.
#include <gtest/gtest.h>

#include <map>
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

// Pile size, the counts asked for, the counts drawn, the cards left; what is drawn is the top
// of the shuffled pile, in the order drawn.
TEST(SampleHandTest, DrawsNeverExceedWhatIsLeft) {
    const std::tuple<int, std::vector<int>, std::vector<int>, int> cases[] = {
        {6, {7, 1}, {6, 0}, 0}, {10, {3, 3, 3, 3}, {3, 3, 3, 1}, 0}, {5, {0, -2}, {0, 0}, 5}};
    for (const auto& [size, requests, counts, left] : cases) {
        std::mt19937 generator(7);
        SamplePile pile;
        pile.Shuffle(Cards(size), generator);
        SamplePile all = pile;
        all.Draw(size);
        std::vector<int> drawn;
        for (int request : requests) {
            drawn.push_back(pile.Draw(request));
        }
        EXPECT_EQ(drawn, counts) << size;
        EXPECT_EQ(pile.Left(), left) << size;
        EXPECT_EQ(pile.Drawn(), all.Drawn().mid(0, size - left)) << size;
    }
}

// Every order of four cards is equally likely: a chi-square test over 24 000 shuffles from one
// seeded generator, so the outcome is the same on every run.
TEST(SampleHandTest, ShuffleIsUniformOverAllOrders) {
    std::mt19937 generator(20240611);
    std::map<QStringList, int> seen;
    constexpr int kShuffles = 24000;
    for (int i = 0; i < kShuffles; ++i) {
        SamplePile pile;
        pile.Shuffle(Cards(4), generator);
        pile.Draw(4);
        ++seen[pile.Drawn()];
    }
    ASSERT_EQ(seen.size(), 24u);
    const double expected = kShuffles / 24.0;
    double chiSquare = 0;
    for (const auto& [order, count] : seen) {
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    EXPECT_LT(chiSquare, 49.73);  // 23 degrees of freedom, p = 0.001
}

}  // namespace
}  // namespace kestrava
