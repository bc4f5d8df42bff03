// The search box as a user types into it: the card list follows, Esc, Ctrl+F, Enter and Down.
// Which cards a search lists, whatever form the text is typed in, is CardSearch_test's.
#include <QMenuBar>

#include "Form1Fixture.h"

namespace kestrava::test {
namespace {

class SearchTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        WriteBytes(cardListPath_,
                   CardListBytes(FixtureCardLines() << CardLine("E-1", U(u"カーバンクル"))));
        Start();
        Activate();
        box_ = Find<QLineEdit>("SearchBox");
    }
    // Into the box, each character a key of its own; Japanese as an input method hands it over.
    void KeyIn(const QString& text) {
        box_->setFocus(Qt::MouseFocusReason);
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, box_, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    QLineEdit* box_ = nullptr;
};

TEST_F(SearchTest, SitsInTheMenuBarAndLeavesTheWindowAsItWas) {
    EXPECT_EQ(box_->placeholderText(), U(u"カード検索 (Ctrl+F)"));
    QMenuBar* bar = form_->menuBar();
    EXPECT_TRUE(bar->cornerWidget()->isAncestorOf(box_));
    EXPECT_TRUE(bar->rect().contains(QRect(box_->mapTo(bar, QPoint(0, 0)), box_->size())));
    QMenuBar bare;  // the same menus without the box
    bare.addActions(bar->actions());
    EXPECT_EQ(bar->height(), bare.sizeHint().height());
    EXPECT_EQ(form_->centralWidget()->geometry(), QRect(0, bar->height(), 670, 557));
    EXPECT_EQ(form_->height(), bar->height() + 557);
}

// The words narrow what the ticked boxes list; Esc empties the box and brings that list back.
TEST_F(SearchTest, TypingNarrowsTheListEscBringsItBack) {
    Click("Check4");
    KeyIn(U(u"森"));
    EXPECT_EQ(Lines("List1"), QStringList({U(u"G-1 森の城")}));
    QTest::keyClick(box_, Qt::Key_Escape);
    EXPECT_TRUE(box_->text().isEmpty());
    EXPECT_EQ(Lines("List1"), QStringList({U(u"G-1 森の城"), U(u"G-2 緑の弓兵")}));
}

// From anywhere, with the text chosen: what is typed next replaces it.
TEST_F(SearchTest, CtrlFFocusesTheBoxReadyToRetype) {
    KeyIn(U(u"森"));
    QListWidget* list = Find<QListWidget>("List1");
    list->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(box_->hasFocus());
    KeyIn(U(u"計略"));
    EXPECT_EQ(Lines("List1"), QStringList({U(u"M-1 水の計略")}));
}

// The first line found is chosen, as a click would, and the list has the focus.
TEST_F(SearchTest, EnterOrDownGoesOnToTheFirstLineFound) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Down}) {
        box_->clear();
        KeyIn(U(u"かーばんくる"));
        QTest::keyClick(box_, key);
        EXPECT_TRUE(Find<QListWidget>("List1")->hasFocus()) << key;
        EXPECT_EQ(Text("Label1"), U(u"カード名：カーバンクル")) << key;
    }
}

// Words unchanged, the list is too: the line chosen stays chosen.
TEST_F(SearchTest, ABlankTypedKeepsTheChosenLine) {
    KeyIn(U(u"の"));
    SelectCard(1);
    KeyIn(U(u" ・"));
    EXPECT_EQ(Find<QListWidget>("List1")->selectedItems().size(), 1);
}

}  // namespace
}  // namespace kestrava::test
