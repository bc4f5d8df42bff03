// Never losing a deck: the title bar marks an unsaved deck, closing or opening another deck asks
// first, every step can be undone and redone, and a crash leaves a copy the next start offers.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QWindow>

#include <sys/stat.h>

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

TEST_F(DeckSafetyTest, TitleMarksTheUnsavedDeck) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    EXPECT_EQ(Title(), "Kestrava Deck Builder");
    const QString saved = Path("my.dek");
    const std::vector<std::tuple<const char*, std::function<void()>, QString>> steps = {
        {">", [&] { Add(2, "Command4"); }, "Kestrava Deck Builder*"},
        {"undo", [&] { Trigger("Undo"); }, "Kestrava Deck Builder"},
        {"name", [&] { QTest::keyClicks(Find<QLineEdit>("Text2"), "n"); },
         "Kestrava Deck Builder*"},
        {"save", [&] { Use("Save", saved); }, "my.dek - Kestrava Deck Builder"},
        {"card list", [&] { Use("Open", cardListPath_); }, "my.dek - Kestrava Deck Builder"},
        {"undo past the save", [&] { Trigger("Undo"); }, "my.dek* - Kestrava Deck Builder"},
    };
    for (const auto& [name, act, title] : steps) {
        act();
        EXPECT_EQ(Title(), title) << name;
    }
}

enum class Answer { SaveWithFile, SaveThroughDialog, SaveFails, Discard, Cancel, Escape };

// Each way of throwing the deck away, with each answer: what is saved, what is shown and whether
// the window stays open.
TEST_F(DeckSafetyTest, QuestionBeforeTheDeckGoes) {
    const char* triggers[] = {"close", "Quit", "DeckOpen"};
    const std::tuple<Answer, const char*, bool> answers[] = {
        {Answer::SaveWithFile, "SaveButton", true}, {Answer::SaveThroughDialog, "SaveButton", true},
        {Answer::SaveFails, "SaveButton", false},   {Answer::Discard, "DiscardButton", true},
        {Answer::Cancel, "CancelButton", false},    {Answer::Escape, "", false},
    };
    for (const char* trigger : triggers) {
        for (const auto& [answer, button, goesOn] : answers) {
            SCOPED_TRACE(std::string(trigger) + " " + button + std::to_string(int(answer)));
            NewForm();
            Begin();
            const QString file = Path(QStringLiteral("%1-%2.dek").arg(trigger).arg(int(answer)));
            if (answer == Answer::SaveWithFile || answer == Answer::SaveFails) {
                Use("Save", file);
            }
            if (answer == Answer::SaveFails) {
                ASSERT_TRUE(QFile::remove(file));
                ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
            }
            Add(0, "Command2");  // C-1 x4
            AnswerNextQuestion(button);
            if (QByteArray(trigger) == "close") {
                form_->close();
            } else {
                Trigger(trigger);
            }
            if (answer == Answer::SaveThroughDialog) {
                EXPECT_EQ(form_->Files().FileDialog()->windowTitle(), "File Save (Deck)");
                EnterPath(file);
            }
            const bool saved = goesOn && answer != Answer::Discard;
            EXPECT_EQ(QFileInfo(file).isFile() && ReadBytes(file).contains("C-1"), saved);
            EXPECT_EQ(form_->Document().IsUnsaved(), !saved);
            if (answer == Answer::SaveFails) {
                EXPECT_EQ(Text("Label24"), "Save " + file + U(u" (失敗)"));
            }
            if (QByteArray(trigger) == "DeckOpen") {
                TRY_EXPECT((form_->Files().FileDialog() != nullptr) == goesOn);
                if (goesOn) {
                    EXPECT_EQ(form_->Files().FileDialog()->windowTitle(), "File Open (Deck)");
                }
                EXPECT_TRUE(form_->isVisible());
            } else {
                TRY_EXPECT(form_->isVisible() != goesOn);
            }
        }
    }
}

TEST_F(DeckSafetyTest, EveryStepUndoesAndRedoes) {
    const QString file = Path("loaded.dek");
    WriteBytes(file, EncodeCp932Lines({"loaded", "M-1 " + U(u"水の計略") + "  × 2"}));
    const std::vector<std::tuple<const char*, std::function<void()>, QString>> steps = {
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
        {"<", [&] { ClickRow(Find<QListWidget>("List2"), 0), Click("Command3"); },
         U(u"元に戻す (1枚削除 G-2 緑の弓兵)")},
        {"<<", [&] { ClickRow(Find<QListWidget>("List2"), 0), Click("Command1"); },
         U(u"元に戻す (行削除 C-1 混沌の将)")},
        {"name", [&] { QTest::keyClicks(Find<QLineEdit>("Text2"), "abc"); },
         U(u"元に戻す (デッキ名変更)")},
        {"load", [&] { Use("DeckOpen", file); }, U(u"元に戻す (デッキ読み込み)")},
    };
    using Shown = std::tuple<QStringList, QStringList, QString, QString, QString>;
    const auto shown = [&] {
        return Shown{Lines("List2"), Lines("List3"), Find<QLineEdit>("Text2")->text(),
                     Text("Label16"), Text("Label28")};
    };
    std::vector<Shown> states{shown()};
    for (const auto& [name, act, undo] : steps) {
        act();
        EXPECT_EQ(Undo(), undo) << name;
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

TEST_F(DeckSafetyTest, CopyKeptWhileUnsavedGoneOnNormalClose) {
    Add(0, "Command4");
    TRY_EXPECT(RecoveryFiles().contains("deck.dek"));
    AnswerNextQuestion("DiscardButton");
    form_->close();
    EXPECT_TRUE(RecoveryFiles().isEmpty());
    EXPECT_TRUE(QDir(dir_.filePath("recovery")).isEmpty());
}

TEST_F(DeckSafetyTest, UnreadableCopyIsReportedAndKept) {
    const QString copy = dir_.filePath("recovery/1-dead");
    ASSERT_TRUE(QDir().mkpath(copy + "/deck.dek"));  // a folder where the deck should be
    NewForm();
    Start();
    EXPECT_EQ(Text("Label24"),
              "Load " + QDir::toNativeSeparators(copy + "/deck.dek") + U(u" (失敗)"));
    EXPECT_TRUE(QFileInfo(copy + "/deck.dek").isDir());
}

// The child half of the crash test: edits a deck, says so once its copy is written, and waits
// to be killed.
TEST_F(DeckSafetyTest, CrashChild) {
    const QByteArray folder = qgetenv("KESTRAVA_CRASH_CHILD");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "run by CrashLeavesACopyTheNextStartRestores";
    }
    form_->UseRecoveryFolder(QString::fromLocal8Bit(folder));
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

    NewForm();
    form_->UseRecoveryFolder(folder);
    AnswerNextQuestion("RestoreButton");
    Start();
    EXPECT_EQ(Lines("List2"), QStringList({"C-1 " + U(u"混沌の将"), "G-2 " + U(u"緑の弓兵")}));
    EXPECT_EQ(Lines("List3"), QStringList({"4", "1"}));
    EXPECT_EQ(Find<QLineEdit>("Text2")->text(), "crash");
    EXPECT_TRUE(form_->Document().IsUnsaved());
    EXPECT_EQ(Title(), "Kestrava Deck Builder*");
}

}  // namespace
}  // namespace kestrava::test
