// A small catalogue of made-up cards for the deck tests, and the tallies as one comparable row.
#pragma once

#include <QString>

#include <array>
#include <initializer_list>

#include "catalogue/CardRecord.h"
#include "deck/DeckTallies.h"

namespace kestrava::test {

struct TestCard {
    const char16_t* Code;
    const char16_t* Name;
    const char16_t* CardType;
    const char16_t* Rarity;
};

// Lines of these cards are "code name". Index 0 and 6 share a code; the card past CardCount is
// left over from a longer list and must never be found.
inline constexpr std::array<TestCard, 9> kTestCards = {{
    {u"G001", u"苔むす砦", u"城", u"Rare"},
    {u"C010", u"灰色の斥候", u"兵力", u"Common"},
    {u"D020", u"鉄の将", u"指揮官", u"Uncommon"},
    {u"E030", u"風読みの策", u"計略", u"Common"},
    {u"M040", u"星降る城壁", u"城", u"Uncommon"},
    {u"c050", u"小文字の番人", u"英雄", u"Rare"},
    {u"G001", u"偽の砦", u"戦法", u"Common"},
    {u"D080", u"半端な塔", u"城塞", u"rare"},
    {u"M999", u"消えた札", u"配下", u"Common"},
}};
inline constexpr qint16 kLoadedTestCards = 8;

inline CardCatalogue TestCatalogue() {
    CardCatalogue catalogue;
    for (std::size_t i = 0; i < kTestCards.size(); ++i) {
        CardRecord& record = catalogue.CardTable[i];
        record.Code = QString::fromUtf16(kTestCards[i].Code);
        record.Name = QString::fromUtf16(kTestCards[i].Name);
        record.CardType = QString::fromUtf16(kTestCards[i].CardType);
        record.Rarity = QString::fromUtf16(kTestCards[i].Rarity);
    }
    catalogue.CardCount = kLoadedTestCards;
    return catalogue;
}

// Tally order: castle, hero, commander, troop, follower, tactic, stratagem, C, D, E, G, M, rare,
// uncommon, common.
using TallyRow = std::array<int, 15>;

inline TallyRow Row(const DeckTallies& t) {
    return {t.CastleCount,   t.HeroCount,      t.CommanderCount, t.TroopCount,    t.FollowerCount,
            t.TacticCount,   t.StratagemCount, t.FactionCountC,  t.FactionCountD, t.FactionCountE,
            t.FactionCountG, t.FactionCountM,  t.RareCount,      t.UncommonCount, t.CommonCount};
}

// A row with the given positions set to value and the rest 0.
inline TallyRow RowWith(std::initializer_list<int> positions, int value) {
    TallyRow row{};
    for (int position : positions) {
        row[position] = value;
    }
    return row;
}

enum TallyPosition : int {
    kCastle,
    kHero,
    kCommander,
    kTroop,
    kFollower,
    kTactic,
    kStratagem,
    kC,
    kD,
    kE,
    kG,
    kM,
    kRare,
    kUncommon,
    kCommon
};

}  // namespace kestrava::test
