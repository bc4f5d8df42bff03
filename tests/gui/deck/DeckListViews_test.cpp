// The deck list and the count list driven as a user drives them: selection and scrolling copied
// across, the jump to the end after an append, the pop-up request on a right press.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>

#include "deck/ui/DeckListViews.h"

namespace kestrava {
namespace {

// A deck of count lines with made-up cards, counts cycling 1 to 4.
Deck LongDeck(int count) {
    Deck deck;
    for (int i = 0; i < count; ++i) {
        const qint16 copies = static_cast<qint16>(i % 4 + 1);
        deck.Lines.push_back(
            {QStringLiteral("E%1 霧谷の番兵%1").arg(i, 3, 10, QChar(u'0')), copies});
        deck.Total = static_cast<qint16>(deck.Total + copies);
    }
    // Wider than the deck list: it must not cost the deck list a line that the count list shows.
    if (count > 0) {
        deck.Lines[0].Text += QString(40, QChar(u'霧'));
    }
    return deck;
}

int TopLine(const QListWidget* list) {
    return list->indexAt(QPoint(2, 2)).row();
}

bool LastLineShows(const QListWidget* list) {
    const QRect last = list->visualItemRect(list->item(list->count() - 1));
    return list->viewport()->rect().contains(last);
}

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

// The lists placed as in the main window, in pixels.
class DeckListViewsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Window = std::make_unique<QWidget>();
        Window->resize(670, 557);
        List2 = new QListWidget(Window.get());
        List2->setObjectName(QStringLiteral("List2"));
        List2->setGeometry(340, 124, 289, 196);
        List3 = new QListWidget(Window.get());
        List3->setObjectName(QStringLiteral("List3"));
        List3->setGeometry(628, 124, 37, 196);
        Text1 = new QLineEdit(Window.get());
        Text1->setGeometry(628, 322, 37, 18);
        Views = new DeckListViews(List2, List3, Text1, Window.get());
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    }

    void Click(QListWidget* list, int row, Qt::MouseButton button = Qt::LeftButton) {
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), button, {},
                          list->visualItemRect(list->item(row)).center());
    }

    std::unique_ptr<QWidget> Window;
    QListWidget* List2 = nullptr;
    QListWidget* List3 = nullptr;
    QLineEdit* Text1 = nullptr;
    DeckListViews* Views = nullptr;
};

TEST_F(DeckListViewsTest, ShowsLinesCountsAndTotal) {
    Deck deck = LongDeck(3);
    deck.Lines[1].Count = -1;
    deck.Total = 123;
    Views->ShowDeck(deck);
    ASSERT_EQ(List2->count(), 3);
    ASSERT_EQ(List3->count(), 3);
    EXPECT_EQ(List2->item(2)->text(), QStringLiteral("E002 霧谷の番兵002"));
    EXPECT_EQ(List3->item(0)->text(), QStringLiteral("1"));
    EXPECT_EQ(List3->item(1)->text(), QStringLiteral("-1"));
    EXPECT_EQ(Text1->text(), QStringLiteral("123"));
    EXPECT_TRUE(Text1->isReadOnly());
    EXPECT_EQ(Views->SelectedIndex(), -1);

    Views->ShowDeck(Deck{});
    EXPECT_EQ(List2->count(), 0);
    EXPECT_EQ(List3->count(), 0);
    EXPECT_EQ(Text1->text(), QStringLiteral("0"));
}

TEST_F(DeckListViewsTest, SelectionIsCopiedBothWays) {
    Views->ShowDeck(LongDeck(40));
    struct Step {
        QListWidget* Source;
        int Row;
    };
    const Step steps[] = {{List2, 2}, {List3, 4}, {List2, 0}, {List3, 39}, {List2, 25}};
    for (const Step& step : steps) {
        Click(step.Source, step.Row);
        EXPECT_EQ(SelectedRow(List2), step.Row);
        EXPECT_EQ(SelectedRow(List3), step.Row);
        EXPECT_EQ(Views->SelectedIndex(), step.Row);
        EXPECT_EQ(TopLine(List2), TopLine(List3));
    }
    // The keyboard moves the selection too.
    List3->setFocus();
    QTest::keyClick(List3, Qt::Key_Down);
    EXPECT_EQ(SelectedRow(List2), 26);
    QTest::keyClick(List2, Qt::Key_Up);
    QTest::keyClick(List2, Qt::Key_Up);
    EXPECT_EQ(SelectedRow(List3), 24);
}

