// The sample-hand window as the main window opens and feeds it: one window from the デッキ menu,
// draws that stop at an empty pile, reshuffles on every deck change, the main deck's odds and
// cost curve, drawn cards shown in the card information panel by mouse and keyboard.
#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QDir>
#include <QGroupBox>
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
    QStringList Drawn(const char* list) const {
        QStringList lines;
        const QListWidget* widget = In<QListWidget>(list);
        for (int i = 0; i < widget->count(); ++i) {
            lines << widget->item(i)->text();
        }
        return lines;
    }
    QString Left(const char* label) const { return In<QLabel>(label)->text(); }
    void ClickDrawn(const char* list, int row) {
        QListWidget* widget = In<QListWidget>(list);
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                          widget->visualItemRect(widget->item(row)).center());
    }
    // Every text of the card information panel, the shown card's index and "…".
    QStringList Panel() const {
        QStringList texts;
        for (const QLabel* label : Find<QWidget>("Frame3")->findChildren<QLabel*>()) {
            texts << label->objectName() + "=" + label->text();
        }
        texts << Text("Label53") << QString::number(Find<QWidget>("Command5")->isVisible());
        return texts;
    }
};

TEST_F(SampleHandTest, MenuAndShortcutShowOneWindow) {
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    QLineEdit* name = Find<QLineEdit>("Text2");
    name->setFocus();
    QTest::keySequence(name, QKeySequence("Ctrl+H"));  // the deck name box does not take it
    QPointer<Form4> window = form_->SampleHandWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), U(u"サンプル手札"));

    Press("Command9");  // Close
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Open(), window);
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
    EXPECT_TRUE(In<QPushButton>("Command4")->isEnabled());  // シャフル
    EXPECT_TRUE(In<QPushButton>("Command5")->isEnabled());  // the castles are untouched
    EXPECT_TRUE(Drawn("List2").isEmpty());

    Press("Command4");
    EXPECT_TRUE(Drawn("List1").isEmpty());
    EXPECT_EQ(Left("Label1"), U(u"残り 6枚"));
    EXPECT_TRUE(In<QPushButton>("Command3")->isEnabled());
}

TEST_F(SampleHandTest, DeckChangesReshuffleBothAreas) {
    Add(0, "Command2");  // C-1 x4
    Add(1, "Command2");  // G-1 x4, castles
    Open();
    Press("Command2");   // Draw 3
    Press("Command5");   // a castle
    Add(0, "Command4");  // at the copy limit: no change, the hand stays
    EXPECT_EQ(Drawn("List1").size(), 3);
    const QString deckPath = QDir(dir_.path()).filePath("hand.dek");
    ASSERT_TRUE(form_->SaveDeckFile(deckPath));

    Add(3, "Command4");  // M-1
    EXPECT_TRUE(Drawn("List1").isEmpty());
    EXPECT_TRUE(Drawn("List2").isEmpty());
    EXPECT_EQ(Left("Label1"), U(u"残り 5枚"));

    Press("Command1");
    ASSERT_TRUE(form_->LoadDeckFile(deckPath));
    EXPECT_TRUE(Drawn("List1").isEmpty());
    EXPECT_EQ(Left("Label1"), U(u"残り 4枚"));

    // Another card list where G-1 is a troop: its copies move to the main pile.
    QStringList lines = FixtureCardLines();
    lines[1] = CardLine("G-1", U(u"森の城"), {{4, "Rare"}, {7, U(u"兵力")}});
    const QString listPath = QDir(dir_.path()).filePath("other.csv");
    WriteBytes(listPath, CardListBytes(lines));
    Press("Command5");
    ASSERT_TRUE(form_->LoadCardList(listPath));
    EXPECT_EQ(Left("Label1"), U(u"残り 8枚"));
    EXPECT_EQ(Left("Label2"), U(u"残り 0枚"));
    EXPECT_TRUE(Drawn("List2").isEmpty());
    EXPECT_FALSE(In<QPushButton>("Command5")->isEnabled());
}

TEST_F(SampleHandTest, OddsAndCostCurveOfTheMainDeck) {
    Add(0, "Command2");  // C-1 x4, 指揮官, cost 2 + 1
    Add(2, "Command2");  // G-2 x4, 兵力, cost 0
    Add(3, "Command2");  // M-1 x4, no type of the table
    Add(1, "Command2");  // castles count for neither
    Open();
    const QTableWidget* grid = In<QTableWidget>("Grid1");
    QStringList rows;
    for (int row = 0; row < grid->rowCount(); ++row) {
        rows << QStringList{grid->item(row, 0)->text(), grid->item(row, 1)->text(),
                            grid->item(row, 2)->text()}
                    .join(' ');
    }
    // 1 - C(8,7)/C(12,7) = 1 - 8/792
    EXPECT_EQ(rows, QStringList({U(u"指揮官 4 99.0%"), U(u"兵力 4 99.0%")}));
    EXPECT_EQ(In<QGroupBox>("Frame3")->title(), U(u"初手7枚で1枚以上引く確率"));
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

TEST_F(SampleHandTest, ClickingADrawnCardFillsTheCardPanel) {
    Add(0, "Command2");  // C-1 x4, two formations
    Add(1, "Command2");  // G-1 x4
    Open();
    Press("Command5");
    ClickDrawn("List2", 0);
    const QStringList fromHand = Panel();
    EXPECT_EQ(Text("Label1"), U(u"カード名：森の城"));
    SelectCard(3);  // M-1, then G-1 in the card list
    SelectCard(1);
    EXPECT_EQ(fromHand, Panel());

    Press("Command4");  // シャフル
    Press("Command3");
    const int c1 = Drawn("List1").indexOf("C-1 " + U(u"混沌の将"));
    ASSERT_GE(c1, 0);
    QListWidget* main = In<QListWidget>("List1");
    main->setCurrentRow(c1 == 0 ? 1 : c1 - 1, QItemSelectionModel::NoUpdate);
    main->setFocus();
    QTest::keyClick(main, c1 == 0 ? Qt::Key_Up : Qt::Key_Down);  // the keyboard picks it
    EXPECT_EQ(Text("Label49"), U(u"紡錘陣形"));
    Click("Command5");  // "…" of the main window's panel
    EXPECT_EQ(Text("Label49"), U(u"包囲陣形"));
}

}  // namespace
}  // namespace kestrava::test
