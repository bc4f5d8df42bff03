#include "search/CardFilter.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

#include "search/SearchTestCards.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

using test::MakeCard;
using test::MakeCatalogue;

const QString kAll = QStringLiteral("ALL");

// "ALL" plus the given boxes.
SelectionState Select(std::initializer_list<int> boxes) {
    FilterBoxes checked{};
    checked[kAllFactionsBox] = true;
    for (int box : boxes) {
        checked[box] = true;
    }
    return MakeSelection(checked);
}

bool Passes(const CardRecord& card, std::initializer_list<int> boxes) {
    return CardPassesFilters(card, Select(boxes), kAll);
}

TEST(CardFilter, TypeAndRarityWords) {
    const struct {
        int box;
        QString CardRecord::*field;
        const char16_t* word;
    } cases[] = {
        {6, &CardRecord::CardType, u"英雄"},    {7, &CardRecord::CardType, u"指揮官"},
        {8, &CardRecord::CardType, u"兵力"},    {9, &CardRecord::CardType, u"配下"},
        {10, &CardRecord::CardType, u"戦法"},   {11, &CardRecord::CardType, u"計略"},
        {12, &CardRecord::CardType, u"城"},     {13, &CardRecord::Rarity, u"Rare"},
        {14, &CardRecord::Rarity, u"Uncommon"}, {15, &CardRecord::Rarity, u"Common"},
    };
    for (const auto& c : cases) {
        CardRecord card = MakeCard(QStringLiteral("C01"));
        const QString word = QString::fromUtf16(c.word);
        card.*(c.field) = word;
        EXPECT_TRUE(Passes(card, {c.box})) << c.box;
        EXPECT_TRUE(Passes(card, {})) << c.box;
        for (const QString& other : {word + u' ', word.toLower(), QString()}) {
            if (other != word) {
                card.*(c.field) = other;
                EXPECT_FALSE(Passes(card, {c.box})) << c.box << " " << other.toStdString();
            }
        }
    }
}

TEST(CardFilter, BoxesOfAGroupAreAlternatives) {
    CardRecord hero = MakeCard(QStringLiteral("C01"));
    hero.CardType = QStringLiteral("英雄");
    CardRecord castle = hero;
    castle.CardType = QStringLiteral("城");
    CardRecord troop = hero;
    troop.CardType = QStringLiteral("兵力");
    EXPECT_TRUE(Passes(hero, {6, 12}));
    EXPECT_TRUE(Passes(castle, {6, 12}));
    EXPECT_FALSE(Passes(troop, {6, 12}));
}

TEST(CardFilter, Abilities) {
    using Edit = std::function<void(CardRecord&)>;
    const struct {
        int box;
        Edit edit;
        bool passes;
    } cases[] = {
        {16, [](CardRecord& c) { c.Upkeep = 2; }, true},
        {16, [](CardRecord& c) { c.Upkeep = -1; }, true},  // non-zero, not positive
        {16, [](CardRecord&) {}, false},
        {17, [](CardRecord& c) { c.SortieCost = QStringLiteral("1"); }, true},
        {17, [](CardRecord& c) { c.SortieCost.clear(); }, true},  // only "0" means none
        {17, [](CardRecord& c) { c.SortieCost = QStringLiteral(" 0"); }, true},
        {17, [](CardRecord&) {}, false},
        {18, [](CardRecord& c) { c.Charge = QStringLiteral("突撃"); }, true},
        {18, [](CardRecord& c) { c.Charge = QStringLiteral("突撃 "); }, false},
        {19, [](CardRecord& c) { c.Trample = QStringLiteral("蹂躙"); }, true},
        {19, [](CardRecord& c) { c.Trample = QStringLiteral("突撃"); }, false},
        {20, [](CardRecord& c) { c.Counter = QStringLiteral("反撃"); }, true},
        {20, [](CardRecord&) {}, false},
        {21, [](CardRecord& c) { c.Shooting = -2; }, true},
        {21, [](CardRecord&) {}, false},
        {22, [](CardRecord& c) { c.Siege = 1; }, true},
        {22, [](CardRecord&) {}, false},
        {23, [](CardRecord& c) { c.Plunder = 3; }, true},
        {23, [](CardRecord& c) { c.Siege = 3; }, false},
        {30, [](CardRecord& c) { c.Ambush = QStringLiteral("伏兵"); }, true},
        {30, [](CardRecord&) {}, false},
        {31, [](CardRecord& c) { c.Scout = QStringLiteral("索敵"); }, true},
        {31, [](CardRecord& c) { c.Ambush = QStringLiteral("索敵"); }, false},
        {32, [](CardRecord& c) { c.Flank = QStringLiteral("側面"); }, true},
        {32, [](CardRecord& c) { c.Flank = QStringLiteral("側面攻撃"); }, false},
    };
    for (const auto& c : cases) {
        CardRecord card = MakeCard(QStringLiteral("C01"));
        c.edit(card);
        EXPECT_EQ(Passes(card, {c.box}), c.passes) << "Check" << c.box;
        EXPECT_TRUE(Passes(card, {})) << "Check" << c.box;
    }
}

