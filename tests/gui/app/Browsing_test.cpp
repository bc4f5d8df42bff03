#include <QClipboard>
#include <QMenu>

#include "Form1Fixture.h"

namespace kestrava::test {
namespace {

class BrowsingTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Start();
    }
    QString CopyFrom(QWidget* area, QPoint where) {
        QTest::mousePress(area, Qt::RightButton, {}, where);
        EXPECT_TRUE(form_->ContextMenu()->isVisible());
        form_->ContextMenu()->actions().front()->trigger();
        form_->ContextMenu()->hide();
        return QGuiApplication::clipboard()->text();
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

TEST_F(BrowsingTest, IllustratorPickFiltersTypingDoesNot) {
    Click("Check24");
    QComboBox* combo = Find<QComboBox>("Combo1");
    combo->setFocus();
    combo->setCurrentIndex(combo->findText("Aria Velden") - 1);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentText(), "Aria Velden");
    EXPECT_EQ(Lines("List1"), QStringList({"G-2 " + U(u"緑の弓兵"), "M-1 " + U(u"水の計略")}));
    combo->setEditText("nolo");
    EXPECT_EQ(form_->SelectedIllustrator(), "Aria Velden");
}

TEST_F(BrowsingTest, ClickingALineShowsTheCardAndItsTwoFormations) {
    Click("Check1");
    SelectCard(0);
    EXPECT_EQ(Text("Label4"), U(u"コスト：CC1"));
    EXPECT_EQ(Text("Label49"), U(u"紡錘陣形"));
    EXPECT_EQ(Text("Label51"), U(u"兵指兵"));
    EXPECT_EQ(Text("Label53"), "2");
    Click("Command5");
    EXPECT_EQ(Text("Label49"), U(u"包囲陣形"));
    EXPECT_EQ(Text("Label50"), U(u"兵  兵"));
    // The keyboard moves the selection too; a card with one formation hides "…".
    Click("Check4");
    Click("Check1");
    Find<QListWidget>("List1")->setFocus();
    QTest::keyClick(Find<QListWidget>("List1"), Qt::Key_Down);
    EXPECT_EQ(Text("Label1"), U(u"カード名：森の城"));
    EXPECT_FALSE(Find<QPushButton>("Command5")->isVisible());
}

TEST_F(BrowsingTest, PanelRightPressCopiesTheShownCard) {
    QWidget* panel = Find<QWidget>("Frame3");
    EXPECT_EQ(CopyFrom(panel, {200, 100}), U(u"カード名：\r\n\r\n\r\n"));
    EXPECT_EQ(form_->PopupSource(), 4);
    Click("Check4");
    SelectCard(1);
    EXPECT_EQ(CopyFrom(panel, {20, 20}), U(u"カード名：緑の弓兵\r\n\r\n\r\n"));
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(form_->ContextMenu()->isVisible());
}

}  // namespace
}  // namespace kestrava::test
