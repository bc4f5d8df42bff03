#include <QClipboard>
#include <QMenu>

#include <tuple>

#include "Form1Fixture.h"
#include "files/ClipboardText.h"

namespace kestrava::test {
namespace {

class BrowsingTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Start();
    }
};

TEST_F(BrowsingTest, FactionBoxesUntickAll) {
    Click("Check4");
    EXPECT_EQ(Lines("List1"), QStringList({"G-1 " + U(u"森の城"), "G-2 " + U(u"緑の弓兵")}));
    Click("Check24");
    EXPECT_EQ(Lines("List1").size(), 4);  // never the lower-case code
    Click("Check1");
    EXPECT_FALSE(Find<QCheckBox>("Check24")->isChecked());
    EXPECT_EQ(Lines("List1").size(), 3);
    Click("Check1");
    Click("Check4");
    EXPECT_TRUE(Lines("List1").isEmpty());
}

TEST_F(BrowsingTest, IllustratorPickedFromTheListFilters) {
    Click("Check24");
    QComboBox* combo = Find<QComboBox>("Combo1");
    combo->setFocus();
    combo->setCurrentIndex(combo->findText("Aria Velden") - 1);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(Lines("List1"), QStringList({"G-2 " + U(u"緑の弓兵"), "M-1 " + U(u"水の計略")}));
}

// Leaving the field, or Enter on text that is no entry as it stands, is no pick.
TEST_F(BrowsingTest, IllustratorFieldFiltersOnlyOnEnterOnAnExactEntry) {
    Click("Check24");
    SelectCard(0);
    const QStringList all = Lines("List1");
    const QStringList aria = {"G-2 " + U(u"緑の弓兵"), "M-1 " + U(u"水の計略")};
    // Typed ("": the field is only entered and left), the key, the pick, the lines listed.
    const std::tuple<const char*, Qt::Key, QString, QStringList> cases[] = {
        {"", Qt::Key_Tab, "ALL", all},
        {"aria velden", Qt::Key_Tab, "ALL", all},
        {"Aria Velden", Qt::Key_Tab, "ALL", all},
        {"aria velden", Qt::Key_Return, "ALL", all},
        {"Aria Veld", Qt::Key_Return, "ALL", all},
        {"Aria Velden", Qt::Key_Return, "Aria Velden", aria}};
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    QComboBox* combo = Find<QComboBox>("Combo1");
    QListWidget* list = Find<QListWidget>("List1");
    for (const auto& [typed, key, illustrator, lines] : cases) {
        SCOPED_TRACE(std::string(typed) + (key == Qt::Key_Tab ? " Tab" : " Enter"));
        combo->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(combo->hasFocus());
        if (*typed != '\0') {
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo, typed);
        }
        QTest::keyClick(combo, key);
        list->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(form_->SelectedIllustrator(), illustrator);
        EXPECT_EQ(Lines("List1"), lines);
        // No refresh ran: the line chosen before is still chosen.
        EXPECT_EQ(list->selectedItems().size(), lines == all ? 1 : 0);
    }
}

// Focus makes the first line current without choosing it: the panel and ">" ignore that.
TEST_F(BrowsingTest, FocusOnTheCardListChoosesNoCard) {
    Click("Check24");
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    QListWidget* list = Find<QListWidget>("List1");
    Find<QWidget>("Text2")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(list->hasFocus());
    EXPECT_EQ(Text("Label1"), U(u"カード名："));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    Click("Command4");
    EXPECT_TRUE(Lines("List2").isEmpty());
    // A key that moves the selection chooses, as a click does.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(Text("Label1"), U(u"カード名：森の城"));
}

// The panel's texts are the panel logic's test; here the click, "…", and "…" hidden for a card
// with one formation.
TEST_F(BrowsingTest, ClickingALineShowsTheCardAndItsTwoFormations) {
    Click("Check24");
    SelectCard(0);  // C-1
    EXPECT_EQ(Text("Label49"), U(u"紡錘陣形"));
    Click("Command5");
    EXPECT_EQ(Text("Label49"), U(u"包囲陣形"));
    SelectCard(2);  // G-2
    EXPECT_EQ(Text("Label1"), U(u"カード名：緑の弓兵"));
    EXPECT_FALSE(Find<QPushButton>("Command5")->isVisible());
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

}  // namespace
}  // namespace kestrava::test
