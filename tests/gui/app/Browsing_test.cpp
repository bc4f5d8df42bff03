// The card list as a user browses it: the boxes and the illustrator list it, a
// line chosen shows in the card panel, a right press copies. Which cards a
// filter lists is CardFilter_test's, the panel's texts CardPanel_test's, which
// entry of the illustrator box picks ComboPicks_test's.
#include <QClipboard>
#include <QMenu>

#include "Form1Fixture.h"
#include "files/ClipboardText.h"

namespace kestrava::test {
namespace {

class BrowsingTest : public Form1Test {
protected:
  void SetUp() override {
    Form1Test::SetUp();
    Begin();
  }
};

TEST_F(BrowsingTest, FactionBoxesUntickAll) {
  Click("Check4");
  EXPECT_FALSE(Find<QCheckBox>("Check24")->isChecked());
  EXPECT_EQ(Lines("List1"),
            QStringList({U(u"G-1 森の城"), U(u"G-2 緑の弓兵")}));
}

TEST_F(BrowsingTest, IllustratorPickedFromTheListFilters) {
  QComboBox *combo = Find<QComboBox>("Combo1");
  combo->setFocus();
  combo->setCurrentIndex(combo->findText("Aria Velden") - 1);
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(form_->SelectedIllustrator(), "Aria Velden");
  EXPECT_EQ(Lines("List1"),
            QStringList({U(u"G-2 緑の弓兵"), U(u"M-1 水の計略")}));
}

// Focus makes the first line current without choosing it: the panel and ">"
// ignore that. A key that moves the selection chooses, as a click does.
TEST_F(BrowsingTest, FocusOnTheCardListChoosesNoCard) {
  Activate();
  Find<QWidget>("Text2")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_TRUE(Find<QListWidget>("List1")->hasFocus());
  Click("Command4");
  EXPECT_EQ(Text("Label1"), U(u"カード名："));
  EXPECT_TRUE(Lines("List2").isEmpty());
  QTest::keyClick(Find<QListWidget>("List1"), Qt::Key_Down);
  EXPECT_EQ(Text("Label1"), U(u"カード名：森の城"));
}

// The click, "…", and "…" hidden for a card with one formation.
TEST_F(BrowsingTest, ClickingALineShowsTheCardAndItsTwoFormations) {
  SelectCard(0); // C-1
  EXPECT_EQ(Text("Label49"), U(u"紡錘陣形"));
  Click("Command5");
  EXPECT_EQ(Text("Label49"), U(u"包囲陣形"));
  SelectCard(2); // G-2
  EXPECT_EQ(Text("Label1"), U(u"カード名：緑の弓兵"));
  EXPECT_FALSE(Find<QPushButton>("Command5")->isVisible());
}

struct CopyCase {
  QWidget *Area;
  PopupSource Source;
  QString Copied;
};

// The popup's command copies what the area pressed shows: the card panel's
// three lines, or the deck in the deck file's columns (which are
// DeckFiles_test's), pressed below its last line.
TEST_F(BrowsingTest, RightPressCopiesWhatTheAreaShows) {
  Click("Check4");
  Add(1, "Command4"); // G-2
  const CopyCase cases[] = {
      {Find<QWidget>("Frame3"), PopupSource::CardPanel,
       U(u"カード名：緑の弓兵\r\n\r\n\r\n")},
      {Find<QListWidget>("List2")->viewport(), PopupSource::DeckList,
       DeckClipboardText(form_->CurrentDeck())},
  };
  for (const CopyCase &test : cases) {
    QTest::mousePress(test.Area, Qt::RightButton, {}, QPoint(20, 150));
    EXPECT_EQ(form_->PopupSource(), test.Source);
    ASSERT_TRUE(form_->ContextMenu()->isVisible());
    form_->ContextMenu()->actions().front()->trigger();
    form_->ContextMenu()->hide();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), test.Copied);
  }
}

} // namespace
} // namespace kestrava::test
