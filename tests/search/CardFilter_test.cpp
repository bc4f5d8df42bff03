#include "search/CardFilter.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "support/TestFiles.h"

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

// The card of a card list line of columns (from 1) as "7=城|10=1".
CardRecord Card(const QString& columns) {
    return test::CatalogueOfLines({test::CardLineOf(u"1=C01|"_s + columns)}).CardTable()[0];
}

struct BoxCase {
    int Box;
    const char* Column;  // set as "7=英雄"
    bool Passes;
};

// With "ALL" and a box ticked a blank card (sortie cost "0": none) fails; with a column set it
// passes or not. Only 包囲 and 機動 also look at the second formation.
TEST(CardFilter, EachBoxTestsItsOwnFieldExactly) {
    const BoxCase cases[] = {
        {6, "7=英雄", true},       {7, "7=指揮官", true},      {8, "7=兵力", true},
        {8, "7=兵力 ", false},     {9, "7=配下", true},        {10, "7=戦法", true},
        {11, "7=計略", true},      {12, "7=城", true},         {13, "4=Rare", true},
        {13, "4=RARE", false},     {14, "4=Uncommon", true},   {15, "4=Common", true},
        {16, "9=-1", true},        {17, "10=", true},          {18, "11=突撃", true},
        {18, "11=突撃 ", false},   {19, "12=蹂躙", true},      {20, "13=反撃", true},
        {21, "14=-2", true},       {22, "15=1", true},         {23, "16=3", true},
        {30, "29=伏兵", true},     {31, "30=索敵", true},      {32, "31=側面", true},
        {25, "25=烏合陣形", true}, {25, "27=烏合陣形", false}, {26, "25=密集陣形", true},
        {27, "25=紡錘陣形", true}, {28, "25=包囲陣形", true},  {28, "27=包囲陣形", true},
        {29, "25=機動陣形", true}, {29, "27=機動陣形", true},
    };
    for (const BoxCase& test : cases) {
        const SelectionState selection = Select({kAllFactionsBox, test.Box});
        EXPECT_FALSE(CardPassesFilters(Card({}), selection, u"ALL"_s)) << test.Box;
        EXPECT_EQ(CardPassesFilters(Card(QString::fromUtf8(test.Column)), selection, u"ALL"_s),
                  test.Passes)
            << test.Box << " " << test.Column;
    }
    // Boxes within a group are alternatives.
    EXPECT_TRUE(CardPassesFilters(Card(u"7=城|10=1"_s), Select({kAllFactionsBox, 6, 12, 16, 17}),
                                  u"ALL"_s));
}

struct Listing {
    const char* Name;
    SelectionState Selection;
    const char16_t* Lines;
};

TEST(MatchingCardLines, FactionPatternIllustratorLoadedRecordsSortedDuplicatesKept) {
    // An illustrator is matched exactly.
    QStringList lines = {test::CardLineOf(u"1=M01|2=n|3=Ren Amagi"_s)};
    for (const char16_t* code :
         {u"C10", u"c02", u"X03", u"E2", u"D01", u" ", u" C9", u"", u"E2", u"C1", u"C2", u"E2"}) {
        lines << test::CardLineOf(u"2=n|1="_s + QString::fromUtf16(code));
    }
    const CardCatalogue catalogue = test::CatalogueOfLines(lines);
    const Listing cases[] = {
        {"ALL", Select({kAllFactionsBox, 2}), u"C1 n|C10 n|C2 n|D01 n|E2 n|E2 n|E2 n|M01 n"},
        {"two factions", Select({5, 2}), u"D01 n|M01 n"},
        {"no faction: only a code of one blank", Select({}), u"  n"},
        {"before the first rebuild: only an empty code", SelectionState{}, u" n"},
    };
    for (const Listing& listing : cases) {
        EXPECT_EQ(MatchingCardLines(catalogue, listing.Selection, u"ALL"_s).join(u'|'),
                  QStringView(listing.Lines))
            << listing.Name;
    }
    EXPECT_EQ(MatchingCardLines(catalogue, Select({24}), u"Ren Amagi"_s),
              QStringList({u"M01 n"_s}));
    EXPECT_TRUE(MatchingCardLines(catalogue, Select({24}), u"ren amagi"_s).isEmpty());
}

}  // namespace
}  // namespace kestrava
