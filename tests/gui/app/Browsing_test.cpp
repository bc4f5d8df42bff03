// The card list as a user browses it: the boxes, the illustrator and the search box list it, a
// line chosen shows in the card panel, a right press copies. Which cards a filter or a search
// lists, whatever form the text is typed in, is CardFilter_test's and CardSearch_test's, the
// panel's texts CardPanel_test's, which entry of the illustrator box picks ComboPicks_test's.
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

#include "Form1Fixture.h"
#include "files/ClipboardText.h"

namespace kestrava::test {
namespace {

class BrowsingTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Begin();
        Activate();
    }
    QLineEdit* Box() const { return Find<QLineEdit>("SearchBox"); }
    // Into the search box, each character a key of its own, as an input method hands it over.
    void KeyIn(const QString& text) {
        Box()->setFocus(Qt::MouseFocusReason);
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, Box(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
};

// The box starts on "ALL", no entry current.
TEST_F(BrowsingTest, IllustratorPickedFromTheListFilters) {
    QComboBox* combo = Find<QComboBox>("Combo1");
    EXPECT_EQ(combo->count(), 68);
    EXPECT_EQ(combo->currentText(), "ALL");
    EXPECT_EQ(combo->currentIndex(), -1);
    combo->setFocus();
    combo->setCurrentIndex(combo->findText("Aria Velden") - 1);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(form_->SelectedIllustrator(), "Aria Velden");
    EXPECT_EQ(Lines("List1"), QStringList({U(u"G-2 緑の弓兵"), U(u"M-1 水の計略")}));
}

// Focus makes the first line current without choosing it: the panel and ">" ignore that. A key
// that moves the selection chooses, as a click does.
TEST_F(BrowsingTest, FocusOnTheCardListChoosesNoCard) {
    Find<QWidget>("Text2")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(Find<QListWidget>("List1")->hasFocus());
    Click("Command4");
    EXPECT_EQ(Text("Label1"), U(u"カード名："));
    EXPECT_TRUE(Lines("List2").isEmpty());
    QTest::keyClick(Find<QListWidget>("List1"), Qt::Key_Down);
    EXPECT_EQ(Text("Label1"), U(u"カード名：森の城"));
}

struct CopyCase {
    QWidget* Area;
    PopupSource Source;
    QString Copied;
};

// The popup's command copies what the area pressed shows: the card panel's three lines, or the
// deck in the deck file's columns (which are DeckFiles_test's), pressed below its last line.
TEST_F(BrowsingTest, RightPressCopiesWhatTheAreaShows) {
    Click("Check4");
    Add(1, "Command4");  // G-2
    const CopyCase cases[] = {
        {Find<QWidget>("Frame3"), PopupSource::CardPanel, U(u"カード名：緑の弓兵\r\n\r\n\r\n")},
        {Find<QListWidget>("List2")->viewport(), PopupSource::DeckList,
         DeckClipboardText(form_->CurrentDeck())},
    };
    for (const CopyCase& test : cases) {
        QTest::mousePress(test.Area, Qt::RightButton, {}, QPoint(20, 150));
        EXPECT_EQ(form_->PopupSource(), test.Source);
        ASSERT_TRUE(form_->ContextMenu()->isVisible());
        form_->ContextMenu()->actions().front()->trigger();
        form_->ContextMenu()->hide();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), test.Copied);
    }
}

TEST_F(BrowsingTest, SearchBoxSitsInTheMenuBarAndLeavesTheWindowAsItWas) {
    EXPECT_EQ(Box()->placeholderText(), U(u"カード検索 (Ctrl+F)"));
    QMenuBar* bar = form_->menuBar();
    EXPECT_TRUE(bar->cornerWidget()->isAncestorOf(Box()));
    EXPECT_TRUE(bar->rect().contains(QRect(Box()->mapTo(bar, QPoint(0, 0)), Box()->size())));
    QMenuBar bare;  // the same menus without the box
    bare.addActions(bar->actions());
    EXPECT_EQ(bar->height(), bare.sizeHint().height());
    EXPECT_EQ(form_->centralWidget()->geometry(), QRect(0, bar->height(), 670, 557));
    EXPECT_EQ(form_->height(), bar->height() + 557);
}

// The words narrow what the ticked boxes list (a faction's box unticks "ALL"); Esc empties the
// box and brings that list back.
TEST_F(BrowsingTest, TypingNarrowsTheListEscBringsItBack) {
    Click("Check4");
    KeyIn(U(u"森"));
    EXPECT_EQ(Lines("List1"), QStringList({U(u"G-1 森の城")}));
    QTest::keyClick(Box(), Qt::Key_Escape);
    EXPECT_TRUE(Box()->text().isEmpty());
    EXPECT_EQ(Lines("List1"), QStringList({U(u"G-1 森の城"), U(u"G-2 緑の弓兵")}));
}

// From anywhere, with the text chosen: what is typed next replaces it.
TEST_F(BrowsingTest, CtrlFFocusesTheSearchBoxReadyToRetype) {
    KeyIn(U(u"森"));
    Find<QListWidget>("List1")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Find<QListWidget>("List1"), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(Box()->hasFocus());
    KeyIn(U(u"計略"));
    EXPECT_EQ(Lines("List1"), QStringList({U(u"M-1 水の計略")}));
}

// The first line found is chosen, as a click would, and the list has the focus.
TEST_F(BrowsingTest, EnterOrDownInTheSearchBoxGoesOnToTheFirstLineFound) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Down}) {
        Box()->clear();
        KeyIn(U(u"水"));
        QTest::keyClick(Box(), key);
        EXPECT_TRUE(Find<QListWidget>("List1")->hasFocus()) << key;
        EXPECT_EQ(Text("Label1"), U(u"カード名：水の計略")) << key;
    }
}

// Words unchanged, the list is too: the line chosen stays chosen.
TEST_F(BrowsingTest, ABlankTypedKeepsTheChosenLine) {
    KeyIn(U(u"の"));
    SelectCard(1);
    KeyIn(U(u" ・"));
    EXPECT_EQ(Find<QListWidget>("List1")->selectedItems().size(), 1);
}

}  // namespace
}  // namespace kestrava::test
