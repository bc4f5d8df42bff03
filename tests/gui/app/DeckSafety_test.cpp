// Never losing a deck: the title bar marks an unsaved deck, closing or opening another deck asks
// first, every step can be undone and redone, and a crash leaves a copy the next start offers.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QWindow>

#include <functional>

#include "Form1Fixture.h"
#include "files/ui/FileWindows.h"
#include "platform/TextFile.h"
#include "support/TryExpect.h"

namespace kestrava::test {
namespace {

class DeckSafetyTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Begin();
    }
    // The title the platform shows, with the unsaved mark in place of "[*]".
    QString Title() const { return form_->windowHandle()->title(); }
    QString Undo() const { return form_->findChild<QAction*>("Undo")->text(); }
    QStringList RecoveryFiles() const {
        QStringList files;
        const QDir recovery(dir_.filePath("recovery"));
        for (const QString& copy : recovery.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            files += QDir(recovery.filePath(copy)).entryList(QDir::Files);
        }
        return files;
    }
};

struct Step {
    const char* Name;
    std::function<void()> Act;
    QString Shown;  // the title, or the undo command's caption
};

TEST_F(DeckSafetyTest, TitleMarksTheUnsavedDeck) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    EXPECT_EQ(Title(), "Kestrava Deck Builder");
    const QString saved = Path("my.dek");
    const Step steps[] = {
        {">", [&] { Add(2, "Command4"); }, "Kestrava Deck Builder*"},
        {"undo", [&] { Trigger("Undo"); }, "Kestrava Deck Builder"},
        {"name", [&] { QTest::keyClicks(Find<QLineEdit>("Text2"), "n"); },
         "Kestrava Deck Builder*"},
        {"save", [&] { Use("Save", saved); }, "my.dek - Kestrava Deck Builder"},
        {"card list", [&] { Use("Open", cardListPath_); }, "my.dek - Kestrava Deck Builder"},
        {"undo past the save", [&] { Trigger("Undo"); }, "my.dek* - Kestrava Deck Builder"},
    };
    for (const Step& step : steps) {
        step.Act();
        EXPECT_EQ(Title(), step.Shown) << step.Name;
    }
}

// キャンセル keeps the main window and the sample hand it feeds; 保存しない closes both and
// leaves no recovery copy.
TEST_F(DeckSafetyTest, CloseAsksAndCancelKeepsEveryWindow) {
    Trigger("SampleHand");
    Add(0, "Command2");
    TRY_ASSERT(!RecoveryFiles().isEmpty());
    answers_ << "CancelButton";
    Trigger("Quit");
    EXPECT_TRUE(form_->isVisible());
    EXPECT_TRUE(form_->SampleHandWindow()->isVisible());
    answers_ << "DiscardButton";
    form_->close();
    EXPECT_FALSE(form_->isVisible());
    EXPECT_FALSE(form_->SampleHandWindow()->isVisible());
    EXPECT_TRUE(QDir(dir_.filePath("recovery")).isEmpty());
}

// A file dialog opened while nothing was unsaved asks when it opens a deck: キャンセル keeps the
// deck, its copy and the dialog; 保存 without a file turns the same dialog to saving, and the
// deck chosen opens once that save is done.
TEST_F(DeckSafetyTest, DialogOpenedEarlierAsksBeforeADeckReplacesThisOne) {
    const QString other = Path("other.dek");
    WriteBytes(other, EncodeCp932Lines({"other", "M-1 " + U(u"水の計略") + "  × 2"}));
    Trigger("DeckOpen");
    Add(0, "Command2");
    TRY_ASSERT(!RecoveryFiles().isEmpty());
    answers_ << "CancelButton";
    EnterPath(other);
    EXPECT_EQ(Lines("List2"), QStringList({"C-1 " + U(u"混沌の将")}));
    EXPECT_EQ(Title(), "Kestrava Deck Builder*");
    EXPECT_FALSE(RecoveryFiles().isEmpty());
    ASSERT_NE(form_->Files().FileDialog(), nullptr);

    answers_ << "SaveButton";
    EnterPath(other);
    ASSERT_NE(form_->Files().FileDialog(), nullptr);
    EXPECT_EQ(form_->Files().FileDialog()->windowTitle(), "File Save (Deck)");
    const QString mine = Path("mine.dek");
    EnterPath(mine);
    EXPECT_TRUE(ReadBytes(mine).contains("C-1"));
    TRY_EXPECT(Lines("List2") == QStringList({"M-1 " + U(u"水の計略")}));
    EXPECT_EQ(Title(), "other.dek - Kestrava Deck Builder");
    EXPECT_TRUE(RecoveryFiles().isEmpty());
}

