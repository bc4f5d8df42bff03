// The deck views driven as a user drives them: the deck and count lists in step through
// refreshes, loads, appends and right presses; each tally in its panel label, in
// colour.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "deck/ui/DeckListViews.h"
#include "deck/ui/DeckStatsPanel.h"
#include "support/ListRows.h"
#include "support/TryExpect.h"

namespace kestrava {
namespace {

// A list that counts its layout passes, so that a test can wait for the one Qt runs later.
class CountingList : public QListWidget {
  public:
    using QListWidget::QListWidget;
    void doItemsLayout() override {
        ++Layouts;
        QListWidget::doItemsLayout();
    }
    // Asks for a layout pass as a change of rows does: the event loop runs it.
    void ScheduleLayout() { scheduleDelayedItemsLayout(); }
    int Layouts = 0;
};

// The lists placed as in the main window, in pixels, showing 60 made-up lines.
class DeckListViewsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 1; i < 60; ++i) {
            deck.Lines.push_back({QStringLiteral("E%1 霧谷の番兵").arg(i), qint16(i % 4 + 1)});
        }
        List2->setGeometry(340, 124, 289, 196);
        List3->setGeometry(628, 124, 37, 196);
        Window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
        Views->ShowDeck(deck);
        AfterTheDelayedLayout();  // the scroll ranges are set
    }
    // Lets the event loop run the delayed layout that follows every change of rows.
    void AfterTheDelayedLayout() {
        for (CountingList* list : {List2, List3}) {
            const int before = list->Layouts;
            list->ScheduleLayout();
            TRY_ASSERT(list->Layouts > before);
        }
    }
    static int TopLine(const QListWidget* list) { return list->indexAt({2, 2}).row(); }
    void Click(QListWidget* list, int row, Qt::MouseButton button = Qt::LeftButton) {
        list->scrollToItem(list->item(row));
        test::ClickRow(list, row, button);
    }
    // Both lists on this selection and one top line, showing their last line when asked to.
    void ExpectInStep(int selected, bool lastLineShows = false) {
        EXPECT_EQ(Views->SelectedIndex(), selected);
        EXPECT_EQ(List2->selectionModel()->selectedRows().value(0).row(), selected);
        EXPECT_EQ(TopLine(List2), TopLine(List3));
        for (const QListWidget* list : {List2, List3}) {
            const QRect last = list->visualItemRect(list->item(list->count() - 1));
            EXPECT_TRUE(!lastLineShows || list->viewport()->rect().contains(last));
        }
    }

    Deck deck{{}, {{QString(50, u'霧'), 1}}, 123};  // a first line wider than the deck list
    QWidget Window;
    CountingList* List2 = new CountingList(&Window);
    CountingList* List3 = new CountingList(&Window);
    DeckListViews* Views = new DeckListViews(List2, List3, new QLineEdit(&Window), &Window);
};

// Rows far apart, so that the clicked list has scrolled before the click.
TEST_F(DeckListViewsTest, ClickSelectsTheLineInBothListsAtOneTopLine) {
    for (auto [list, row] : {std::pair{List2, 2}, {List3, 39}, {List2, 25}}) {
        SCOPED_TRACE(::testing::Message() << (list == List2 ? "List2 " : "List3 ") << row);
        Click(list, row);
        ExpectInStep(row);
    }
}

TEST_F(DeckListViewsTest, ScrollingOneListScrollsTheOther) {
    for (auto [list, top] : {std::pair{List3, 31}, {List2, 8}}) {
        list->verticalScrollBar()->setValue(top);
        EXPECT_EQ(TopLine(List2), top);
        EXPECT_EQ(TopLine(List3), top);
    }
}

// Only the lines that differ are rewritten: the selection and the top line stay.
TEST_F(DeckListViewsTest, ChangedDeckRewritesItsLinesInPlace) {
    List2->verticalScrollBar()->setValue(8);
    Click(List3, 12);
    deck.Lines[12].Count = -1;
    deck.Lines.erase(deck.Lines.begin() + 30);
    Views->ShowDeck(deck);
    EXPECT_EQ(List3->item(12)->text(), QStringLiteral("-1"));
    EXPECT_EQ(List2->item(30)->text(), QStringLiteral("E31 霧谷の番兵"));
    EXPECT_EQ(List2->count(), 59);
    EXPECT_EQ(List3->count(), 59);
    AfterTheDelayedLayout();
    EXPECT_EQ(TopLine(List3), 8);
    ExpectInStep(12);
}

TEST_F(DeckListViewsTest, LoadedDeckShowsFromTheFirstLineWithNothingSelected) {
    Click(List3, 39);
    Views->ShowLoadedDeck(deck);
    EXPECT_EQ(TopLine(List2), 0);
    ExpectInStep(-1);
}

TEST_F(DeckListViewsTest, AppendedLineShowsAtOnceAndAfterTheDelayedLayout) {
    deck.Lines.push_back({QStringLiteral("M900 新入りの鷹匠"), 1});
    Views->ShowDeck(deck);
    Views->ScrollToEnd();
    ExpectInStep(-1, true);
    AfterTheDelayedLayout();
    ExpectInStep(-1, true);
}

TEST_F(DeckListViewsTest, SelectedLineThatIsGoneLeavesNothingSelected) {
    Click(List2, 11);
    deck.Lines.resize(6);  // not a neighbour either
    Views->ShowDeck(deck);
    ExpectInStep(-1);
}

// A right press selects nothing. On the deck list it asks for the popup, even below its last
// line; on the count list it asks for nothing.
TEST_F(DeckListViewsTest, RightPressAsksForThePopupOnTheDeckListOnly) {
    deck.Lines.resize(6);
    Views->ShowDeck(deck);
    Click(List2, 1);
    QSignalSpy popups(Views, &DeckListViews::PopupRequested);
    const QPoint onLine = List2->visualItemRect(List2->item(4)).center();
    const QPoint below(10, List2->height() - 10);
    for (const QPoint at : {onLine, below}) {
        QTest::mouseClick(List2->viewport(), Qt::RightButton, {}, at);
    }
    Click(List3, 2, Qt::RightButton);
    ASSERT_EQ(popups.count(), 2);
    EXPECT_EQ(popups.at(0).at(0).toPoint(), List2->viewport()->mapToGlobal(onLine));
    EXPECT_EQ(popups.at(1).at(0).toPoint(), List2->viewport()->mapToGlobal(below));
    ExpectInStep(1);
}

TEST(DeckStatsPanel, ShowsTheCastleNumberInColourAndEachTallyInItsLabel) {
    DeckStatsPanel panel;
    const QLabel* castles = panel.findChild<QLabel*>("Label16");
    for (const auto& [count, colour] : {std::pair<qint16, QColor>{20, Qt::black}, {19, Qt::red}}) {
        panel.ShowTallies({count});
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            EXPECT_EQ(castles->palette().color(group, QPalette::WindowText), colour) << count;
        }
    }
    // In the order of the tallies: card types, factions C to M, rarities.
    const int labels[] = {16, 17, 18, 19, 20, 21, 22, 25, 26, 27, 28, 29, 45, 46, 47};
    panel.ShowTallies({-10, 0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130});
    for (int i = 0; i < 15; ++i) {
        const auto* label = panel.findChild<QLabel*>(QStringLiteral("Label%1").arg(labels[i]));
        ASSERT_NE(label, nullptr) << labels[i];
        EXPECT_EQ(label->text(), QString::number(10 * i - 10)) << labels[i];
    }
}

}  // namespace
}  // namespace kestrava
