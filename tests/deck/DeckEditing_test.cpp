// The deck commands and the running tallies: which tallies a card moves, the copy limit, line
// identity, removal down to zero, and 16-bit overflow leaving deck and tallies as they were.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <tuple>
#include <vector>

#include "deck/DeckEditing.h"

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

// Made-up cards and the tallies one copy moves; c050 has no faction, D080 words of no tally.
const std::tuple<QString, QString, QString, Row> kCards[] = {
    {u"G001"_s, u"城"_s, u"Rare"_s, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0}},
    {u"c050"_s, u"英雄"_s, u"Rare"_s, {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}},
    {u"D020"_s, u"指揮官"_s, u"Uncommon"_s, {0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0}},
    {u"C010"_s, u"兵力"_s, u"Common"_s, {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1}},
    {u"C070"_s, u"城"_s, u"Common"_s, {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1}},
    {u"M040"_s, u"配下"_s, u"Uncommon"_s, {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0}},
    {u"E060"_s, u"戦法"_s, u"Common"_s, {0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1}},
    {u"E030"_s, u"計略"_s, u"Common"_s, {0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 1}},
    {u"D080"_s, u"城塞"_s, u"rare"_s, {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
};

// The cards above, and a deck loaded as the deck file reader does.
struct World {
    CardCatalogue Catalogue;
    Deck TheDeck;
    DeckTallies Tallies;
    explicit World(const Lines& lines) {
        for (const auto& [code, type, rarity, tallied] : kCards) {
            CardRecord card;
            std::tie(card.Code, card.CardType, card.Rarity) = std::tie(code, type, rarity);
            Catalogue.AddCard(card);
        }
        for (const DeckLine& line : lines) {
            EXPECT_TRUE(AppendLoadedLine(TheDeck, Tallies, Catalogue, line.Text, line.Count));
        }
    }
};

TEST(TallyCard, MovesOneTallyOfEachGroupByTheCardsWords) {
    const World world({});
    for (const auto& [code, type, rarity, tallied] : kCards) {
        DeckTallies tallies;
        EXPECT_TRUE(TallyCard(tallies, world.Catalogue, code + u" 名"_s, 1));
        EXPECT_EQ(RowOf(tallies), tallied) << code.toStdString();
    }
}

// Start, command, line, amount (index for removing), resulting lines, what the command reports
// (C changed, A appended, R removed; "": nothing, as Start). Total and tallies follow the lines.
TEST(DeckCommands, KeepDeckTotalAndTalliesInStep) {
    enum { kAdd, kRemoveOne, kRemoveLine, kLoad };
    constexpr qint16 kMax = 32767, kMin = -32768;
    const QString scout = u"C010 灰色の斥候"_s, oldScout = u"C010 灰色の古斥候"_s,
                  fort = u"G001 苔むす砦"_s, tower = u"C070 灰の塔"_s, stranger = u"Z999 名無し"_s;
    const std::tuple<Lines, int, QString, qint16, Lines, std::string> cases[] = {
        {{{fort, 2}}, kAdd, stranger, 6, {{fort, 2}, {stranger, 6}}, "CA"},
        {{{fort, 2}, {scout, 2}}, kAdd, scout, 1, {{fort, 2}, {scout, 3}}, "C"},
        {{{scout, 3}}, kAdd, scout, 4, {{scout, 4}}, "C"},
        {{{scout, 1}}, kAdd, scout, 4, {{scout, 4}}, "C"},
        {{{scout, 7}}, kAdd, scout, 4, {}, ""},
        {{{oldScout, 2}}, kAdd, scout, 4, {{oldScout, 2}, {scout, 4}}, "CA"},
        {{{fort, 1}, {scout, 1}}, kRemoveOne, {}, 1, {{fort, 1}}, "CR"},
        {{{scout, 0}}, kRemoveOne, {}, 0, {}, "CR"},
        {{{fort, 1}, {scout, -1}}, kRemoveOne, {}, 1, {{fort, 1}}, "CR"},
        {{{fort, 2}, {scout, -1}, {fort, 1}}, kRemoveLine, {}, 1, {{fort, 2}, {fort, 1}}, "CR"},
        {{{scout, 2}}, kRemoveOne, {}, -1, {}, ""},
        {{{scout, 2}}, kRemoveLine, {}, 1, {}, ""},
        // Overflow: a tally of the last group moved, the total, a count, a removed amount.
        {{{tower, kMax}, {stranger, -1}}, kAdd, fort, 1, {}, ""},
        {{{stranger, kMax}}, kAdd, scout, 1, {}, ""},
        {{{scout, 3}}, kAdd, scout, kMax, {}, ""},
        {{{scout, 1}, {stranger, kMin}, {stranger, -1}}, kRemoveOne, {}, 0, {}, ""},
        {{{stranger, kMin}, {scout, 1}}, kRemoveOne, {}, 0, {}, ""},
        {{{stranger, kMin}}, kRemoveLine, {}, 0, {}, ""},
        {{{stranger, -2}, {stranger, kMax}, {stranger, 2}}, kRemoveLine, {}, 0, {}, ""},
        {{{stranger, kMax}}, kLoad, stranger, 1, {}, ""},
        {{{scout, kMax}, {stranger, -1}}, kLoad, scout, 1, {}, ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(&row - cases);
        const auto& [start, command, line, amount, lines, flags] = row;
        World w(start);
        const DeckChange c =
            command == kAdd         ? AddCopies(w.TheDeck, w.Tallies, w.Catalogue, line, amount)
            : command == kRemoveOne ? RemoveOneCopy(w.TheDeck, w.Tallies, w.Catalogue, amount)
            : command == kRemoveLine
                ? RemoveLine(w.TheDeck, w.Tallies, w.Catalogue, amount)
                : DeckChange{AppendLoadedLine(w.TheDeck, w.Tallies, w.Catalogue, line, amount)};
        const World expected(flags.empty() ? start : lines);
        EXPECT_EQ(w.TheDeck.Lines, expected.TheDeck.Lines);
        EXPECT_EQ(w.TheDeck.Total, expected.TheDeck.Total);
        EXPECT_EQ(RowOf(w.Tallies), RowOf(expected.Tallies));
        EXPECT_EQ(std::string(c.Changed ? "C" : "") + (c.LineAppended ? "A" : "") +
                      (c.LineRemoved ? "R" : ""),
                  flags);
    }
}

// Tallies a deck kept from another card list are counted afresh against the new one.
TEST(RecountTallies, CountsTheLinesAgainstTheLoadedCards) {
    const World world({});
    const Deck deck{"n", {{u"G001 砦"_s, 3}, {u"C010 斥候"_s, 2}, {u"Z999 名無し"_s, 4}}, 9};
    DeckTallies tallies;
    tallies.CastleCount = -1300;
    tallies.RareCount = 7;
    RecountTallies(tallies, deck, world.Catalogue);
    EXPECT_EQ(RowOf(tallies), Row({3, 0, 0, 2, 0, 0, 0, 2, 0, 0, 3, 0, 3, 0, 2}));
}

}  // namespace
}  // namespace kestrava
