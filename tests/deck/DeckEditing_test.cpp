// The deck commands: the copy limit, line identity, removal down to zero, lines of unknown cards,
// and 16-bit overflow leaving deck and tallies as they were.
#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <vector>

#include "deck/DeckEditing.h"
#include "deck/DeckTestCards.h"

namespace kestrava {

bool operator==(const DeckLine& a, const DeckLine& b) {
    return a.Text == b.Text && a.Count == b.Count;
}
void PrintTo(const DeckLine& line, std::ostream* out) {
    *out << '"' << line.Text.toStdString() << "\" x" << line.Count;
}

namespace test {
namespace {

using namespace Qt::StringLiterals;
using Lines = std::vector<DeckLine>;

const QString kScoutLine = u"C010 灰色の斥候"_s;
const QString kOldScoutLine = u"C010 灰色の古斥候"_s;  // the same card under an older name
const QString kFortLine = u"G001 苔むす砦"_s;
const QString kGeneralLine = u"D020 鉄の将"_s;
const QString kStrangerLine = u"Z999 名無しの札"_s;  // matches no card
constexpr qint16 kMax = std::numeric_limits<qint16>::max();
constexpr qint16 kMin = std::numeric_limits<qint16>::min();

// A deck and its tallies as the deck file reader leaves them.
struct World {
    CardCatalogue Catalogue = TestCatalogue();
    Deck TheDeck;
    DeckTallies Tallies;

