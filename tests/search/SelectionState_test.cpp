#include "search/SelectionState.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace kestrava {
namespace {

FilterBoxes Checked(std::initializer_list<int> boxes) {
    FilterBoxes checked{};
    for (int box : boxes) {
        checked[box] = true;
    }
    return checked;
}

TEST(SelectionState, StartsEmptyWithNoBits) {
    const SelectionState selection;
    EXPECT_TRUE(selection.SelectionPattern.isEmpty());
    EXPECT_EQ(selection.TypeFilter, 0);
    EXPECT_EQ(selection.AbilityFilter, 0);
    EXPECT_EQ(selection.RarityFilter, 0);
    EXPECT_EQ(selection.FormationFilter, 0);
}

TEST(MakeSelection, FactionPattern) {
    const struct {
        std::initializer_list<int> boxes;
        const char16_t* pattern;
    } cases[] = {
        {{}, u" "},
        {{24}, u"[CDEGM]*"},
        {{24, 2, 4}, u"[CDEGM]*"},  // "ALL" wins over the faction boxes
        {{1}, u"[C]*"},
        {{2, 4}, u"[DG]*"},
        {{5, 2}, u"[DM]*"},  // fixed letter order, whatever the order of the clicks
        {{5, 4, 3, 2, 1}, u"[CDEGM]*"},
        {{6, 13, 16, 25, 32}, u" "},  // other groups add no letter
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MakeSelection(Checked(c.boxes)).SelectionPattern, QString::fromUtf16(c.pattern));
    }
}

TEST(MakeSelection, EachBoxSetsItsOwnBitOnly) {
    using Field = qint16 SelectionState::*;
    const Field type = &SelectionState::TypeFilter;
    const Field rarity = &SelectionState::RarityFilter;
    const Field ability = &SelectionState::AbilityFilter;
    const Field formation = &SelectionState::FormationFilter;
    const struct {
        int box;
        Field field;
        qint16 bit;
    } cases[] = {
        {6, type, 0x40},       {7, type, 0x20},       {8, type, 0x10},       {9, type, 0x08},
        {10, type, 0x04},      {11, type, 0x02},      {12, type, 0x01},      {13, rarity, 0x04},
        {14, rarity, 0x02},    {15, rarity, 0x01},    {16, ability, 0x080},  {17, ability, 0x040},
        {18, ability, 0x020},  {19, ability, 0x010},  {20, ability, 0x008},  {21, ability, 0x004},
        {22, ability, 0x002},  {23, ability, 0x001},  {30, ability, 0x100},  {31, ability, 0x200},
        {32, ability, 0x400},  {25, formation, 0x10}, {26, formation, 0x08}, {27, formation, 0x04},
        {28, formation, 0x02}, {29, formation, 0x01},
    };
    for (const auto& c : cases) {
        const SelectionState selection = MakeSelection(Checked({c.box}));
        for (Field field : {type, rarity, ability, formation}) {
            EXPECT_EQ(selection.*field, field == c.field ? c.bit : 0) << "Check" << c.box;
        }
        EXPECT_EQ(selection.SelectionPattern, u" ") << "Check" << c.box;
    }
}

TEST(MakeSelection, EveryBoxChecked) {
    FilterBoxes all{};
    all.fill(true);
    const SelectionState selection = MakeSelection(all);
    EXPECT_EQ(selection.SelectionPattern, u"[CDEGM]*");
    EXPECT_EQ(selection.TypeFilter, 0x7F);
    EXPECT_EQ(selection.RarityFilter, 0x07);
    EXPECT_EQ(selection.AbilityFilter, 0x7FF);
    EXPECT_EQ(selection.FormationFilter, 0x1F);
}

TEST(MatchesSelectionPattern, Forms) {
    const struct {
        const char16_t* code;
        const char16_t* pattern;
        bool matches;
    } cases[] = {
        {u"C001", u"[CDEGM]*", true},
        {u"M", u"[CDEGM]*", true},
        {u"c001", u"[CDEGM]*", false},  // case-sensitive
        {u"X001", u"[CDEGM]*", false},
        {u"", u"[CDEGM]*", false},
        {u" C01", u"[CDEGM]*", false},
        {u"D12", u"[DG]*", true},
        {u"G", u"[DG]*", true},
        {u"C12", u"[DG]*", false},
        {u"[", u"[DG]*", false},
        {u" ", u" ", true},  // the blank form matches exactly one blank
        {u"", u" ", false},
        {u"  ", u" ", false},
        {u" C01", u" ", false},
        {u"C01", u" ", false},
        {u"", u"", true},  // the empty form matches only an empty code
        {u" ", u"", false},
        {u"C01", u"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchesSelectionPattern(QStringView(c.code), QStringView(c.pattern)), c.matches)
            << "code '" << QString::fromUtf16(c.code).toStdString() << "' pattern '"
            << QString::fromUtf16(c.pattern).toStdString() << "'";
    }
}

}  // namespace
}  // namespace kestrava