TEST(CardFilter, OnlyEncircleAndMobileLookAtTheSecondFormation) {
    const struct {
        int box;
        const char16_t* formation1;
        const char16_t* formation2;
        bool passes;
    } cases[] = {
        {25, u"烏合陣形", u"", true},
        {25, u"密集陣形", u"烏合陣形", false},
        {26, u"密集陣形", u"", true},
        {26, u"", u"密集陣形", false},
        {27, u"紡錘陣形", u"包囲陣形", true},
        {27, u"機動陣形", u"紡錘陣形", false},
        {28, u"包囲陣形", u"", true},
        {28, u"密集陣形", u"包囲陣形", true},
        {28, u"包囲", u"", false},
        {29, u"機動陣形", u"", true},
        {29, u"", u"機動陣形", true},
        {29, u"紡錘陣形", u"包囲陣形", false},
    };
    for (const auto& c : cases) {
        CardRecord card = MakeCard(QStringLiteral("C01"));
        card.Formation1 = QString::fromUtf16(c.formation1);
        card.Formation2 = QString::fromUtf16(c.formation2);
        EXPECT_EQ(Passes(card, {c.box}), c.passes)
            << "Check" << c.box << " " << card.Formation1.toStdString() << "/"
            << card.Formation2.toStdString();
    }
}

TEST(CardFilter, EveryGroupMustPass) {
    CardRecord card = MakeCard(QStringLiteral("G07"));
    card.CardType = QStringLiteral("兵力");
    card.Rarity = QStringLiteral("Common");
    card.Charge = QStringLiteral("突撃");
    card.Formation2 = QStringLiteral("機動陣形");
    card.Illustrator = QStringLiteral("Tobiuo Kansai");
    FilterBoxes checked{};
    for (int box : {4, 8, 15, 18, 29}) {
        checked[box] = true;
    }
    EXPECT_TRUE(CardPassesFilters(card, MakeSelection(checked), card.Illustrator));
    EXPECT_FALSE(CardPassesFilters(card, MakeSelection(checked), QStringLiteral("Other One")));
    // One group at a time gets a box the card does not satisfy instead of the right one.
    const std::pair<int, int> swaps[] = {{4, 1}, {8, 6}, {15, 13}, {18, 16}, {29, 25}};
    for (const auto& [right, wrong] : swaps) {
        FilterBoxes swapped = checked;
        swapped[right] = false;
        swapped[wrong] = true;
        EXPECT_FALSE(CardPassesFilters(card, MakeSelection(swapped), card.Illustrator))
            << "Check" << wrong;
    }
}