    explicit World(const Lines& lines) {
        for (const DeckLine& line : lines) {
            EXPECT_TRUE(AppendLoadedLine(TheDeck, Tallies, Catalogue, line.Text, line.Count));
        }
    }
};

// The tallies a deck should have: the running tallies must always agree with a recount.
TallyRow Recount(const Lines& lines) {
    return Row(World(lines).Tallies);
}

enum class Op { Add, RemoveOne, RemoveLine, Load };

// Line and amount for adding and loading; the remove commands take amount as the index.
DeckChange RunCommand(World& w, Op op, const QString& line, qint16 amount) {
    switch (op) {
        case Op::Add:
            return AddCopies(w.TheDeck, w.Tallies, w.Catalogue, line, amount);
        case Op::RemoveOne:
            return RemoveOneCopy(w.TheDeck, w.Tallies, w.Catalogue, amount);
        case Op::RemoveLine:
            return RemoveLine(w.TheDeck, w.Tallies, w.Catalogue, amount);
        case Op::Load:
            break;
    }
    DeckChange change;
    change.Changed = AppendLoadedLine(w.TheDeck, w.Tallies, w.Catalogue, line, amount);
    return change;
}

struct CommandCase {
    const char* Title;
    Lines Start;
    Op Command;
    QString Line;
    qint16 Amount;
    Lines Expected;
    qint16 ExpectedTotal;
    const char* Flags;  // C changed, A line appended, R line removed
};

class DeckCommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(DeckCommandTest, KeepsDeckTotalAndTalliesInStep) {
    const CommandCase& c = GetParam();
    World world(c.Start);
    const DeckChange change = RunCommand(world, c.Command, c.Line, c.Amount);
    EXPECT_EQ(world.TheDeck.Lines, c.Expected);
    EXPECT_EQ(world.TheDeck.Total, c.ExpectedTotal);
    EXPECT_EQ(Row(world.Tallies), Recount(c.Expected));
    const std::string flags = c.Flags;
    EXPECT_EQ(change.Changed, flags.find('C') != std::string::npos);
    EXPECT_EQ(change.LineAppended, flags.find('A') != std::string::npos);
    EXPECT_EQ(change.LineRemoved, flags.find('R') != std::string::npos);
}

// clang-format off
const CommandCase kCommandCases[] = {
    {"NewLineWithOne", {}, Op::Add, kScoutLine, 1, {{kScoutLine, 1}}, 1, "CA"},
    {"NewLineWithFour", {{kFortLine, 2}}, Op::Add, kScoutLine, 4,
        {{kFortLine, 2}, {kScoutLine, 4}}, 6, "CA"},
    {"NewLineIsNotClamped", {}, Op::Add, kGeneralLine, 6, {{kGeneralLine, 6}}, 6, "CA"},
    {"ThreePlusFourStopsAtFour", {{kScoutLine, 3}}, Op::Add, kScoutLine, 4,
        {{kScoutLine, 4}}, 4, "C"},
    {"TwoPlusOne", {{kFortLine, 2}, {kScoutLine, 2}}, Op::Add, kScoutLine, 1,
        {{kFortLine, 2}, {kScoutLine, 3}}, 5, "C"},
    {"AtTheLimitTakesNothing", {{kScoutLine, 4}}, Op::Add, kScoutLine, 1,
        {{kScoutLine, 4}}, 4, ""},
    {"LoadedAboveTheLimitTakesNothing", {{kGeneralLine, 7}}, Op::Add, kGeneralLine, 4,
        {{kGeneralLine, 7}}, 7, ""},
    {"UnknownCardIsCountedNotTallied", {{kScoutLine, 1}}, Op::Add, kStrangerLine, 4,
        {{kScoutLine, 1}, {kStrangerLine, 4}}, 5, "CA"},
    {"IdentityIsTheWholeLine", {{kOldScoutLine, 2}}, Op::Add, kScoutLine, 4,
        {{kOldScoutLine, 2}, {kScoutLine, 4}}, 6, "CA"},
    {"LoadedZeroLineTakesCopies", {{kGeneralLine, 0}}, Op::Add, kGeneralLine, 4,
        {{kGeneralLine, 4}}, 4, "C"},
    {"OneOfOneRemovesTheLine", {{kScoutLine, 1}}, Op::RemoveOne, {}, 0, {}, 0, "CR"},
    {"OneOfThree", {{kFortLine, 1}, {kScoutLine, 3}}, Op::RemoveOne, {}, 1,
        {{kFortLine, 1}, {kScoutLine, 2}}, 3, "C"},
    {"LineOfThree", {{kFortLine, 2}, {kScoutLine, 3}, {kGeneralLine, 1}}, Op::RemoveLine, {}, 1,
        {{kFortLine, 2}, {kGeneralLine, 1}}, 3, "CR"},
    {"OneOfUnknownCard", {{kStrangerLine, 2}}, Op::RemoveOne, {}, 0,
        {{kStrangerLine, 1}}, 1, "C"},
    {"LineOfUnknownCard", {{kStrangerLine, 2}, {kScoutLine, 1}}, Op::RemoveLine, {}, 0,
        {{kScoutLine, 1}}, 1, "CR"},
    {"ZeroGoesToMinusOneAndStays", {{kGeneralLine, 0}}, Op::RemoveOne, {}, 0,
        {{kGeneralLine, -1}}, -1, "C"},
    {"LineOfMinusOneRaisesTheTotal", {{kGeneralLine, -1}, {kScoutLine, 2}}, Op::RemoveLine, {}, 0,
        {{kScoutLine, 2}}, 2, "CR"},
    {"NoSelection", {{kScoutLine, 2}}, Op::RemoveOne, {}, -1, {{kScoutLine, 2}}, 2, ""},
    {"PastTheEnd", {{kScoutLine, 2}}, Op::RemoveLine, {}, 1, {{kScoutLine, 2}}, 2, ""},
    {"LoadedLinesTakeAnyCount", {{kScoutLine, 9}, {kStrangerLine, 3}}, Op::Load, kScoutLine, 2,
        {{kScoutLine, 9}, {kStrangerLine, 3}, {kScoutLine, 2}}, 14, "C"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rules, DeckCommandTest, ::testing::ValuesIn(kCommandCases),
                         [](const auto& info) { return std::string(info.param.Title); });

TEST(AddCopies, ClampedAdditionMovesTalliesByTheCopiesAdded) {
    World world({{kFortLine, 3}});
    AddCopies(world.TheDeck, world.Tallies, world.Catalogue, kFortLine, 4);
    EXPECT_EQ(Row(world.Tallies), RowWith({kCastle, kRare, kG}, 4));
}

TEST(AddCopies, TotalIsRecomputedEvenAtTheLimit) {
    World world({{kScoutLine, 4}});
    world.TheDeck.Total = 9;
    EXPECT_TRUE(AddCopies(world.TheDeck, world.Tallies, world.Catalogue, kScoutLine, 1).Changed);
    EXPECT_EQ(world.TheDeck.Total, 4);
}

TEST(RemoveOneCopy, LowersALoadedOverfullLineOneByOne) {
    World world({{kFortLine, 6}});
    for (qint16 expected = 5; expected >= 1; --expected) {
        EXPECT_FALSE(RemoveOneCopy(world.TheDeck, world.Tallies, world.Catalogue, 0).LineRemoved);
        ASSERT_EQ(world.TheDeck.Lines, (Lines{{kFortLine, expected}}));
        EXPECT_EQ(world.TheDeck.Total, expected);
        EXPECT_EQ(Row(world.Tallies), RowWith({kCastle, kRare, kG}, expected));
        // Adding takes nothing until the line is below the limit again.
        EXPECT_EQ(AddCopies(world.TheDeck, world.Tallies, world.Catalogue, kFortLine, 1).Changed,
                  expected < 4);
        if (expected < 4) {
            RemoveOneCopy(world.TheDeck, world.Tallies, world.Catalogue, 0);
        }
    }
    EXPECT_TRUE(RemoveOneCopy(world.TheDeck, world.Tallies, world.Catalogue, 0).LineRemoved);
    EXPECT_TRUE(world.TheDeck.Lines.empty());
    EXPECT_EQ(world.TheDeck.Total, 0);
    EXPECT_EQ(Row(world.Tallies), TallyRow{});
}

// Each command meets a 16-bit overflow in one place; it must end leaving everything as it was.
TEST(Overflow, EndsTheCommandWithNothingChanged) {
    constexpr int kKeep = 1 << 20;
    struct Case {
        const char* Title;
        Lines Start;
        int Total;  // kKeep: as loaded
        qint16 DeckTallies::*Tally;
        qint16 TallyValue;
        Op Command;
        QString Line;
        qint16 Amount;
    };
    // clang-format off
    const Case cases[] = {
        {"AddTally", {}, kKeep, &DeckTallies::CastleCount, kMax, Op::Add, kFortLine, 1},
        {"AddTotal", {{kStrangerLine, kMax}}, kKeep, nullptr, 0, Op::Add, kScoutLine, 1},
        {"AddCount", {{kScoutLine, 3}}, kKeep, nullptr, 0, Op::Add, kScoutLine, kMax},
        {"RemoveOneTotal", {{kScoutLine, 1}}, kMin, nullptr, 0, Op::RemoveOne, {}, 0},
        {"RemoveOneCount", {{kStrangerLine, kMin}}, 0, nullptr, 0, Op::RemoveOne, {}, 0},
        {"RemoveOneTally", {{kScoutLine, 2}}, kKeep, &DeckTallies::CommonCount, kMin,
            Op::RemoveOne, {}, 0},
        {"RemoveLineAmount", {{kStrangerLine, kMin}}, kKeep, nullptr, 0, Op::RemoveLine, {}, 0},
        {"RemoveLineTotal", {{kStrangerLine, -2}}, kMax, nullptr, 0, Op::RemoveLine, {}, 0},
        {"LoadTotal", {{kStrangerLine, kMax}}, kKeep, nullptr, 0, Op::Load, kStrangerLine, 1},
        {"LoadTally", {{kScoutLine, 1}}, kKeep, &DeckTallies::FactionCountC, kMax,
            Op::Load, kScoutLine, 1},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Title);
        World world(c.Start);
        if (c.Total != kKeep) {
            world.TheDeck.Total = static_cast<qint16>(c.Total);
        }
        if (c.Tally != nullptr) {
            world.Tallies.*c.Tally = c.TallyValue;
        }
        const Deck before = world.TheDeck;
        const TallyRow talliesBefore = Row(world.Tallies);
        EXPECT_FALSE(RunCommand(world, c.Command, c.Line, c.Amount).Changed);
        EXPECT_EQ(world.TheDeck.Lines, before.Lines);
        EXPECT_EQ(world.TheDeck.Total, before.Total);
        EXPECT_EQ(Row(world.Tallies), talliesBefore);
    }
}

}  // namespace
}  // namespace test
}  // namespace kestrava
