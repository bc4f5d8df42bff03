// The running tallies: which tallies a card moves, the castle quota, reset and 16-bit overflow.
#include <gtest/gtest.h>

#include <limits>

#include "deck/DeckTallies.h"
#include "deck/DeckTestCards.h"

namespace kestrava::test {
namespace {

using namespace Qt::StringLiterals;

struct TallyCase {
    const char* Title;
    QString Line;
    qint16 Amount;
    TallyRow Expected;
};

class TallyCardTest : public ::testing::TestWithParam<TallyCase> {};

TEST_P(TallyCardTest, MovesAtMostOneTallyOfEachGroup) {
    const TallyCase& c = GetParam();
    const CardCatalogue catalogue = TestCatalogue();
    DeckTallies tallies;
    EXPECT_TRUE(TallyCard(tallies, catalogue, c.Line, c.Amount));
    EXPECT_EQ(Row(tallies), c.Expected);
}

// clang-format off
const TallyCase kTallyCases[] = {
    {"RareCastleOfG", u"G001 苔むす砦"_s, 3, RowWith({kCastle, kRare, kG}, 3)},
    {"Removal", u"G001 苔むす砦"_s, -2, RowWith({kCastle, kRare, kG}, -2)},
    {"UncommonCommander", u"D020 鉄の将"_s, 4, RowWith({kCommander, kUncommon, kD}, 4)},
    {"StratagemCommon", u"E030 風読みの策"_s, 1, RowWith({kStratagem, kCommon, kE}, 1)},
    {"LowerCaseCodeHasNoFaction", u"c050 小文字の番人"_s, 2, RowWith({kHero, kRare}, 2)},
    {"UnknownTypeAndRarityWords", u"D080 半端な塔"_s, 1, RowWith({kD}, 1)},
    {"DuplicateCodeTakesFirstRecord", u"G001 偽の砦"_s, 1, RowWith({kCastle, kRare, kG}, 1)},
    {"LineWithoutBlankIsItsCode", u"C010"_s, 1, RowWith({kTroop, kCommon, kC}, 1)},
    {"CodeMatchingNoCard", u"Z999 名無しの札"_s, 4, TallyRow{}},
    {"RecordPastCardCountIsNotLoaded", u"M999 消えた札"_s, 4, TallyRow{}},
    {"LeadingBlankMeansEmptyCode", u" C010 灰色の斥候"_s, 1, TallyRow{}},
    {"CodeIsCaseSensitive", u"g001 苔むす砦"_s, 1, TallyRow{}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cards, TallyCardTest, ::testing::ValuesIn(kTallyCases),
                         [](const auto& info) { return std::string(info.param.Title); });

TEST(CastleQuota, ReachedAtTwentyCastleCopies) {
    const CardCatalogue catalogue = TestCatalogue();
    DeckTallies tallies;
    ASSERT_TRUE(TallyCard(tallies, catalogue, u"M040 星降る城壁", 19));
    EXPECT_FALSE(CastleQuotaReached(tallies));
    ASSERT_TRUE(TallyCard(tallies, catalogue, u"G001 苔むす砦", 1));
    EXPECT_EQ(tallies.CastleCount, 20);
    EXPECT_TRUE(CastleQuotaReached(tallies));
    ASSERT_TRUE(TallyCard(tallies, catalogue, u"M040 星降る城壁", 1));
    EXPECT_TRUE(CastleQuotaReached(tallies));
    ASSERT_TRUE(TallyCard(tallies, catalogue, u"M040 星降る城壁", -2));
    EXPECT_FALSE(CastleQuotaReached(tallies));
}

TEST(ResetTallies, ZeroesEveryTally) {
    DeckTallies tallies;
    TallyCard(tallies, TestCatalogue(), u"G001 苔むす砦", 25);
    tallies.CommonCount = -7;
    ResetTallies(tallies);
    EXPECT_EQ(Row(tallies), TallyRow{});
    EXPECT_FALSE(CastleQuotaReached(tallies));
}

TEST(FactionTally, ByLetterPosition) {
    const CardCatalogue catalogue = TestCatalogue();
    DeckTallies tallies;
    const QString lines[] = {u"C010 灰色の斥候"_s, u"D020 鉄の将"_s, u"E030 風読みの策"_s,
                             u"G001 苔むす砦"_s, u"M040 星降る城壁"_s};
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(TallyCard(tallies, catalogue, lines[i], static_cast<qint16>(i + 1)));
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(FactionTally(tallies, i), i + 1) << "faction " << i;
    }
    EXPECT_EQ(FactionTally(tallies, -1), 0);
    EXPECT_EQ(FactionTally(tallies, 5), 0);
}

// An overflow in any group, the last one included, leaves all three untouched.
TEST(TallyCardOverflow, ChangesNothing) {
    constexpr qint16 kMax = std::numeric_limits<qint16>::max();
    constexpr qint16 kMin = std::numeric_limits<qint16>::min();
    struct Case {
        qint16 DeckTallies::*Full;
        qint16 Start;
        qint16 Amount;
    };
    const Case cases[] = {
        {&DeckTallies::FactionCountG, kMax, 1},      {&DeckTallies::RareCount, kMax, 4},
        {&DeckTallies::CastleCount, kMax, 1},        {&DeckTallies::CastleCount, kMin, -1},
        {&DeckTallies::FactionCountG, kMin + 2, -3},
    };
    const CardCatalogue catalogue = TestCatalogue();
    for (const Case& c : cases) {
        DeckTallies tallies;
        tallies.*c.Full = c.Start;
        const TallyRow before = Row(tallies);
        EXPECT_FALSE(TallyCard(tallies, catalogue, u"G001 苔むす砦", c.Amount));
        EXPECT_EQ(Row(tallies), before);
    }
    // Right at the edge is still in range.
    DeckTallies tallies;
    tallies.CastleCount = kMax - 1;
    EXPECT_TRUE(TallyCard(tallies, catalogue, u"G001 苔むす砦", 1));
    EXPECT_EQ(tallies.CastleCount, kMax);
}

}  // namespace
}  // namespace kestrava::test