TEST(MatchingCardLines, FactionSelection) {
    const CardCatalogue catalogue = MakeCatalogue({
        MakeCard(QStringLiteral("M01"), QStringLiteral("青の騎士")),
        MakeCard(QStringLiteral("C01"), QStringLiteral("混沌の卵")),
        MakeCard(QStringLiteral("c02"), QStringLiteral("小文字")),
        MakeCard(QStringLiteral("X03"), QStringLiteral("未知")),
        MakeCard(QStringLiteral("D01"), QStringLiteral("帝国兵")),
        MakeCard(QStringLiteral(" "), QStringLiteral("空白")),
        MakeCard(QString(), QStringLiteral("無名")),
    });
    FilterBoxes none{};
    FilterBoxes mAndD{};
    mAndD[5] = mAndD[2] = true;
    const struct {
        SelectionState selection;
        QStringList lines;
    } cases[] = {
        {Select({}), {u"C01 混沌の卵"_s, u"D01 帝国兵"_s, u"M01 青の騎士"_s}},
        {MakeSelection(mAndD), {u"D01 帝国兵"_s, u"M01 青の騎士"_s}},
        {MakeSelection(none), {u"  空白"_s}},  // only a code of exactly one blank
        {SelectionState{}, {u" 無名"_s}},      // before the first rebuild: only an empty code
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchingCardLines(catalogue, c.selection, kAll), c.lines)
            << c.selection.SelectionPattern.toStdString();
    }
}

TEST(MatchingCardLines, SortedWhateverTheTableOrderDuplicatesKept) {
    const CardCatalogue catalogue = MakeCatalogue({
        MakeCard(QStringLiteral("E2"), QStringLiteral("b")),
        MakeCard(QStringLiteral("C10"), QStringLiteral("a")),
        MakeCard(QStringLiteral("C1"), QStringLiteral("z")),
        MakeCard(QStringLiteral("C2"), QStringLiteral("a")),
        MakeCard(QStringLiteral("E2"), QStringLiteral("b")),
        MakeCard(QStringLiteral("E2"), QStringLiteral("a")),
    });
    const QStringList expected = {u"C1 z"_s, u"C10 a"_s, u"C2 a"_s,
                                  u"E2 a"_s, u"E2 b"_s,  u"E2 b"_s};
    EXPECT_EQ(MatchingCardLines(catalogue, Select({}), kAll), expected);
}

TEST(MatchingCardLines, OnlyLoadedRecords) {
    CardCatalogue catalogue = MakeCatalogue({
        MakeCard(QStringLiteral("C1")),
        MakeCard(QStringLiteral("C2")),
    });
    catalogue.CardTable[2] = MakeCard(QStringLiteral("C3"));  // left over from a longer list
    catalogue.CardTable[kCardTableSize - 1] = MakeCard(QStringLiteral("C4"));
    EXPECT_EQ(MatchingCardLines(catalogue, Select({}), kAll),
              QStringList({u"C1 名無し"_s, u"C2 名無し"_s}));

    catalogue.CardCount = 0;
    EXPECT_TRUE(MatchingCardLines(catalogue, Select({}), kAll).isEmpty());
}

TEST(MatchingCardLines, FullTable) {
    CardCatalogue catalogue;
    for (int i = 0; i < kCardTableSize; ++i) {
        catalogue.CardTable[i] =
            MakeCard(QStringLiteral("G%1").arg(kCardTableSize - i, 4, 10, QLatin1Char('0')));
    }
    catalogue.CardCount = kCardTableSize;
    const QStringList lines = MatchingCardLines(catalogue, Select({}), kAll);
    ASSERT_EQ(lines.size(), kCardTableSize);
    EXPECT_EQ(lines.front(), u"G0001 名無し");
    EXPECT_EQ(lines.back(), u"G1025 名無し");
}

TEST(MatchingCardLines, IllustratorIsExact) {
    CardRecord card = MakeCard(u"C1"_s);
    card.Illustrator = u"Ren Amagi"_s;
    const CardCatalogue catalogue = MakeCatalogue({card});
    const struct {
        QString illustrator;
        bool listed;
    } cases[] = {
        {kAll, true},      {u"Ren Amagi"_s, true}, {u"ren amagi"_s, false},
        {u"all"_s, false}, {QString(), false},     {u"Yuu Kuroe"_s, false},  // no card of hers
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchingCardLines(catalogue, Select({}), c.illustrator).size(), c.listed ? 1 : 0)
            << c.illustrator.toStdString();
    }
}

}  // namespace
}  // namespace kestrava