TEST_F(DeckListViewsTest, ScrollingEitherListMovesTheOther) {
    Views->ShowDeck(LongDeck(60));
    QCoreApplication::processEvents();

    List2->verticalScrollBar()->setValue(17);
    EXPECT_EQ(TopLine(List2), 17);
    EXPECT_EQ(TopLine(List3), 17);

    List3->verticalScrollBar()->setValue(31);
    EXPECT_EQ(TopLine(List3), 31);
    EXPECT_EQ(TopLine(List2), 31);

    // A wheel turn downwards over the count list.
    const QPoint centre = List3->viewport()->rect().center();
    QWheelEvent wheel(centre, List3->viewport()->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(List3->viewport(), &wheel);
    EXPECT_GT(TopLine(List3), 31);
    EXPECT_EQ(TopLine(List2), TopLine(List3));

    // Keys that scroll the deck list.
    Click(List2, TopLine(List2));
    QTest::keyClick(List2, Qt::Key_End);
    EXPECT_TRUE(LastLineShows(List2));
    EXPECT_TRUE(LastLineShows(List3));
    EXPECT_EQ(TopLine(List2), TopLine(List3));
    QTest::keyClick(List2, Qt::Key_Home);
    EXPECT_EQ(TopLine(List2), 0);
    EXPECT_EQ(TopLine(List3), 0);
    QTest::keyClick(List2, Qt::Key_PageDown);
    QTest::keyClick(List2, Qt::Key_PageDown);
    EXPECT_GT(TopLine(List2), 0);
    EXPECT_EQ(TopLine(List2), TopLine(List3));
}

TEST_F(DeckListViewsTest, AppendToALongDeckThenScrollToEndShowsTheLastLines) {
    Deck deck = LongDeck(50);
    Views->ShowDeck(deck);
    QCoreApplication::processEvents();
    ASSERT_EQ(TopLine(List2), 0);

    deck.Lines.push_back({QStringLiteral("M900 新入りの鷹匠"), 1});
    Views->ShowDeck(deck);
    Views->ScrollToEnd();
    EXPECT_TRUE(LastLineShows(List2));
    EXPECT_TRUE(LastLineShows(List3));
    EXPECT_EQ(TopLine(List2), TopLine(List3));
    EXPECT_GT(TopLine(List2), 30);

    // Still there once the delayed layout has run.
    QTest::qWait(20);
    EXPECT_TRUE(LastLineShows(List2));
    EXPECT_TRUE(LastLineShows(List3));
    EXPECT_EQ(TopLine(List2), TopLine(List3));
}

TEST_F(DeckListViewsTest, RefreshKeepsSelectionAndTopLine) {
    Deck deck = LongDeck(60);
    Views->ShowDeck(deck);
    QCoreApplication::processEvents();
    List2->verticalScrollBar()->setValue(8);
    Click(List3, 12);
    ASSERT_EQ(TopLine(List2), 8);

    deck.Lines[12].Count = 3;
    deck.Lines.erase(deck.Lines.begin() + 30);
    Views->ShowDeck(deck);
    QCoreApplication::processEvents();
    EXPECT_EQ(Views->SelectedIndex(), 12);
    EXPECT_EQ(SelectedRow(List2), 12);
    EXPECT_EQ(TopLine(List2), 8);
    EXPECT_EQ(TopLine(List3), 8);
    EXPECT_EQ(List3->item(12)->text(), QStringLiteral("3"));
    EXPECT_EQ(List2->item(30)->text(), QStringLiteral("E031 霧谷の番兵031"));

    // The selected line no longer exists: nothing is selected, not a neighbour.
    deck.Lines.resize(10);
    Views->ShowDeck(deck);
    EXPECT_EQ(Views->SelectedIndex(), -1);
    EXPECT_EQ(SelectedRow(List2), -1);
}

TEST_F(DeckListViewsTest, LoadedDeckShowsFromItsFirstLineWithNothingSelected) {
    Views->ShowDeck(LongDeck(60));
    QCoreApplication::processEvents();
    List2->verticalScrollBar()->setValue(20);
    Click(List2, 25);

    Views->ShowLoadedDeck(LongDeck(45));
    QCoreApplication::processEvents();
    EXPECT_EQ(List2->count(), 45);
    EXPECT_EQ(Views->SelectedIndex(), -1);
    EXPECT_EQ(SelectedRow(List2), -1);
    EXPECT_EQ(TopLine(List2), 0);
    EXPECT_EQ(TopLine(List3), 0);
}

TEST_F(DeckListViewsTest, ClearSelectionLeavesNoLineSelected) {
    Views->ShowDeck(LongDeck(6));
    Click(List2, 3);
    ASSERT_EQ(Views->SelectedIndex(), 3);
    Views->ClearSelection();
    EXPECT_EQ(Views->SelectedIndex(), -1);
    EXPECT_EQ(SelectedRow(List2), -1);
    EXPECT_EQ(SelectedRow(List3), -1);
    QCoreApplication::processEvents();
    EXPECT_EQ(SelectedRow(List2), -1);
}

TEST_F(DeckListViewsTest, RightPressOnTheDeckListRequestsThePopup) {
    Views->ShowDeck(LongDeck(6));
    QSignalSpy popups(Views, &DeckListViews::PopupRequested);

    // Without a selection, then with one; the press selects nothing.
    for (int selected : {-1, 1}) {
        if (selected >= 0) {
            Click(List2, selected);
        }
        const QPoint at = List2->visualItemRect(List2->item(4)).center();
        QTest::mousePress(List2->viewport(), Qt::RightButton, {}, at);
        QTest::mouseRelease(List2->viewport(), Qt::RightButton, {}, at);
        ASSERT_EQ(popups.count(), 1);
        EXPECT_EQ(popups.takeFirst().at(0).toPoint(), List2->viewport()->mapToGlobal(at));
        EXPECT_EQ(Views->SelectedIndex(), selected);
        EXPECT_EQ(SelectedRow(List2), selected);
    }
    // Below the last line as well.
    QTest::mouseClick(List2->viewport(), Qt::RightButton, {},
                      QPoint(10, List2->viewport()->height() - 5));
    EXPECT_EQ(popups.count(), 1);
}

TEST_F(DeckListViewsTest, RightPressOnTheCountListDoesNothing) {
    Views->ShowDeck(LongDeck(6));
    QSignalSpy popups(Views, &DeckListViews::PopupRequested);
    Click(List3, 2);
    Click(List3, 4, Qt::RightButton);
    EXPECT_EQ(popups.count(), 0);
    EXPECT_EQ(Views->SelectedIndex(), 2);
    EXPECT_EQ(SelectedRow(List2), 2);
}

}  // namespace
}  // namespace kestrava
