#include <QClipboard>
#include <QMenu>

#include "Form1Fixture.h"

namespace kestrava::test {
namespace {

QString U(const char16_t* text) {
    return QString::fromUtf16(text);
}

class BrowsingTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Start();
    }
};

TEST_F(BrowsingTest, FactionBoxesAndAll) {
    Click("Check4");
    EXPECT_EQ(Lines("List1"), QStringList({"G-1 " + U(u"森の城"), "G-2 " + U(u"緑の弓兵")}));
    Click("Check24");
    EXPECT_EQ(Lines("List1").size(), 4);  // never the lower-case code
    // A faction box unticks "ALL": only the ticked factions remain.
    Click("Check1");
    EXPECT_FALSE(Find<QCheckBox>("Check24")->isChecked());
    EXPECT_EQ(form_->Selection().SelectionPattern, "[CG]*");
    EXPECT_EQ(Lines("List1").size(), 3);
    Click("Check1");
    Click("Check4");
    EXPECT_EQ(form_->Selection().SelectionPattern, " ");
    EXPECT_TRUE(Lines("List1").isEmpty());
}

TEST_F(BrowsingTest, GroupsNarrowTheList) {
    Click("Check24");
    Click("Check12");  // 城
    EXPECT_EQ(Lines("List1"), QStringList({"G-1 " + U(u"森の城")}));
    Click("Check11");  // 計略: alternatives within a group
    EXPECT_EQ(Lines("List1").size(), 2);
    Click("Check13");  // Rare
    EXPECT_EQ(Lines("List1"), QStringList({"G-1 " + U(u"森の城")}));
    Click("Check13");
    Click("Check12");
    Click("Check11");
    Click("Check28");  // 包囲 also looks at the second formation
    EXPECT_EQ(Lines("List1"), QStringList({"C-1 " + U(u"混沌の将")}));
}

TEST_F(BrowsingTest, IllustratorPick) {
    Click("Check24");
    QComboBox* combo = Find<QComboBox>("Combo1");
    const int index = combo->findText("Aria Velden");
    ASSERT_GT(index, 0);
    combo->setFocus();
    combo->setCurrentIndex(index - 1);
    QTest::keyClick(combo, Qt::Key_Down);  // the user moves onto the entry
    EXPECT_EQ(form_->SelectedIllustrator(), "Aria Velden");
    EXPECT_EQ(combo->currentText(), "Aria Velden");
    EXPECT_EQ(Lines("List1"), QStringList({"G-2 " + U(u"緑の弓兵"), "M-1 " + U(u"水の計略")}));
    // Typing without picking filters nothing.
    combo->setEditText("nolo");
    EXPECT_EQ(form_->SelectedIllustrator(), "Aria Velden");
}

TEST_F(BrowsingTest, ClickingALineShowsTheCardAndItsFormations) {
    Click("Check1");
    SelectCard(0);
    EXPECT_EQ(Text("Label1"), U(u"カード名：混沌の将"));
    EXPECT_EQ(Text("Label4"), U(u"コスト：CC1"));
    EXPECT_EQ(Text("Label5"), U(u"種族：カオスフォーマー"));
    EXPECT_EQ(Text("Label49"), U(u"紡錘陣形"));
    EXPECT_EQ(Text("Label50"), U(u"  兵  "));
    EXPECT_EQ(Text("Label51"), U(u"兵指兵"));
    EXPECT_EQ(Text("Label52"), "      ");
    EXPECT_TRUE(Find<QPushButton>("Command5")->isVisible());
    EXPECT_EQ(Text("Label53"), "2");
    Click("Command5");
    EXPECT_EQ(Text("Label49"), U(u"包囲陣形"));
    EXPECT_EQ(Text("Label50"), U(u"兵  兵"));
    Click("Command5");
    EXPECT_EQ(Text("Label49"), U(u"紡錘陣形"));
    // The keyboard moves the selection too.
    Click("Check4");
    Click("Check1");
    QListWidget* list = Find<QListWidget>("List1");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->currentRow(), 0);
    EXPECT_EQ(Text("Label1"), U(u"カード名：森の城"));
    EXPECT_EQ(Text("Label14"), "3G");
    EXPECT_FALSE(Find<QPushButton>("Command5")->isVisible());
}

TEST_F(BrowsingTest, RightPressOnThePanelCopiesTheCard) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    QWidget* panel = Find<QWidget>("Frame3");
    QTest::mousePress(panel, Qt::RightButton, {}, QPoint(200, 100));
    EXPECT_EQ(form_->PopupSource(), 4);
    ASSERT_TRUE(form_->ContextMenu()->isVisible());
    EXPECT_EQ(form_->ContextMenu()->objectName(), "contextmenu");
    form_->ContextMenu()->actions().front()->trigger();
    form_->ContextMenu()->hide();
    EXPECT_EQ(clipboard->text(), U(u"カード名：\r\n\r\n\r\n"));

    Click("Check4");
    SelectCard(1);
    QTest::mousePress(panel, Qt::RightButton, {}, QPoint(20, 20));
    form_->ContextMenu()->actions().front()->trigger();
    form_->ContextMenu()->hide();
    EXPECT_EQ(clipboard->text(), U(u"カード名：緑の弓兵\r\n\r\n\r\n"));
    // A left press opens nothing.
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(form_->ContextMenu()->isVisible());
}

}  // namespace
}  // namespace kestrava::test
