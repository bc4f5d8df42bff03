#include <QAction>
#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

#include "Form1Fixture.h"
#include "app/Version.h"
#include "app/frmSplash.h"
#include "files/ui/FileWindows.h"
#include "platform/TextFile.h"

namespace kestrava::test {
namespace {

class FileMenuTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        Click("Check24");
        SelectCard(1);  // G-1
        Click("Command2");
        Find<QLineEdit>("Text2")->insert(U(u"森のデッキ"));  // as typed: the deck takes it
    }
    // Opens the dialog by its shortcut, enters the path and presses Enter.
    void UseKeys(const QKeySequence& keys, const QString& path) {
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        QTest::keySequence(form_.get(), keys);
        EnterPath(path);
    }
    void Answer(const char* button) {
        Form3* confirm = form_->Files().Confirmation();
        ASSERT_NE(confirm, nullptr);
        QTest::mouseClick(confirm->findChild<QPushButton*>(button), Qt::LeftButton);
    }
};

TEST_F(FileMenuTest, SaveThenOpenADeck) {
    const QString path = Path(U(u"デッキ 1.dek"));
    UseKeys(QKeySequence("Ctrl+S"), path);
    EXPECT_EQ(Text("Label24"), "Save " + path);
    EXPECT_EQ(form_->Files().FileDialog(), nullptr);
    EXPECT_TRUE(
        ReadBytes(path).startsWith(EncodeCp932Lines({U(u"森のデッキ"), QString(80, u'-')})));

    SelectCard(0);
    Click("Command4");
    QTest::keyClicks(Find<QLineEdit>("Text2"), "other");
    answers_ << "DiscardButton";
    UseKeys(QKeySequence("Ctrl+O"), path);
    EXPECT_EQ(Text("Label24"), "Load " + path);
    EXPECT_EQ(Lines("List2"), QStringList({"G-1 " + U(u"森の城")}));
    EXPECT_EQ(Find<QLineEdit>("Text2")->text(), U(u"森のデッキ"));
    EXPECT_EQ(Text("Label16"), "4");
}

// Which answer writes is the file dialogs' test; here that yes writes the page itself.
TEST_F(FileMenuTest, ConfirmedHtmlSaveWritesThePage) {
    const QString path = Path("deck.dek");
    WriteBytes(path, "old contents");
    Use("print_HTML", path);
    EXPECT_EQ(form_->Files().Confirmation()->findChild<QLabel*>("Label1")->text(),
              U(u"ファイル：") + path);
    Answer("Command1");  // はい
    EXPECT_TRUE(ReadBytes(path).startsWith("<HTML><HEAD><TITLE>"));
}

// A file that opens but cannot be read fails the load: the deck or the card list stays whole.
TEST_F(FileMenuTest, ReadErrorFailsTheLoadAndKeepsEverything) {
    const QString unreadable = "/proc/self/mem";
    for (const char* action : {"DeckOpen", "Open"}) {
        Use(action, unreadable);
        EXPECT_EQ(Text("Label24"), "Load " + unreadable + U(u" (失敗)")) << action;
    }
    EXPECT_EQ(Lines("List2"), QStringList({"G-1 " + U(u"森の城")}));
    EXPECT_EQ(Find<QLineEdit>("Text2")->text(), U(u"森のデッキ"));
    EXPECT_EQ(Text("Label16"), "4");
    EXPECT_EQ(catalogue_.CardCount(), 5);
}

// Left open, the question outlives later operations; its failure marks its own file.
TEST_F(FileMenuTest, ConfirmationMarksItsOwnFailure) {
    const QString pipe = Path("pipe.dek");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString deck = Path("other.dek");
    WriteBytes(deck, EncodeCp932Lines({"other", "G-2 x  × 1"}));
    Use("Save", pipe);
    ASSERT_NE(form_->Files().Confirmation(), nullptr);
    Use("DeckOpen", deck);
    EXPECT_EQ(Text("Label24"), "Load " + deck);
    Answer("Command1");  // はい
    EXPECT_EQ(Text("Label24"), "Save " + pipe + U(u" (失敗)"));
    EXPECT_TRUE(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());  // still the pipe
}

// A deck kept across another card list counts as the cards its lines now stand for.
TEST_F(FileMenuTest, AnotherCardListRecountsTheStatistics) {
    const QString path = Path("cards.csv");
    WriteBytes(path, CardListBytes({CardLine("G-1", U(u"森の城"), {{4, "Common"}, {7, "兵力"}})}));
    EXPECT_EQ(Text("Label16"), "4");  // G-1 was a castle
    Use("Open", path);
    EXPECT_EQ(Text("Label16"), "0");
    EXPECT_EQ(Text("Label19"), "4");
    Find<QListWidget>("List2")->setCurrentRow(0);
    Click("Command1");  // <<
    for (const char* label : {"Label16", "Label19", "Label28"}) {
        EXPECT_EQ(Text(label), "0") << label;
    }
}

TEST_F(FileMenuTest, QuitLeavesDialogsOpenAboutIsOneWindow) {
    EXPECT_FALSE(form_->findChild<QAction*>("DeckAdd")->isEnabled());
    form_->findChild<QAction*>("DeckOpen")->trigger();
    answers_ << "DiscardButton";
    form_->findChild<QAction*>("Quit")->trigger();
    EXPECT_FALSE(form_->isVisible());
    EXPECT_TRUE(form_->Files().FileDialog()->isVisible());

    form_->findChild<QAction*>("About")->trigger();
    QPointer<frmSplash> about = form_->Splash();
    form_->findChild<QAction*>("About")->trigger();
    ASSERT_EQ(form_->Splash(), about);
    EXPECT_EQ(about->findChild<QLabel*>("lblVersion")->text(),
              U(u"Version " KESTRAVA_VERSION u"α"));
    QTest::keyClick(about, Qt::Key_Shift);  // a modifier alone keeps it
    EXPECT_TRUE(about->isVisible());
    QTest::keyClick(about, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

}  // namespace
}  // namespace kestrava::test