// A name longer than the name box holds is cut once, as the box shows it: the load stays one
// saved step.
TEST_F(DeckSafetyTest, OverlongNameLoadsAsItIsShown) {
    const QString file = Path("long.dek");
    WriteBytes(file, EncodeCp932Lines({QString(40000, u'n'), "M-1 " + U(u"水の計略") + "  × 2"}));
    Use("DeckOpen", file);
    EXPECT_EQ(Find<QLineEdit>("Text2")->text().size(), kDeckNameMaxLength);
    EXPECT_EQ(form_->CurrentDeck().DeckName, Find<QLineEdit>("Text2")->text());
    EXPECT_FALSE(form_->Document().IsUnsaved());
    EXPECT_EQ(Undo(), U(u"元に戻す (デッキ読み込み)"));
}

TEST_F(DeckSafetyTest, EveryStepUndoesAndRedoes) {
    const QString file = Path("loaded.dek");
    WriteBytes(file, EncodeCp932Lines({"loaded", "M-1 " + U(u"水の計略") + "  × 2"}));
    const auto chooseDeckLine = [&] { ClickRow(Find<QListWidget>("List2"), 0); };
    const Step steps[] = {
        {">", [&] { Add(2, "Command4"); }, U(u"元に戻す (1枚追加 G-2 緑の弓兵)")},
        {">>", [&] { Add(0, "Command2"); }, U(u"元に戻す (4枚追加 C-1 混沌の将)")},
        {"double click",
         [&] {
             QListWidget* list = Find<QListWidget>("List1");
             ClickRow(list, 1);
             QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                                list->visualItemRect(list->item(1)).center());
         },
         U(u"元に戻す (1枚追加 G-1 森の城)")},
        {"<",
         [&] {
             chooseDeckLine();
             Click("Command3");
         },
         U(u"元に戻す (1枚削除 G-2 緑の弓兵)")},
        {"<<",
         [&] {
             chooseDeckLine();
             Click("Command1");
         },
         U(u"元に戻す (行削除 C-1 混沌の将)")},
        {"name", [&] { QTest::keyClicks(Find<QLineEdit>("Text2"), "abc"); },
         U(u"元に戻す (デッキ名変更)")},
        {"load", [&] { Use("DeckOpen", file); }, U(u"元に戻す (デッキ読み込み)")},
    };
    const auto shown = [&] {
        return QStringList{Find<QLineEdit>("Text2")->text(), Text("Label16"), Text("Label28")} +
               Lines("List2") + Lines("List3");
    };
    std::vector<QStringList> states{shown()};
    for (const Step& step : steps) {
        step.Act();
        EXPECT_EQ(Undo(), step.Shown) << step.Name;
        states.push_back(shown());
    }
    // Ctrl+Z in the name box goes through the one history, not the box's own.
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    Find<QLineEdit>("Text2")->setFocus();
    for (auto state = states.rbegin() + 1; state != states.rend(); ++state) {
        QTest::keyClick(Find<QLineEdit>("Text2"), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(shown(), *state);
        EXPECT_TRUE(Find<QListWidget>("List2")->selectedItems().isEmpty());
    }
    EXPECT_FALSE(form_->findChild<QAction*>("Undo")->isEnabled());
    for (auto state = states.begin() + 1; state != states.end(); ++state) {
        QTest::keyClick(Find<QLineEdit>("Text2"), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(shown(), *state);
    }
}

// The child half of the crash test: edits a deck, says so once its copy is written, and waits
// to be killed.
TEST_F(DeckSafetyTest, CrashChild) {
    const QByteArray folder = qgetenv("KESTRAVA_CRASH_CHILD");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "run by CrashLeavesACopyTheNextStartRestores";
    }
    NewForm(QString::fromLocal8Bit(folder));
    Begin();
    Add(0, "Command2");
    Add(2, "Command4");
    QTest::keyClicks(Find<QLineEdit>("Text2"), "crash");
    TRY_ASSERT(!QDir(QString::fromLocal8Bit(folder)).isEmpty());
    printf("COPIED\n");
    fflush(stdout);
    QEventLoop().exec();
}

TEST_F(DeckSafetyTest, CrashLeavesACopyTheNextStartRestores) {
    const QString folder = dir_.filePath("crashed");
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KESTRAVA_CRASH_CHILD", folder);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=DeckSafetyTest.CrashChild"});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return child.readAllStandardOutput().contains("COPIED") ||
                   child.state() == QProcess::NotRunning;
        },
        60000));
    child.kill();  // SIGKILL: no destructor, no normal close
    ASSERT_TRUE(child.waitForFinished());

    NewForm(folder);
    answers_ << "RestoreButton";
    Start();
    EXPECT_EQ(Lines("List2"), QStringList({"C-1 " + U(u"混沌の将"), "G-2 " + U(u"緑の弓兵")}));
    EXPECT_EQ(Lines("List3"), QStringList({"4", "1"}));
    EXPECT_EQ(Find<QLineEdit>("Text2")->text(), "crash");
    EXPECT_TRUE(form_->Document().IsUnsaved());
    EXPECT_EQ(Title(), "Kestrava Deck Builder*");
}

}  // namespace
}  // namespace kestrava::test
