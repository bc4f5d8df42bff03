#include <QAction>
#include <QDir>
#include <QFileInfo>

#include "Form1Fixture.h"
#include "app/frmSplash.h"
#include "files/ui/FileWindows.h"
#include "files/ui/Form2.h"
#include "files/ui/Form3.h"
#include "platform/TextFile.h"

namespace kestrava::test {
namespace {

QString U(const char16_t* text) {
    return QString::fromUtf16(text);
}

class FileMenuTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        Click("Check24");
        SelectCard(1);  // G-1
        Click("Command2");
        Find<QLineEdit>("Text2")->setText(U(u"森のデッキ"));
    }
    // Presses a shortcut on the main window and returns the dialog it opened.
    Form2* Shortcut(QKeySequence keys) {
        form_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        QTest::keySequence(form_.get(), keys);
        return form_->Files().FileDialog();
    }
    void Enter(Form2* dialog, const QString& path) {
        auto* text = dialog->findChild<QLineEdit*>("Text1");
        text->selectAll();
        text->insert(path);  // as pasted: the key simulator types ASCII only
        QTest::keyClick(text, Qt::Key_Return);
        QApplication::processEvents();
    }
    Form2* Menu(const char* action) {
        form_->findChild<QAction*>(action)->trigger();
        return form_->Files().FileDialog();
    }
};

TEST_F(FileMenuTest, SaveThenOpenADeck) {
    const QString path = QDir::toNativeSeparators(dir_.filePath(U(u"デッキ 1.dek")));
    Form2* dialog = Shortcut(QKeySequence("Ctrl+S"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "File Save (Deck)");
    Enter(dialog, path);
    EXPECT_EQ(Text("Label24"), "Save " + path);
    EXPECT_EQ(form_->Files().FileDialog(), nullptr);
    const QByteArray saved = ReadBytes(path);
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_TRUE(saved.startsWith(EncodeCp932Lines({U(u"森のデッキ"), QString(80, u'-')})));

    // Change the deck, then open the file again.
    SelectCard(0);
    Click("Command4");
    Find<QLineEdit>("Text2")->setText("other");
    dialog = Shortcut(QKeySequence("Ctrl+O"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "File Open (Deck)");
    Enter(dialog, path);
    EXPECT_EQ(Text("Label24"), "Load " + path);
    EXPECT_EQ(Lines("List2"), QStringList({"G-1 " + U(u"森の城")}));
    EXPECT_EQ(Find<QLineEdit>("Text2")->text(), U(u"森のデッキ"));
    EXPECT_EQ(Find<QLineEdit>("Text1")->text(), "4");
    EXPECT_EQ(Text("Label16"), "4");
}

TEST_F(FileMenuTest, OverwriteIsConfirmed) {
    const QString path = QDir::toNativeSeparators(dir_.filePath("deck.dek"));
    WriteBytes(path, "old contents");
    Enter(Shortcut(QKeySequence("Ctrl+S")), path);
    EXPECT_EQ(Text("Label24"), "Save " + path);
    Form3* confirm = form_->Files().Confirmation();
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(confirm->findChild<QLabel*>("Label1")->text(), U(u"ファイル：") + path);
    QTest::mouseClick(confirm->findChild<QPushButton*>("Command2"), Qt::LeftButton);  // いいえ
    QApplication::processEvents();
    EXPECT_EQ(ReadBytes(path), "old contents");

    Enter(Menu("print_HTML"), path);
    confirm = form_->Files().Confirmation();
    ASSERT_NE(confirm, nullptr);
    QTest::mouseClick(confirm->findChild<QPushButton*>("Command1"), Qt::LeftButton);  // はい
    QApplication::processEvents();
    EXPECT_TRUE(ReadBytes(path).startsWith("<HTML><HEAD><TITLE>"));
}

TEST_F(FileMenuTest, FailuresAreMarkedAndLoseNothing) {
    const QString missing = QDir::toNativeSeparators(dir_.filePath("no/such/dir/deck.dek"));
    Enter(Shortcut(QKeySequence("Ctrl+S")), missing);
    EXPECT_EQ(Text("Label24"), "Save " + missing + U(u" (失敗)"));

    Enter(Shortcut(QKeySequence("Ctrl+O")), missing);
    EXPECT_EQ(Text("Label24"), "Load " + missing + U(u" (失敗)"));
    EXPECT_EQ(Lines("List2").size(), 1);

    // A card list that cannot be opened keeps the table and refreshes the list from it.
    Enter(Menu("Open"), missing);
    EXPECT_EQ(Text("Label24"), "Load " + missing + U(u" (失敗)"));
    EXPECT_EQ(catalogue_.CardCount, 5);
    EXPECT_EQ(Lines("List1").size(), 4);
}

TEST_F(FileMenuTest, OpenReadsAnyFileAsACardList) {
    const QString path = QDir::toNativeSeparators(dir_.filePath("cards.txt"));
    WriteBytes(path, CardListBytes({CardLine("E-7", U(u"新しい札"))}));
    Enter(Menu("Open"), path);
    EXPECT_EQ(catalogue_.CardCount, 1);
    EXPECT_EQ(Lines("List1"), QStringList({"E-7 " + U(u"新しい札")}));
    EXPECT_EQ(Lines("List2").size(), 1);  // the deck stays
}

TEST_F(FileMenuTest, RelativeNamesResolveAgainstTheCurrentDirectory) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    Enter(Shortcut(QKeySequence("Ctrl+S")), "relative.dek");
    QDir::setCurrent(previous);
    EXPECT_TRUE(QFileInfo::exists(dir_.filePath("relative.dek")));
}

TEST_F(FileMenuTest, DeckAddDisabledQuitLeavesDialogsOpen) {
    EXPECT_FALSE(form_->findChild<QAction*>("DeckAdd")->isEnabled());
    Form2* dialog = Menu("DeckOpen");
    ASSERT_NE(dialog, nullptr);
    form_->findChild<QAction*>("Quit")->trigger();
    EXPECT_FALSE(form_->isVisible());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FileMenuTest, AboutOpensOneWindowThatEscCloses) {
    form_->findChild<QAction*>("About")->trigger();
    QPointer<frmSplash> first = form_->Splash();
    form_->findChild<QAction*>("About")->trigger();
    EXPECT_EQ(form_->Splash(), first);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->findChild<QLabel*>("lblVersion")->text(), U(u"Version 0.0.8α"));
    EXPECT_EQ(first->findChild<QLabel*>("lblProductName")->text(), "Brelvik");
    QTest::keyClick(first, Qt::Key_Escape);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
}

}  // namespace
}  // namespace kestrava::test
