// The sample-hand window as the main window opens and feeds it: one window from the デッキ menu,
// draws that stop at an empty pile, a reshuffle on a deck change, the main deck's odds and cost
// curve, drawn cards shown in the main window's card information panel.
#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QTableWidget>

#include "Form1Fixture.h"
#include "sample/ui/CostChartView.h"
#include "sample/ui/Form4.h"

namespace kestrava::test {
namespace {

class SampleHandTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Start();
        Click("Check24");  // C-1, G-1 (castle), G-2, M-1
    }
    // Adds a card of the card list: Command2 four copies, Command4 one.
    void Add(int row, const char* button) {
        SelectCard(row);
        Click(button);
    }
    Form4* Open() {
        form_->findChild<QAction*>("SampleHand")->trigger();
        return form_->SampleHandWindow();
    }
    // Controls of the sample-hand window share names with the main window's: look inside it.
    template <typename T>
    T* In(const char* name) const {
        T* widget = form_->SampleHandWindow()->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Press(const char* button) { QTest::mouseClick(In<QPushButton>(button), Qt::LeftButton); }
    QStringList Drawn(const char* list) const { return Rows(In<QListWidget>(list)); }
    QString Left(const char* label) const { return In<QLabel>(label)->text(); }
};

TEST_F(SampleHandTest, MenuShowsOneWindow) {
    QPointer<Form4> window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), U(u"サンプル手札"));
    Press("Command9");  // Close
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Open(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(form_->findChildren<Form4*>().size(), 1);
}

TEST_F(SampleHandTest, QuitClosesTheWindow) {
    Form4* window = Open();
    form_->findChild<QAction*>("Quit")->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(SampleHandTest, DrawSevenThenOneEmptiesASixCardPile) {
    Add(0, "Command2");  // C-1 x4
    Add(2, "Command4");  // G-2 x2
    Add(2, "Command4");
    Add(1, "Command2");  // G-1 x4, castles
    Open();
    EXPECT_EQ(Left("Label1"), U(u"残り 6枚"));
    EXPECT_EQ(Left("Label2"), U(u"残り 4枚"));
    Press("Command3");  // Draw 7
    Press("Command1");  // Draw 1
    QStringList drawn = Drawn("List1");
    drawn.sort();
    const QString c1 = "C-1 " + U(u"混沌の将"), g2 = "G-2 " + U(u"緑の弓兵");
    EXPECT_EQ(drawn, QStringList({c1, c1, c1, c1, g2, g2}));
    EXPECT_EQ(Left("Label1"), U(u"残り 0枚"));
    for (const char* button : {"Command1", "Command2", "Command3"}) {
        EXPECT_FALSE(In<QPushButton>(button)->isEnabled()) << button;
    }
    EXPECT_TRUE(In<QPushButton>("Command5")->isEnabled());  // the castles are untouched
    EXPECT_TRUE(Drawn("List2").isEmpty());
}

// An add at the copy limit changes nothing, so the hand stays.
TEST_F(SampleHandTest, DeckChangeReshufflesBothAreas) {
    Add(0, "Command2");  // C-1 x4
    Add(1, "Command2");  // G-1 x4, castles
    Open();
    Press("Command2");  // Draw 3
    Press("Command5");  // a castle
    Add(0, "Command4");
    EXPECT_EQ(Drawn("List1").size(), 3);
    Add(3, "Command4");  // M-1
    EXPECT_TRUE(Drawn("List1").isEmpty());
    EXPECT_TRUE(Drawn("List2").isEmpty());
    EXPECT_EQ(Left("Label1"), U(u"残り 5枚"));
}

TEST_F(SampleHandTest, OddsTableAndCostChartShowTheMainDeck) {
    Add(0, "Command2");  // C-1 x4, 指揮官, cost 2 + 1
    Add(2, "Command2");  // G-2 x4, 兵力, cost 0
    Add(3, "Command2");  // M-1 x4, no type of the table
    Add(1, "Command2");  // castles count for neither
    const QTableWidget* grid = Open()->findChild<QTableWidget*>("Grid1");
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < 3; ++column) {
            cells << grid->item(row, column)->text();
        }
    }
    // 1 - C(8,7)/C(12,7) = 1 - 8/792
    EXPECT_EQ(cells, QStringList({U(u"指揮官"), "4", "99.0%", U(u"兵力"), "4", "99.0%"}));
    const QBarSet* bars =
        qobject_cast<QBarSeries*>(In<CostChartView>("Chart1")->chart()->series().front())
            ->barSets()
            .front();
    QList<qreal> counts;
    for (int i = 0; i < bars->count(); ++i) {
        counts << bars->at(i);
    }
    EXPECT_EQ(counts, QList<qreal>({8, 0, 0, 4, 0, 0, 0, 0}));
}

// The drawn card is the one "…" of the main window's panel then turns.
TEST_F(SampleHandTest, ClickingADrawnCardFillsTheCardPanel) {
    Add(0, "Command4");  // C-1, two formations
    Add(1, "Command2");  // G-1 x4, castles
    Open();
    Press("Command1");
    Press("Command5");
    ClickRow(In<QListWidget>("List2"), 0);
    EXPECT_EQ(Text("Label1"), U(u"カード名：森の城"));
    ClickRow(In<QListWidget>("List1"), 0);
    EXPECT_EQ(Text("Label1"), U(u"カード名：混沌の将"));
    Click("Command5");
    EXPECT_EQ(Text("Label49"), U(u"包囲陣形"));
}

}  // namespace
}  // namespace kestrava::test
