// The sample-hand window as the main window opens and feeds it: one window from the デッキ menu
// or Ctrl+H, draws that stop at an empty pile, a fresh deal on every change of the deck's cards,
// the main deck's odds and cost curve, drawn cards shown in the main window's card panel.
#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QTableWidget>

#include <functional>

#include "Form1Fixture.h"
#include "files/ui/FileWindows.h"
#include "platform/TextFile.h"
#include "sample/ui/Form4.h"

namespace kestrava::test {
namespace {

class SampleHandTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Begin();
    }
    // Removes from a deck line: Command3 one copy, Command1 the line.
    void Remove(int row, const char* button) {
        ClickRow(Find<QListWidget>("List2"), row);
        Click(button);
    }
    Form4* Open() {
        form_->findChild<QAction*>("SampleHand")->trigger();
        return form_->SampleHandWindow();
    }
    void PressCtrlH() {
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        QTest::keySequence(form_.get(), QKeySequence("Ctrl+H"));
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

// Ctrl+H over an open window keeps its hand; opened again after Close, it deals afresh.
TEST_F(SampleHandTest, MenuAndCtrlHShowOneWindow) {
    Add(0, "Command2");  // C-1 x4
    PressCtrlH();
    QPointer<Form4> window = form_->SampleHandWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), U(u"サンプル手札"));
    Press("Command2");  // Draw 3
    PressCtrlH();
    EXPECT_EQ(Drawn("List1").size(), 3);
    Press("Command9");  // Close
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Open(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(Drawn("List1").isEmpty());
    EXPECT_EQ(form_->findChildren<Form4*>().size(), 1);
}

// Where it was last closed, in this program or one before, while its title bar is on a screen;
// beside the main window, as the first time, once it is not.
TEST_F(SampleHandTest, OpensWhereItWasLastClosed) {
    const QPoint beside = Open()->pos();
    const std::tuple<const char*, QPoint, QPoint> cases[] = {
        {"moved", {40, 30}, {40, 30}},
        {"off every screen", {5000, 100}, beside},
        {"moved again", {10, 20}, {10, 20}},
    };
    for (const auto& [name, place, expected] : cases) {
        form_->SampleHandWindow()->move(place);
        Press("Command9");  // Close
        NewForm();
        Begin();
        EXPECT_EQ(Open()->pos(), expected) << name;
    }
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

// Each シャフル takes back its own area's cards only; drawn dry, its draws work again.
TEST_F(SampleHandTest, ShuffleDealsItsOwnAreaAfresh) {
    Add(0, "Command2");  // C-1 x4
    Add(1, "Command2");  // G-1 x4, castles
    Open();
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"Command4", "List1", "Label1", "Command1", "List2"},
        {"Command8", "List2", "Label2", "Command5", "List1"}};
    for (const auto& [shuffle, list, label, draw, other] : cases) {
        Press("Command2");  // Draw 3 in both areas
        Press("Command6");
        const QStringList kept = Drawn(other);
        Press(shuffle);
        EXPECT_TRUE(Drawn(list).isEmpty()) << shuffle;
        EXPECT_EQ(Left(label), U(u"残り 4枚")) << shuffle;
        EXPECT_TRUE(In<QPushButton>(draw)->isEnabled()) << shuffle;
        EXPECT_EQ(Drawn(other), kept) << shuffle;
    }
}

// From C-1 x4 and a castle G-1, 3 and 1 drawn: a change that gives other cards (or other odds)
// deals both areas afresh, one that leaves them as they were keeps the hand.
TEST_F(SampleHandTest, ChangedCardsDealAfreshUnchangedOnesKeepTheHand) {
    const QString deck = dir_.filePath("deck.dek"), cards = dir_.filePath("cards.csv");
    WriteBytes(deck, EncodeCp932Lines({"d", U(u"G-2 緑の弓兵  × 2"), U(u"G-1 森の城  × 3")}));
    WriteBytes(cards, CardListBytes({CardLine("G-1", U(u"森の城"), {{7, U(u"兵力")}})}));
    const std::tuple<const char*, std::function<void()>, QString, QString> cases[] = {
        {">", [&] { Add(3, "Command4"); }, U(u"残り 5枚"), U(u"残り 1枚")},
        {"> a castle", [&] { Add(1, "Command4"); }, U(u"残り 4枚"), U(u"残り 2枚")},
        {"<", [&] { Remove(0, "Command3"); }, U(u"残り 3枚"), U(u"残り 1枚")},
        {"<<", [&] { Remove(0, "Command1"); }, U(u"残り 0枚"), U(u"残り 1枚")},
        {"deck file", [&] { Use("DeckOpen", deck); }, U(u"残り 2枚"), U(u"残り 3枚")},
        {"card list: G-1 no castle", [&] { Use("Open", cards); }, U(u"残り 5枚"), U(u"残り 0枚")},
        {">> at the limit: kept", [&] { Add(0, "Command2"); }, {}, {}},
        {"the same card list: kept", [&] { Use("Open", cardListPath_); }, {}, {}},
    };
    for (const auto& [name, change, mainLeft, castleLeft] : cases) {
        NewForm();
        Begin();
        Add(0, "Command2");  // C-1 x4
        Add(1, "Command4");  // G-1
        Open();
        Press("Command2");  // Draw 3
        Press("Command5");  // Draw 1
        const QStringList main = Drawn("List1"), castles = Drawn("List2");
        change();
        const bool kept = mainLeft.isEmpty();
        EXPECT_EQ(Drawn("List1"), kept ? main : QStringList()) << name;
        EXPECT_EQ(Drawn("List2"), kept ? castles : QStringList()) << name;
        EXPECT_EQ(Left("Label1"), kept ? U(u"残り 1枚") : mainLeft) << name;
        EXPECT_EQ(Left("Label2"), kept ? U(u"残り 0枚") : castleLeft) << name;
    }
}

