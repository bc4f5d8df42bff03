// The deck commands and the running tallies: which tallies a card moves, the copy limit, line
// identity, removal down to zero, and 16-bit overflow leaving deck and tallies as they were.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "deck/DeckEditing.h"
#include "support/TestFiles.h"

namespace kestrava {

void PrintTo(const DeckLine& line, std::ostream* out) {
    *out << line.Text.toStdString() << " x" << line.Count;
}

namespace {

using namespace Qt::Literals::StringLiterals;
using Lines = std::vector<DeckLine>;

// Tallies in order: castle hero commander troop follower tactic stratagem, C D E G M, rarities.
using Row = std::array<qint16, 15>;
Row RowOf(const DeckTallies& tallies) {
    static_assert(sizeof(DeckTallies) == sizeof(Row));
    Row row;
    std::memcpy(row.data(), &tallies, sizeof row);
    return row;
}

// Made-up cards as "code||type|rarity" and the tallies one copy moves; c050 has no faction,
// D080 words of no tally.
struct TalliedCard {
    const char* Card;
    Row Tallies;
};
const TalliedCard kCards[] = {
    {"G001||城|Rare", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0}},
    {"c050||英雄|Rare", {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}},
    {"D020||指揮官|Uncommon", {0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0}},
    {"C010||兵力|Common", {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1}},
    {"C070||城|Common", {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1}},
    {"M040||配下|Uncommon", {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0}},
    {"E060||戦法|Common", {0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1}},
    {"E030||計略|Common", {0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 1}},
    {"D080||城塞|rare", {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
};

// The cards above, and a deck loaded as the deck file reader does.
struct World {
    CardCatalogue Catalogue;
    Deck TheDeck;
    DeckTallies Tallies;
    explicit World(const Lines& lines) {
        QStringList cards;
        for (const TalliedCard& card : kCards) {
            cards << QString::fromUtf8(card.Card);
        }
        Catalogue = test::CatalogueOf(cards);
        for (const DeckLine& line : lines) {
            EXPECT_TRUE(AppendLoadedLine(TheDeck, Tallies, Catalogue, line.Text, line.Count));
        }
    }
};

TEST(TallyCard, MovesOneTallyOfEachGroupByTheCardsWords) {
    const World world({});
    for (const TalliedCard& card : kCards) {
        DeckTallies tallies;
        const QString code = QString::fromUtf8(card.Card).left(4);
        EXPECT_TRUE(TallyCard(tallies, world.Catalogue, code + u" 名"_s, 1));
        EXPECT_EQ(RowOf(tallies), card.Tallies) << card.Card;
    }
}

enum Command { kAdd, kRemoveOne, kRemoveLine, kLoad };

struct Edit {
    Lines Start;
    Command Act;
    QString Line;
    qint16 Amount;  // or the index removed at
    Lines After;
    const char* Reports;  // C changed, A appended, R removed; "": nothing, as Start
};

// Total and tallies follow the lines.
TEST(DeckCommands, KeepDeckTotalAndTalliesInStep) {
    constexpr qint16 kMax = 32767, kMin = -32768;
    const QString scout = u"C010 灰色の斥候"_s, oldScout = u"C010 灰色の古斥候"_s,
                  fort = u"G001 苔むす砦"_s, tower = u"C070 灰の塔"_s, stranger = u"Z999 名無し"_s;
    const Edit cases[] = {
        {{{fort, 2}}, kAdd, stranger, 6, {{fort, 2}, {stranger, 6}}, "CA"},
        {{{fort, 2}, {scout, 2}}, kAdd, scout, 1, {{fort, 2}, {scout, 3}}, "C"},
        {{{scout, 3}}, kAdd, scout, 4, {{scout, 4}}, "C"},
        {{{scout, 7}}, kAdd, scout, 4, {}, ""},
        {{{oldScout, 2}}, kAdd, scout, 4, {{oldScout, 2}, {scout, 4}}, "CA"},
        {{{fort, 1}, {scout, 1}}, kRemoveOne, {}, 1, {{fort, 1}}, "CR"},
        {{{scout, 0}}, kRemoveOne, {}, 0, {}, "CR"},
        {{{fort, 2}, {scout, -1}, {fort, 1}}, kRemoveLine, {}, 1, {{fort, 2}, {fort, 1}}, "CR"},
        {{{scout, 2}}, kRemoveOne, {}, -1, {}, ""},
        {{{scout, 2}}, kRemoveLine, {}, 1, {}, ""},
        // Overflow: a tally of the last group moved, the total, a count, a removed amount.
        {{{tower, kMax}, {stranger, -1}}, kAdd, fort, 1, {}, ""},
        {{{stranger, kMax}}, kAdd, scout, 1, {}, ""},
        {{{scout, 3}}, kAdd, scout, kMax, {}, ""},
        {{{scout, 1}, {stranger, kMin}, {stranger, -1}}, kRemoveOne, {}, 0, {}, ""},
        {{{stranger, kMin}}, kRemoveLine, {}, 0, {}, ""},
        {{{stranger, -2}, {stranger, kMax}, {stranger, 2}}, kRemoveLine, {}, 0, {}, ""},
        {{{stranger, kMax}}, kLoad, stranger, 1, {}, ""},
        {{{scout, kMax}, {stranger, -1}}, kLoad, scout, 1, {}, ""},
    };
    for (const Edit& edit : cases) {
        SCOPED_TRACE(&edit - cases);
        World w(edit.Start);
        const DeckChange c =
            edit.Act == kAdd ? AddCopies(w.TheDeck, w.Tallies, w.Catalogue, edit.Line, edit.Amount)
            : edit.Act == kRemoveOne ? RemoveOneCopy(w.TheDeck, w.Tallies, w.Catalogue, edit.Amount)
            : edit.Act == kRemoveLine
                ? RemoveLine(w.TheDeck, w.Tallies, w.Catalogue, edit.Amount)
                : DeckChange{
                      AppendLoadedLine(w.TheDeck, w.Tallies, w.Catalogue, edit.Line, edit.Amount)};
        const World expected(*edit.Reports == 0 ? edit.Start : edit.After);
        EXPECT_EQ(w.TheDeck.Lines, expected.TheDeck.Lines);
        EXPECT_EQ(w.TheDeck.Total, expected.TheDeck.Total);
        EXPECT_EQ(RowOf(w.Tallies), RowOf(expected.Tallies));
        EXPECT_EQ(std::string(c.Changed ? "C" : "") + (c.LineAppended ? "A" : "") +
                      (c.LineRemoved ? "R" : ""),
                  edit.Reports);
    }
}

}  // namespace
}  // namespace kestrava
