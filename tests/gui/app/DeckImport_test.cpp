// A deck list pasted with Ctrl+Shift+V: nothing changes until "読み込む" and the unsaved-deck
// question allow it, and then the deck is replaced as one step Ctrl+Z takes back.
#include <QAction>
#include <QClipboard>
#include <QTableWidget>

#include "Form1Fixture.h"
#include "files/ui/ImportDialog.h"
#include "support/TryExpect.h"

namespace kestrava::test {
namespace {

class DeckImportTest : public Form1Test {
  protected:
    ImportDialog* PressCtrlShiftV() {
        form_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        QTest::keyClick(form_.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        return form_->findChild<ImportDialog*>();
    }
    void Press(ImportDialog* dialog, const char* button) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    QStringList Deck() {
        return Lines("List2") + Lines("List3") << Find<QLineEdit>("Text1")->text();
    }
};

TEST_F(DeckImportTest, ReplacesTheDeckAsOneStepAfterTheQuestion) {
    Start();
    Click("Check24");
    SelectCard(0);
    Click("Command2");  // C-1 x4, unsaved
    QTest::keyClicks(Find<QLineEdit>("Text2"), "mine");
    const QStringList before = Deck();
    const QString undo = form_->findChild<QAction*>("Undo")->text();
    QGuiApplication::clipboard()->setText(U(u"2 G-1\r\nM-1 水の計略 × 3\r\n謎のカード\r\n"));

    ImportDialog* dialog = PressCtrlShiftV();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QTableWidget*>("TableLines")->item(2, 1)->text(), U(u"不明"));
    Press(dialog, "CommandCancel");
    TRY_EXPECT(form_->findChild<ImportDialog*>() == nullptr);
    EXPECT_EQ(Deck(), before);

    dialog = PressCtrlShiftV();
    ASSERT_NE(dialog, nullptr);
    auto* unknown =
        qobject_cast<QComboBox*>(dialog->findChild<QTableWidget*>("TableLines")->cellWidget(2, 2));
    unknown->setFocus();
    QTest::keyClick(unknown, Qt::Key_Down);  // 残す
    answers_ << "CancelButton";
    Press(dialog, "CommandImport");
    EXPECT_EQ(Deck(), before);
    EXPECT_TRUE(dialog->isVisible());  // with the user's choices

    answers_ << "DiscardButton";
    Press(dialog, "CommandImport");
    TRY_EXPECT(form_->findChild<ImportDialog*>() == nullptr);
    EXPECT_EQ(Deck(), QStringList({"G-1 " + U(u"森の城"), "M-1 " + U(u"水の計略"),
                                   U(u"? 謎のカード"), "2", "3", "1", "6"}));
    EXPECT_EQ(Find<QLineEdit>("Text2")->text(), "mine");
    EXPECT_EQ(Text("Label16"), "2");
    EXPECT_TRUE(form_->Document().IsUnsaved());

    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    QTest::keyClick(form_.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Deck(), before);
    EXPECT_EQ(form_->findChild<QAction*>("Undo")->text(), undo);
}

}  // namespace
}  // namespace kestrava::test
