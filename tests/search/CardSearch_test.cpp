// The search box's narrowing of the card list: folded on both sides, each word in one text,
// combined with the boxes and the illustrator. Which forms fold alike is Folding_test's.
#include <gtest/gtest.h>

#include <vector>

#include "search/CardFilter.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

// Codes, names, illustrators (3), sub-types (8), upper (17) and lower texts (18).
CardCatalogue FixtureCatalogue() {
    return test::CatalogueOfLines({
        test::CardLineOf(u"1=G-01|2=緑のカーバンクル|3=Aria Velden|8=獣|17=出撃時、1枚引く。"_s),
        test::CardLineOf(u"1=G-02|2=ＦＯＲＥＳＴ　ＧＵＡＲＤ|3=nolo"_s),
        test::CardLineOf(u"1=C-01|2=ヴァルキリー・ソード|3=Aria Velden|8=騎兵|18=森は忘れない。"_s),
        test::CardLineOf(u"1=M-01|2=ﾐｽﾞﾊ|17=カードを引く"_s),
        test::CardLineOf(u"1=X-01|2=カーバンクルの影"_s),  // no faction: "ALL" never lists it
        test::CardLineOf(u"1= |2=カーバンクル"_s),         // listed with no faction box only
        test::CardLineOf(u"2=名無しのカーバンクル"_s),     // listed before any box is ticked only
    });
}

std::vector<QString> Codes(const QStringList& lines) {
    std::vector<QString> codes;
    for (const QString& line : lines) {
        codes.push_back(CodeOfLine(line).toString());
    }
    return codes;
}

struct Narrowing {
    QString Typed;
    std::vector<int> Boxes;  // ticked
    QString Illustrator;
    std::vector<QString> Codes;  // listed
    bool NoBoxTickedYet = false;
};

TEST(CardSearch, NarrowsTheListAsTypedCombinedWithBoxesAndIllustrator) {
    const CardCatalogue catalogue = FixtureCatalogue();
    // In order on one search, as typed. A code " " or "" lists as the empty text before the
    // blank.
    const Narrowing cases[] = {
        // No search: as the boxes alone list.
        {u""_s, {}, u"ALL"_s, {u""_s}},
        {u" ・　"_s, {}, u"ALL"_s, {u""_s}},
        {u""_s, {24}, u"ALL"_s, {u"C-01"_s, u"G-01"_s, u"G-02"_s, u"M-01"_s}},
        {u"かーばんくる"_s, {}, u"ALL"_s, {u"G-01"_s}},          // among what "ALL" lists
        {u"みずは"_s, {}, u"ALL"_s, {u"M-01"_s}},                // the card's text folded too
        {u"ヴァルキリー 森 騎兵"_s, {}, u"ALL"_s, {u"C-01"_s}},  // each word in its own text
        {u"ソード騎兵"_s, {}, u"ALL"_s, {}},                     // never across two texts
        {u"ヴァルキリー 城"_s, {}, u"ALL"_s, {}},                // every word must be found
        {u"ｇ－０１"_s, {}, u"ALL"_s, {u"G-01"_s}},              // the code
        {u"aria"_s, {}, u"ALL"_s, {u"C-01"_s, u"G-01"_s}},       // the illustrator
        {u"獣"_s, {}, u"ALL"_s, {u"G-01"_s}},                    // the sub-type
        {u"引く"_s, {}, u"ALL"_s, {u"G-01"_s, u"M-01"_s}},       // the upper text
        {u"引く"_s, {4}, u"ALL"_s, {u"G-01"_s}},                 // a faction box narrows
        {u"a"_s, {24}, u"nolo"_s, {u"G-02"_s}},                  // and the illustrator
        {u"引く"_s, {24, 12}, u"ALL"_s, {}},                     // and a type box
        // Before any box is ticked: searched among what "ALL" lists; emptied, the list is
        // empty as at start-up; an illustrator chosen then lists the cards with no code.
        {u"かーばんくる"_s, {}, u"ALL"_s, {u"G-01"_s}, true},
        {u""_s, {}, u"ALL"_s, {}, true},
        {u""_s, {}, u"ALL"_s, {u""_s}, true},
    };
    CardSearch search;
    QStringList lines;
    for (const Narrowing& narrowing : cases) {
        FilterBoxes checked{};
        for (int box : narrowing.Boxes) {
            checked[box] = true;
        }
        const SelectionState selection =
            narrowing.NoBoxTickedYet ? SelectionState{} : MakeSelection(checked);
        search.SetQuery(narrowing.Typed);
        MatchingCardLines(catalogue, selection, narrowing.Illustrator, search, lines);
        EXPECT_EQ(Codes(lines), narrowing.Codes)
            << "row " << &narrowing - cases << ": " << narrowing.Typed.toStdString();
    }
}

TEST(CardSearch, FollowsANewCardList) {
    CardCatalogue catalogue = FixtureCatalogue();
    CardSearch search;
    search.SetQuery(u"かーばんくる"_s);
    QStringList lines;
    MatchingCardLines(catalogue, MakeSelection({}), u"ALL"_s, search, lines);
    ASSERT_EQ(lines.size(), 1);
    catalogue.ReplaceCards(
        test::CatalogueOf({u"D-07|黒いカーバンクル"_s, u"D-08|影"_s}).CardTable());
    MatchingCardLines(catalogue, MakeSelection({}), u"ALL"_s, search, lines);
    EXPECT_EQ(lines, QStringList({u"D-07 黒いカーバンクル"_s}));
    catalogue.AddCard(test::CatalogueOf({u"C-09|白いカーバンクル"_s}).CardTable()[0]);
    MatchingCardLines(catalogue, MakeSelection({}), u"ALL"_s, search, lines);
    EXPECT_EQ(Codes(lines), std::vector<QString>({u"C-09"_s, u"D-07"_s}));
}

}  // namespace
}  // namespace kestrava
