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
        ++layouts_;
        QListWidget::doItemsLayout();
    }
    // Asks for a layout pass as a change of rows does: the event loop runs it.
    void ScheduleLayout() { scheduleDelayedItemsLayout(); }
    int layouts_ = 0;
};

// The lists placed as in the main window, in pixels, showing 60 made-up lines.
class DeckListViewsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 1; i < 60; ++i) {
            deck_.Lines.push_back({QStringLiteral("E%1 霧谷の番兵").arg(i), qint16(i % 4 + 1)});
        }
        List2_->setGeometry(340, 124, 289, 196);
        List3_->setGeometry(628, 124, 37, 196);
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        views_->ShowDeck(deck_);
        AfterTheDelayedLayout();  // the scroll ranges are set
    }
    // Lets the event loop run the delayed layout that follows every change of rows.
    void AfterTheDelayedLayout() {
        for (CountingList* list : {List2_, List3_}) {
            const int before = list->layouts_;
            list->ScheduleLayout();
            TRY_ASSERT(list->layouts_ > before);
        }
    }
    static int TopLine(const QListWidget* list) { return list->indexAt({2, 2}).row(); }
    void Click(QListWidget* list, int row, Qt::MouseButton button = Qt::LeftButton) {
        list->scrollToItem(list->item(row));
        test::ClickRow(list, row, button);
    }
    // Both lists on this selection and one top line, showing their last line when asked to.
    void ExpectInStep(int selected, bool lastLineShows = false) {
        EXPECT_EQ(views_->SelectedIndex(), selected);
        EXPECT_EQ(List2_->selectionModel()->selectedRows().value(0).row(), selected);
        EXPECT_EQ(TopLine(List2_), TopLine(List3_));
        for (const QListWidget* list : {List2_, List3_}) {
            const QRect last = list->visualItemRect(list->item(list->count() - 1));
            EXPECT_TRUE(!lastLineShows || list->viewport()->rect().contains(last));
        }
    }

    Deck deck_{{}, {{QString(50, u'霧'), 1}}, 123};  // a first line wider than the deck list
    QWidget window_;
    CountingList* List2_ = new CountingList(&window_);
    CountingList* List3_ = new CountingList(&window_);
    DeckListViews* views_ = new DeckListViews(List2_, List3_, new QLineEdit(&window_), &window_);
};

struct ListRow {
    bool CountList;  // List3, else List2
    int Row;
};

// Rows far apart, so that the clicked list has scrolled before the click.
TEST_F(DeckListViewsTest, ClickSelectsTheLineInBothListsAtOneTopLine) {
    for (const ListRow test : {ListRow{false, 2}, {true, 39}, {false, 25}}) {
        SCOPED_TRACE(::testing::Message() << (test.CountList ? "List3 " : "List2 ") << test.Row);
        Click(test.CountList ? List3_ : List2_, test.Row);
        ExpectInStep(test.Row);
    }
}

TEST_F(DeckListViewsTest, ScrollingOneListScrollsTheOther) {
    for (const ListRow top : {ListRow{true, 31}, {false, 8}}) {
        (top.CountList ? List3_ : List2_)->verticalScrollBar()->setValue(top.Row);
        EXPECT_EQ(TopLine(List2_), top.Row);
        EXPECT_EQ(TopLine(List3_), top.Row);
    }
}

// Only the lines that differ are rewritten: the selection and the top line stay.
TEST_F(DeckListViewsTest, ChangedDeckRewritesItsLinesInPlace) {
    List2_->verticalScrollBar()->setValue(8);
    Click(List3_, 12);
    deck_.Lines[12].Count = -1;
    deck_.Lines.erase(deck_.Lines.begin() + 30);
    views_->ShowDeck(deck_);
    EXPECT_EQ(List3_->item(12)->text(), QStringLiteral("-1"));
    EXPECT_EQ(List2_->item(30)->text(), QStringLiteral("E31 霧谷の番兵"));
    EXPECT_EQ(List2_->count(), 59);
    EXPECT_EQ(List3_->count(), 59);
    AfterTheDelayedLayout();
    EXPECT_EQ(TopLine(List3_), 8);
    ExpectInStep(12);
}

TEST_F(DeckListViewsTest, LoadedDeckShowsFromTheFirstLineWithNothingSelected) {
    Click(List3_, 39);
    views_->ShowLoadedDeck(deck_);
    EXPECT_EQ(TopLine(List2_), 0);
    ExpectInStep(-1);
}

TEST_F(DeckListViewsTest, AppendedLineShowsAtOnceAndAfterTheDelayedLayout) {
    deck_.Lines.push_back({QStringLiteral("M900 新入りの鷹匠"), 1});
    views_->ShowDeck(deck_);
    views_->ScrollToEnd();
    ExpectInStep(-1, true);
    AfterTheDelayedLayout();
    ExpectInStep(-1, true);
}

TEST_F(DeckListViewsTest, SelectedLineThatIsGoneLeavesNothingSelected) {
    Click(List2_, 11);
    deck_.Lines.resize(6);  // not a neighbour either
    views_->ShowDeck(deck_);
    ExpectInStep(-1);
}

// A right press selects nothing. On the deck list it asks for the popup, even below its last
// line; on the count list it asks for nothing.
TEST_F(DeckListViewsTest, RightPressAsksForThePopupOnTheDeckListOnly) {
    deck_.Lines.resize(6);
    views_->ShowDeck(deck_);
    Click(List2_, 1);
    QSignalSpy popups(views_, &DeckListViews::PopupRequested);
    const QPoint onLine = List2_->visualItemRect(List2_->item(4)).center();
    const QPoint below(10, List2_->height() - 10);
    for (const QPoint at : {onLine, below}) {
        QTest::mouseClick(List2_->viewport(), Qt::RightButton, {}, at);
    }
    Click(List3_, 2, Qt::RightButton);
    ASSERT_EQ(popups.count(), 2);
    EXPECT_EQ(popups.at(0).at(0).toPoint(), List2_->viewport()->mapToGlobal(onLine));
    EXPECT_EQ(popups.at(1).at(0).toPoint(), List2_->viewport()->mapToGlobal(below));
    ExpectInStep(1);
}

struct CastleColour {
    qint16 Castles;
    QColor Shown;
};

TEST(DeckStatsPanel, ShowsTheCastleNumberInColourAndEachTallyInItsLabel) {
    DeckStatsPanel panel;
    const QLabel* castles = panel.findChild<QLabel*>("Label16");
    for (const CastleColour test : {CastleColour{20, Qt::black}, {19, Qt::red}}) {
        panel.ShowTallies({test.Castles});
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            EXPECT_EQ(castles->palette().color(group, QPalette::WindowText), test.Shown)
                << test.Castles;
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
