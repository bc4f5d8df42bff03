#include "search/CardFilter.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

SelectionState Select(const std::vector<int>& boxes) {
    FilterBoxes checked{};
    for (int box : boxes) {
        checked[box] = true;
    }
    return MakeSelection(checked);
}

TEST(CardFilter, EachBoxTestsItsOwnFieldExactly) {
    // With "ALL" and box ticked a blank card (sortie cost "0": none) fails; with field set to
    // value it passes or not. Only 包囲 and 機動 also look at the second formation.
    const auto check = [](int box, auto field, auto value, bool passes) {
        CardRecord card;
        card.Code = u"C01"_s, card.SortieCost = u"0"_s;
        const SelectionState selection = Select({kAllFactionsBox, box});
        EXPECT_FALSE(CardPassesFilters(card, selection, u"ALL"_s)) << "Check" << box;
        card.*field = value;
        EXPECT_EQ(CardPassesFilters(card, selection, u"ALL"_s), passes) << "Check" << box;
    };
    using R = CardRecord;
    const std::tuple<int, QString R::*, const char16_t*, bool> texts[] = {
        {6, &R::CardType, u"英雄", true},        {7, &R::CardType, u"指揮官", true},
        {8, &R::CardType, u"兵力", true},        {8, &R::CardType, u"兵力 ", false},
        {9, &R::CardType, u"配下", true},        {10, &R::CardType, u"戦法", true},
        {11, &R::CardType, u"計略", true},       {12, &R::CardType, u"城", true},
        {13, &R::Rarity, u"Rare", true},         {13, &R::Rarity, u"RARE", false},
        {14, &R::Rarity, u"Uncommon", true},     {15, &R::Rarity, u"Common", true},
        {17, &R::SortieCost, u"", true},         {18, &R::Charge, u"突撃", true},
        {18, &R::Charge, u"突撃 ", false},       {19, &R::Trample, u"蹂躙", true},
        {20, &R::Counter, u"反撃", true},        {30, &R::Ambush, u"伏兵", true},
        {31, &R::Scout, u"索敵", true},          {32, &R::Flank, u"側面", true},
        {25, &R::Formation1, u"烏合陣形", true}, {25, &R::Formation2, u"烏合陣形", false},
        {26, &R::Formation1, u"密集陣形", true}, {27, &R::Formation1, u"紡錘陣形", true},
        {28, &R::Formation1, u"包囲陣形", true}, {28, &R::Formation2, u"包囲陣形", true},
        {29, &R::Formation1, u"機動陣形", true}, {29, &R::Formation2, u"機動陣形", true},
    };
    for (const auto& [box, field, value, passes] : texts) {
        check(box, field, QString::fromUtf16(value), passes);
    }
    check(16, &R::Upkeep, -1, true), check(21, &R::Shooting, -2, true);
    check(22, &R::Siege, 1, true), check(23, &R::Plunder, 3, true);
    CardRecord card;  // boxes within a group are alternatives
    card.Code = u"C01"_s, card.CardType = u"城"_s, card.SortieCost = u"1"_s;
    EXPECT_TRUE(CardPassesFilters(card, Select({kAllFactionsBox, 6, 12, 16, 17}), u"ALL"_s));
}

TEST(MatchingCardLines, FactionPatternIllustratorLoadedRecordsSortedDuplicatesKept) {
    CardCatalogue catalogue;
    for (const char16_t* code : {u"M01", u"C10", u"c02", u"X03", u"E2", u"D01", u" ", u" C9", u"",
                                 u"E2", u"C1", u"C2", u"E2"}) {
        CardRecord card;
        card.Code = QString::fromUtf16(code), card.Name = u"n"_s;
        // An illustrator is matched exactly.
        card.Illustrator = card.Code == u"M01" ? u"Ren Amagi"_s : QString();
        catalogue.AddCard(card);
    }
    const std::pair<SelectionState, const char16_t*> cases[] = {
        {Select({kAllFactionsBox, 2}), u"C1 n|C10 n|C2 n|D01 n|E2 n|E2 n|E2 n|M01 n"},
        {Select({5, 2}), u"D01 n|M01 n"},
        {Select({}), u"  n"},       // no faction: only a code of exactly one blank
        {SelectionState{}, u" n"},  // before the first rebuild: only an empty code
    };
    for (const auto& [selection, lines] : cases) {
        EXPECT_EQ(MatchingCardLines(catalogue, selection, u"ALL"_s).join(u'|'), QStringView(lines))
            << selection.SelectionPattern.toStdString();
    }
    EXPECT_EQ(MatchingCardLines(catalogue, Select({24}), u"Ren Amagi"_s),
              QStringList({u"M01 n"_s}));
    EXPECT_TRUE(MatchingCardLines(catalogue, Select({24}), u"ren amagi"_s).isEmpty());
}

}  // namespace
}  // namespace kestrava
