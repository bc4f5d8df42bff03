// The program's start: the card list first, then a deck a crash left and the deck named on the
// command line; without a card list the file dialog asks for one and the decks wait for it.
#include <QProcess>

#include <optional>

#include "Form1Fixture.h"

namespace kestrava::test {
namespace {

// A deck of two fixture cards, three castles and one commander.
class StartWithDeckTest : public Form1Test {
  protected:
    // A fresh main window started with cardList and deck.
    void StartWith(const QString& cardList, const QString& deck) {
        form_.reset();
        catalogue_ = CardCatalogue();
        NewForm();
        Main(catalogue_, *form_, cardList, deck);
    }
    void CloseDialog() {
        QTest::mouseClick(form_->Files().FileDialog()->findChild<QPushButton*>("Command2"),
                          Qt::LeftButton);
    }

    const QString deckPath_ = DeckFile(
        U(u"森のデッキ.dek"), {U(u"森のデッキ"), U(u"G-1 森の城  × 3"), U(u"C-1 混沌の将  × 1")});
    const QString missing_ = CardListPathIn(dir_.filePath("elsewhere"));
    const QString unreadable_ = "/proc/self/mem";
};

struct StartCase {
    const char* Name;
    QString CardList;
    std::optional<QString> Opened;  // what the dialog asking for a card list loads; "": closed
    QString StatusBefore;           // the status line while that dialog asks
    QString Status;                 // once all is done: the deck's load when it was read
};

QString Loaded(const QString& path) {
    return "Load " + path;
}
QString Failed(const QString& path) {
    return "Load " + path + QString::fromUtf16(u" (失敗)");
}

// The deck is read after the card list, counted against its cards. No deck is read against no
// cards: a card list that cannot be read keeps its failure on the status line, and one the
// dialog must ask for holds the deck back until the dialog has loaded one.
TEST_F(StartWithDeckTest, OpensTheDeckOnceACardListIsLoaded) {
    const QString folder = QDir::toNativeSeparators(dir_.path());  // there, but no file
    const StartCase cases[] = {
        {"cards and deck", cardListPath_, {}, {}, Loaded(deckPath_)},
        {"cards unreadable", unreadable_, {}, {}, Failed(unreadable_)},
        {"cards from the dialog", missing_, cardListPath_, Loaded(missing_), Loaded(deckPath_)},
        {"a folder for cards", folder, cardListPath_, Failed(folder), Loaded(deckPath_)},
        {"dialog closed", missing_, "", Loaded(missing_), Failed(deckPath_)},
        {"unreadable from the dialog", missing_, unreadable_, Loaded(missing_),
         Failed(unreadable_)},
    };
    for (const StartCase& test : cases) {
        SCOPED_TRACE(test.Name);
        StartWith(test.CardList, deckPath_);
        EXPECT_TRUE(form_->isVisible());
        Form2* dialog = form_->Files().FileDialog();
        ASSERT_EQ(dialog != nullptr, test.Opened.has_value());
        if (test.Opened) {
            EXPECT_EQ(Text("Label24"), test.StatusBefore);
            EXPECT_TRUE(Lines("List2").isEmpty());
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));  // over the main window
            EXPECT_EQ(dialog->windowTitle(), "File Open");
            test.Opened->isEmpty() ? CloseDialog() : EnterPath(*test.Opened);
            EXPECT_EQ(form_->Files().FileDialog(), nullptr);
        }
        EXPECT_EQ(Text("Label24"), QDir::toNativeSeparators(test.Status));
        EXPECT_TRUE(Lines("List1").isEmpty());  // until a box is ticked
        EXPECT_EQ(Lines("List2") << Text("Label16"),
                  test.Status == Loaded(deckPath_)
                      ? QStringList({U(u"G-1 森の城"), U(u"C-1 混沌の将"), "3"})
                      : QStringList({"0"}));
    }
}

// The child half of the crash test: edits a deck, says so once its copy is written, and waits
// to be killed.
TEST_F(StartWithDeckTest, CrashChild) {
    const QString folder = qEnvironmentVariable("KESTRAVA_CRASH_CHILD");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "run by CrashLeavesACopyOfferedOnceThereAreCards";
    }
    NewForm(folder);
    Begin();
    Add(0, "Command2");
    Add(2, "Command4");
    QTest::keyClicks(Find<QLineEdit>("Text2"), "crash");
    TRY_ASSERT(!QDir(folder).isEmpty());
    printf("COPIED\n");
    fflush(stdout);
    QEventLoop().exec();
}

// A deck a killed program left is offered once the dialog has loaded a card list, as the deck
// named on the command line is (when a closed dialog holds both back is the table's above).
// Enter restores it; the command line's deck then asks before it replaces the restored one.
TEST_F(StartWithDeckTest, CrashLeavesACopyOfferedOnceThereAreCards) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KESTRAVA_CRASH_CHILD", dir_.filePath("recovery"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=StartWithDeckTest.CrashChild"});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return child.readAllStandardOutput().contains("COPIED") ||
                   child.state() == QProcess::NotRunning;
        },
        60000));
    child.kill();  // SIGKILL: no destructor, no normal close, its lock left behind
    ASSERT_TRUE(child.waitForFinished());
    StartWith(missing_, deckPath_);
    answers_ << "Enter"
             << "CancelButton";
    EnterPath(cardListPath_);
    EXPECT_EQ(Lines("List2") + Lines("List3") << DeckName(),
              QStringList({U(u"C-1 混沌の将"), U(u"G-2 緑の弓兵"), "4", "1", "crash"}));
}

}  // namespace
}  // namespace kestrava::test
