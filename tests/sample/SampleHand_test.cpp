// The sample hand's piles: which copies go where, how draws stop at an empty pile, and that a
// shuffle is a uniform, seed-determined permutation.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "sample/SampleHand.h"
#include "support/QtPrinters.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

CardCatalogue Catalogue() {
    CardCatalogue catalogue;
    // A castle, a troop, and a type whose word only starts like the castle's.
    for (const auto& [code, type] : {std::pair{u"G001"_s, u"城"_s}, std::pair{u"C010"_s, u"兵力"_s},
                                     std::pair{u"D080"_s, u"城塞"_s}}) {
        CardRecord card;
        card.Code = code;
        card.CardType = type;
        catalogue.AddCard(card);
    }
    return catalogue;
}

QStringList Cards(int count) {
    QStringList cards;
    for (int i = 0; i < count; ++i) {
        cards << u"C%1 card"_s.arg(i);
    }
    return cards;
}

TEST(SampleHandTest, PilesHoldEveryCopyCastlesApart) {
    Deck deck;
    deck.Lines = {{u"C010 兵"_s, 3},   {u"G001 砦"_s, 2}, {u"X999 不明"_s, 1},
                  {u"D080 城塞"_s, 1}, {u"C010 兵"_s, 0}, {u"G001 砦"_s, -1}};
    const DeckCards cards = SplitDeck(deck, Catalogue());
    EXPECT_EQ(cards.Main, QStringList({u"C010 兵"_s, u"C010 兵"_s, u"C010 兵"_s, u"X999 不明"_s,
                                       u"D080 城塞"_s}));
    EXPECT_EQ(cards.Castle, QStringList({u"G001 砦"_s, u"G001 砦"_s}));
}

struct DrawCase {
    int PileSize;
    std::vector<int> Requests;
    std::vector<int> Moved;
    int Left;
};

class DrawTest : public ::testing::TestWithParam<DrawCase> {};

TEST_P(DrawTest, DrawsStopAtAnEmptyPile) {
    const DrawCase& c = GetParam();
    std::mt19937 generator(7);
    SamplePile pile;
    pile.Shuffle(Cards(c.PileSize), generator);
    const SamplePile full = pile;
    std::vector<int> moved;
    for (int request : c.Requests) {
        moved.push_back(pile.Draw(request));
    }
    EXPECT_EQ(moved, c.Moved);
    EXPECT_EQ(pile.Left(), c.Left);
    // The drawn list is the top of the shuffled pile, in the order drawn.
    SamplePile all = full;
    all.Draw(c.PileSize);
    EXPECT_EQ(pile.Drawn(), all.Drawn().mid(0, c.PileSize - c.Left));
}

INSTANTIATE_TEST_SUITE_P(Piles, DrawTest,
                         ::testing::Values(DrawCase{6, {7, 1}, {6, 0}, 0},
                                           DrawCase{10, {3, 3, 3, 3}, {3, 3, 3, 1}, 0},
                                           DrawCase{5, {0, -2}, {0, 0}, 5},
                                           DrawCase{0, {1, 7}, {0, 0}, 0}));

QStringList Dealt(std::uint32_t seed) {
    SampleHand hand(seed);
    hand.Shuffle(PileKind::Main, {Cards(20), {}});
    hand.Draw(PileKind::Main, 20);
    return hand.Pile(PileKind::Main).Drawn();
}

TEST(SampleHandTest, FixedSeedGivesFixedPermutation) {
    const QStringList first = Dealt(12345);
    EXPECT_EQ(Dealt(12345), first);
    EXPECT_NE(Dealt(54321), first);
    EXPECT_NE(first, Cards(20));
    QStringList sorted = first;
    std::sort(sorted.begin(), sorted.end());
    QStringList expected = Cards(20);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sorted, expected);
}

// Every order of four cards is equally likely: a chi-square test over 24 000 shuffles from one
// seeded generator, so the outcome is the same on every run.
TEST(SampleHandTest, ShuffleIsUniformOverAllOrders) {
    const QStringList cards = Cards(4);
    std::mt19937 generator(20240611);
    std::map<QStringList, int> seen;
    constexpr int kShuffles = 24000;
    for (int i = 0; i < kShuffles; ++i) {
        SamplePile pile;
        pile.Shuffle(cards, generator);
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