// C-1 is a 指揮官 of cost 2 + 1, G-2 a 兵力 of cost 0, M-1 of no type of the table; castles
// count for neither. 1 - C(8,7)/C(12,7) = 1 - 8/792.
TEST_F(SampleHandTest, OddsTableAndCostChartFollowTheDeck) {
    const std::tuple<std::vector<int>, QString, QStringList, QList<qreal>> cases[] = {
        {{0, 1}, U(u"初手4枚で1枚以上引く確率"), {U(u"指揮官"), "4", "100.0%"}, {0, 0, 0, 4}},
        {{2, 3},
         U(u"初手7枚で1枚以上引く確率"),
         {U(u"指揮官"), "4", "99.0%", U(u"兵力"), "4", "99.0%"},
         {8, 0, 0, 4}},
    };
    for (const auto& [rows, caption, cells, counts] : cases) {
        for (int row : rows) {
            Add(row, "Command2");
        }
        Open();
        const QTableWidget* grid = In<QTableWidget>("Grid1");
        QStringList shown;
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = 0; column < 3; ++column) {
                shown << grid->item(row, column)->text();
            }
        }
        EXPECT_EQ(In<QGroupBox>("Frame3")->title(), caption);
        EXPECT_EQ(shown, cells);
        // The chart plugin's view, as the window loaded it.
        const auto* chart = In<QWidget>("Chart1")->findChild<QChartView*>();
        ASSERT_NE(chart, nullptr);
        const QBarSet* bars =
            qobject_cast<QBarSeries*>(chart->chart()->series().front())->barSets().front();
        QList<qreal> bucketCounts = counts;
        bucketCounts.resize(kCostBuckets);
        for (int i = 0; i < bars->count(); ++i) {
            EXPECT_EQ(bars->at(i), bucketCounts[i]) << i;
        }
    }
}

// A drawn card is the one "…" of the main window's panel then turns; one the card list does
// not know leaves nothing of the card shown before: no texts, no formation grid, no "…".
TEST_F(SampleHandTest, ClickingADrawnCardShowsItInTheCardPanel) {
    const QString deck = dir_.filePath("deck.dek");
    WriteBytes(deck, EncodeCp932Lines({"d", U(u"C-1 混沌の将  × 1"), U(u"G-1 森の城  × 1"),
                                       U(u"X-9 謎の札  × 1")}));
    Use("DeckOpen", deck);
    Open();
    Press("Command2");  // both main-deck cards
    Press("Command5");  // the castle
    ClickRow(In<QListWidget>("List2"), 0);
    EXPECT_EQ(Text("Label1"), U(u"カード名：森の城"));
    auto* drawn = In<QListWidget>("List1");
    const int unknown = drawn->item(0)->text().startsWith("X-9") ? 0 : 1;
    ClickRow(drawn, 1 - unknown);
    EXPECT_EQ(Text("Label1"), U(u"カード名：混沌の将"));
    Click("Command5");
    EXPECT_EQ(Text("Label49"), U(u"包囲陣形"));
    ClickRow(drawn, unknown);
    for (QLabel* label : Find<QWidget>("Frame3")->findChildren<QLabel*>()) {
        EXPECT_EQ(label->text(),
                  label->objectName() == "Label1" ? U(u"カード名：X-9 謎の札") : QString())
            << label->objectName().toStdString();
    }
    EXPECT_FALSE(Find<QPushButton>("Command5")->isVisible());
}

}  // namespace
}  // namespace kestrava::test
