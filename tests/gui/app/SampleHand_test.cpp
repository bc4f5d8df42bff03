// The sample-hand window as the main window opens and feeds it: one window from the デッキ menu
// or Ctrl+H, draws that stop at an empty pile, a fresh deal when the deck's cards change, the
// main deck's odds and cost curve, drawn cards shown in the main window's card panel. The piles
// and which change deals afresh are SampleHand_test's, the odds and the curve
// DeckAnalysis_test's, the places Placement_test's.
#if KESTRAVA_CHARTS
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#endif
#include <QGroupBox>
#include <QTableWidget>

#include "Form1Fixture.h"
#include "sample/ui/Form4.h"

namespace kestrava::test {
namespace {

class SampleHandTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Begin();
    }
    Form4* Open() {
        Trigger("SampleHand");
        return form_->SampleHandWindow();
    }
    void PressCtrlH() {
        Activate();
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

// Ctrl+H over an open window keeps its hand; opened again after Close, it deals afresh. A draw
// stops at an empty pile, whose draws then wait for its シャフル, which takes back its own area's
// cards only.
TEST_F(SampleHandTest, CtrlHShowsOneWindowWhoseAreasDrawAndDealApart) {
    Add(0, "Command2");  // C-1 x4
    Add(1, "Command2");  // G-1 x4, castles
    PressCtrlH();
    QPointer<Form4> window = form_->SampleHandWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), U(u"サンプル手札"));
    Press("Command3");  // Draw 7 in both areas
    Press("Command7");
    PressCtrlH();
    EXPECT_EQ(Drawn("List1").size() + Drawn("List2").size(), 8);
    EXPECT_EQ(Left("Label1") + Left("Label2"), U(u"残り 0枚残り 0枚"));
    for (const char* draw : {"Command1", "Command2", "Command3", "Command5"}) {
        EXPECT_FALSE(In<QPushButton>(draw)->isEnabled()) << draw;
    }
    Press("Command4");  // the main deck's シャフル
    EXPECT_EQ(Drawn("List1").size() + Drawn("List2").size(), 4);
    EXPECT_EQ(Left("Label1") + Left("Label2"), U(u"残り 4枚残り 0枚"));
    EXPECT_TRUE(In<QPushButton>("Command1")->isEnabled());
    Press("Command8");  // the castles'
    EXPECT_EQ(Drawn("List1").size() + Drawn("List2").size(), 0);
    Press("Command2");  // Draw 3
    Press("Command9");  // Close
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Open(), window);
    EXPECT_TRUE(window->isVisible() && Drawn("List1").isEmpty());
    EXPECT_EQ(form_->findChildren<Form4*>().size(), 1);
}

// Where it was last closed, in this program or one before, while its title bar is on a screen;
// beside the main window, as the first time, once it is not.
TEST_F(SampleHandTest, OpensWhereItWasLastClosed) {
    const QPoint beside = Open()->pos();
    for (const QPoint place : {QPoint(40, 30), QPoint(5000, 100)}) {
        const bool onScreen = place.x() < 5000;
        form_->SampleHandWindow()->move(place);
        Press("Command9");  // Close
        NewForm();
        Begin();
        EXPECT_EQ(Open()->pos(), onScreen ? place : beside);
    }
}

// Opened on C-1 x4 (a 指揮官 of cost 2 + 1) and four castles, a card drawn; then G-2 (a 兵力 of
// cost 0) and M-1 (of no type of the table) come, four of each: the hand is dealt afresh, and
// 1 - C(8,7)/C(12,7) = 1 - 8/792.
TEST_F(SampleHandTest, ChangedDeckIsDealtAfreshWithItsOddsAndCostCurve) {
    Add(0, "Command2");
    Add(1, "Command2");
    Open();
    Press("Command1");
    Add(2, "Command2");
    Add(3, "Command2");
    EXPECT_EQ(Drawn("List1") << Left("Label1"), QStringList({U(u"残り 12枚")}));
    const QTableWidget* grid = In<QTableWidget>("Grid1");
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < 3; ++column) {
            cells << grid->item(row, column)->text();
        }
    }
    EXPECT_EQ(In<QGroupBox>("Frame3")->title(), U(u"初手7枚で1枚以上引く確率"));
    EXPECT_EQ(cells, QStringList({U(u"指揮官"), "4", "99.0%", U(u"兵力"), "4", "99.0%"}));
#if KESTRAVA_CHARTS
    // The chart plugin's view, as the window loaded it.
    const auto* chart = In<QWidget>("Chart1")->findChild<QChartView*>();
    ASSERT_NE(chart, nullptr);
    const QBarSet* bars =
        qobject_cast<QBarSeries*>(chart->chart()->series().front())->barSets().front();
    QList<qreal> counts = {8, 0, 0, 4};
    counts.resize(kCostBuckets);
    for (int i = 0; i < bars->count(); ++i) {
        EXPECT_EQ(bars->at(i), counts[i]) << i;
    }
#else
    // Without the plugin the widget draws the bars: the first bucket's (8) and the fourth's
    // (4), none for the second (0).
    QWidget* chart = In<QWidget>("Chart1");
    const QImage shot = chart->grab().toImage();
    const QColor bar = chart->palette().color(QPalette::Highlight);
    const auto drawn = [&](int bucket) {
        for (int x = shot.width() * bucket / kCostBuckets;
             x < shot.width() * (bucket + 1) / kCostBuckets; ++x) {
            for (int y = 0; y < shot.height(); ++y) {
                if (shot.pixelColor(x, y) == bar) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(drawn(0));
    EXPECT_FALSE(drawn(1));
    EXPECT_TRUE(drawn(3));
#endif
}

// A drawn card is the one the main window's panel then shows, "…" turning its formations; one the
// card list does not know leaves nothing of the card shown before: no texts, no formation grid,
// no "…".
TEST_F(SampleHandTest, ClickingADrawnCardShowsItInTheCardPanel) {
    Use("DeckOpen", DeckFile("deck.dek", {"d", U(u"C-1 混沌の将  × 1"), U(u"X-9 謎の札  × 1")}));
    Open();
    Press("Command2");  // both cards
    auto* drawn = In<QListWidget>("List1");
    const int unknown = drawn->item(0)->text().startsWith("X-9") ? 0 : 1;
    ClickRow(drawn, 1 - unknown);
    EXPECT_EQ(Text("Label1"), U(u"カード名：混沌の将"));
    Click("Command5");  // its second formation
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
