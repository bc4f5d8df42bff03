// The file dialog and the overwrite confirmation as a user drives them, in a temporary current
// directory, against a FileActions that records every call.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include "files/ui/FileWindows.h"
#include "support/FakeActions.h"
#include "support/ListRows.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

using M = FileDialogMode;
using test::Rows;

// In the temporary directory: folders, one of them named like a deck, and files of each kind.
class FileDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QSettings().clear();  // the folder an earlier test used
        ASSERT_TRUE(QDir::setCurrent(root_));
        for (const QString name :
             {"outer/inner/", "outer/Beta/", "outer/alpha/", "gone/", "d.dek/", "outer/x.dek",
              "b.dek", "A.dek", "UPPER.DEK", "p.htm", "p.html"}) {
            ASSERT_TRUE(name.endsWith('/') ? QDir().mkpath(name)
                                           : QFile(name).open(QFile::WriteOnly));
        }
    }
    void TearDown() override {
        windows_.reset();
        DeleteClosed();
    }
    static void DeleteClosed() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    QString Path(const QString& name = {}) const { return root_ + '/' + name; }
    // Shows the dialog in mode and finds its controls.
    Form2* Show(FileDialogMode mode) {
        dialog_ = windows_->ShowFileDialog(mode);
        dirs_ = dialog_->findChild<QListWidget*>("Dir1");
        files_ = dialog_->findChild<QListWidget*>("File1");
        text_ = dialog_->findChild<QLineEdit*>("Text1");
        return dialog_;
    }
    // Shows the dialog in mode, types path into Text1 and presses Enter there; each load or save
    // has that outcome.
    void Type(FileDialogMode mode, const QString& path, FileOutcome outcome = FileOutcome::Done) {
        actions_.Result = outcome;
        Show(mode);
        text_->setText(path);
        QTest::keyClick(text_, Qt::Key_Return);
    }
    // Saves a page over the file at path and answers the confirmation with the button.
    void SaveOver(const QString& path, const char* button) {
        Type(M::HtmlSave, path);
        QTest::mouseClick(windows_->Confirmation()->findChild<QWidget*>(button), Qt::LeftButton);
    }

    QTemporaryDir temp_;
    const QString root_ = QDir(temp_.path()).canonicalPath();
    // Rows of the directory list: the root, each ancestor a step further in, then the
    // subdirectories; with outer shown, its row is depth_ - 1.
    const int depth_ = int(root_.count('/')) + 2;
    test::FakeActions actions_;
    std::unique_ptr<FileWindows> windows_ = std::make_unique<FileWindows>(actions_);
    QPointer<Form2> dialog_;
    QListWidget* dirs_ = nullptr;
    QListWidget* files_ = nullptr;
    QLineEdit* text_ = nullptr;
};

struct ModeCase {
    FileDialogMode Mode;
    QStringList Files;
};

// In the current directory with its path; files only, sorted as a user sorts them; *.dek in
// either case.
TEST_F(FileDialogsTest, OpensOnTheCurrentDirectoryShowingTheFilesOfTheMode) {
    const QStringList decks = {"A.dek", "b.dek", "UPPER.DEK"};
    const ModeCase cases[] = {{M::CardList, {"A.dek", "b.dek", "p.htm", "p.html", "UPPER.DEK"}},
                              {M::HtmlSave, {"p.htm"}},
                              {M::DeckSave, decks},
                              {M::DeckOpen, decks}};
    for (const ModeCase& test : cases) {
        Show(test.Mode);
        EXPECT_EQ(dialog_->Directory(), Path()) << int(test.Mode);
        EXPECT_EQ(Rows(files_) << text_->text(), QStringList(test.Files) << Path())
            << int(test.Mode);
        dialog_->close();
    }
}

struct FolderStep {
    const char* Name;
    std::function<void()> Act;
    QString Folder;  // where the dialog opens after it
};

// The folder of the last file loaded or saved, the confirmation's yes included, as the file
// system resolves its path; the current directory before that, and once that folder is gone.
TEST_F(FileDialogsTest, StartsInTheFolderLastUsed) {
    ASSERT_TRUE(QFile::link(Path("outer/inner"), Path("link")));
    test::WriteBytes(Path("outer/alpha/y.htm"), "old");
    const FolderStep steps[] = {
        {"never used", [] {}, Path()},
        {"saved", [&] { Type(M::DeckSave, Path("outer/inner/n.dek")); }, Path("outer/inner/")},
        {"left elsewhere", [&] { Show(M::DeckOpen)->SetDirectory(Path("outer")); },
         Path("outer/inner/")},
        {"load failed", [&] { Type(M::DeckOpen, Path("outer/x.dek"), FileOutcome::Failed); },
         Path("outer/inner/")},
        {"relative path loaded", [&] { Type(M::CardList, "outer/x.dek"); }, Path("outer/")},
        {"through a link", [&] { Type(M::HtmlSave, "link/../z.htm"); }, Path("outer/")},
        {"overwrite refused", [&] { SaveOver(Path("outer/alpha/y.htm"), "Command2"); },
         Path("outer/")},
        {"overwritten", [&] { SaveOver(Path("outer/alpha/y.htm"), "Command1"); },
         Path("outer/alpha/")},
        {"folder gone", [&] { QDir(Path("outer/alpha")).removeRecursively(); }, Path()},
    };
    for (const FolderStep& step : steps) {
        step.Act();
        windows_ = std::make_unique<FileWindows>(actions_);  // the last one's windows closed
        DeleteClosed();
        Show(M::DeckSave);
        EXPECT_EQ(dialog_->Directory(), step.Folder) << step.Name;
        EXPECT_EQ(text_->text(), step.Folder) << step.Name;
    }
}

// Refilling the file list for the new mode chooses no file either.
TEST_F(FileDialogsTest, CommandWhileOpenReusesTheDialogWithItsDirectoryAndPath) {
    ASSERT_TRUE(Show(M::CardList)->SetDirectory(Path("outer")));
    text_->setText("typed");
    EXPECT_EQ(windows_->ShowFileDialog(M::DeckOpen), dialog_);
    EXPECT_EQ(dialog_->Directory(), Path("outer/"));
    EXPECT_EQ(Rows(files_) << text_->text(), QStringList({"x.dek", "typed"}));
}

// The ancestors, then the subdirectories. One that has vanished since it was listed leaves the
// dialog as it was; another is entered by a double click, or by Enter, which must not press the
// action button too.
TEST_F(FileDialogsTest, DirectoryListEntersTheDirectoryChosen) {
    ASSERT_TRUE(Show(M::DeckOpen)->SetDirectory(Path("outer")));
    const QString in(2 * depth_, u' ');
    EXPECT_EQ(Rows(dirs_).mid(depth_ - 1),
              QStringList({in.mid(2) + "outer", in + "alpha", in + "Beta", in + "inner"}));
    EXPECT_EQ(dirs_->currentRow(), depth_ - 1);
    const QStringList shown = Rows(dirs_) + Rows(files_) << text_->text();
    ASSERT_TRUE(QDir(Path("outer/Beta")).removeRecursively());
    test::DoubleClickRow(dirs_, depth_ + 1);
    EXPECT_EQ(Rows(dirs_) + Rows(files_) << text_->text(), shown);
    test::DoubleClickRow(dirs_, depth_ + 2);  // inner
    EXPECT_EQ(text_->text(), Path("outer/inner/"));
    dirs_->setCurrentRow(depth_ - 2);  // the root
    QTest::keyClick(dirs_, Qt::Key_Return);
    EXPECT_EQ(dialog_->Directory(), Path());
    EXPECT_EQ(text_->text(), Path());
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(actions_.Calls, QStringList());
}

TEST_F(FileDialogsTest, EnterOnAFileActsOnIt) {
    Show(M::DeckOpen);
    files_->setFocus();
    QTest::keyClick(files_, Qt::Key_Down);
    QTest::keyClick(files_, Qt::Key_Return);
    EXPECT_EQ(actions_.Calls, QStringList({"deck " + Path("A.dek")}));
}

// A command before the deletion of a closed dialog gets a fresh one.
TEST_F(FileDialogsTest, ClosedDialogIsForgottenAtOnce) {
    Show(M::DeckOpen);
    QTest::mouseClick(dialog_->findChild<QWidget*>("Command2"), Qt::LeftButton);
    EXPECT_EQ(windows_->FileDialog(), nullptr);
    EXPECT_NE(windows_->ShowFileDialog(M::DeckSave), dialog_);
    DeleteClosed();
    EXPECT_TRUE(dialog_.isNull());
}

struct ActionCase {
    FileDialogMode Mode;
    const char* Path;
    FileOutcome Outcome;
    const char* Call;  // the typed path as %1
    bool StaysOpen;
};

// A failure closes the dialog too; a kept deck or a save asked for first leaves it open. A
// folder is no file to ask about.
TEST_F(FileDialogsTest, ActionLoadsOrSavesByMode) {
    using O = FileOutcome;
    ASSERT_TRUE(QDir(root_).mkdir("folder"));
    const ActionCase cases[] = {{M::DeckOpen, "デッキ 1.dek", O::Failed, "deck %1", false},
                                {M::DeckOpen, "a.dek", O::Cancelled, "deck %1", true},
                                {M::DeckOpen, "a.dek", O::Waiting, "deck %1", true},
                                {M::CardList, "c", O::Failed, "cards %1", false},
                                {M::HtmlSave, "new.dek", O::Failed, "write html %1", false},
                                {M::HtmlSave, "folder", O::Done, "write html %1", false},
                                {M::DeckSave, "new.dek", O::Done, "write deck %1", false}};
    for (const ActionCase& test : cases) {
        SCOPED_TRACE(test.Path);
        actions_.Calls.clear();
        Type(test.Mode, test.Path, test.Outcome);
        EXPECT_EQ(windows_->Confirmation(), nullptr);
        EXPECT_EQ(actions_.Calls, QStringList(QString(test.Call).arg(test.Path)));
        DeleteClosed();
        EXPECT_EQ(dialog_ && dialog_->isVisible(), test.StaysOpen);
        if (dialog_) {
            dialog_->close();
        }
    }
}

struct OverwriteCase {
    FileDialogMode Mode;
    const char* Path;
    const char* Answer;  // a button, or the key Esc or Enter
    QStringList Calls;   // the typed path as %1
};

// A path with a file at it, or a link to none, opens the confirmation, answered by a key or a
// click: Command1 is yes. The status line names the save before it asks.
TEST_F(FileDialogsTest, SavingOverAFileAsksFirst) {
    ASSERT_TRUE(QFile::link(Path("gone.dek"), Path("dangling.dek")));
    test::WriteBytes(Path("a<b>&c.htm"), "old");
    const OverwriteCase cases[] = {
        {M::DeckSave, "dangling.dek", "Command2", {"Save %1"}},
        {M::HtmlSave, "a<b>&c.htm", "Esc", {"Save %1"}},
        {M::HtmlSave, "a<b>&c.htm", "Enter", {"Save %1"}},
        {M::DeckSave, "a<b>&c.htm", "Command1", {"Save %1", "write deck %1"}},
        {M::HtmlSave, "a<b>&c.htm", "Command1", {"Save %1", "write html %1"}}};
    for (const OverwriteCase& test : cases) {
        SCOPED_TRACE(std::string(test.Path) + " " + test.Answer);
        actions_.Calls.clear();
        Type(test.Mode, test.Path);
        QPointer<Form3> confirmation = windows_->Confirmation();
        ASSERT_TRUE(confirmation);
        const auto* label = confirmation->findChild<QLabel*>("Label1");
        EXPECT_TRUE(label->text() == QString::fromUtf16(u"ファイル：") + test.Path &&
                    label->textFormat() == Qt::PlainText);
        if (auto* button = confirmation->findChild<QWidget*>(test.Answer)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            QTest::keyClick(confirmation, *test.Answer == 'E' ? Qt::Key_Return : Qt::Key_Escape);
        }
        EXPECT_EQ(actions_.Calls, QStringList(test.Calls).replaceInStrings("%1", test.Path));
        DeleteClosed();  // both closed
        EXPECT_TRUE(dialog_.isNull() && confirmation.isNull());
    }
}

// Saving again while the question is open shows it again, as it was: yes writes the first save.
TEST_F(FileDialogsTest, SavingAgainWhileAskedShowsTheSameQuestion) {
    test::WriteBytes(Path("a<b>&c.htm"), "old");
    Type(M::DeckSave, "a<b>&c.htm");
    QPointer<Form3> confirmation = windows_->Confirmation();
    ASSERT_TRUE(confirmation);
    confirmation->hide();
    Type(M::HtmlSave, "a<b>&c.htm");
    EXPECT_TRUE(windows_->Confirmation() == confirmation && confirmation->isVisible());
    QTest::mouseClick(confirmation->findChild<QWidget*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(actions_.Calls.last(), "write deck a<b>&c.htm");
}

}  // namespace
}  // namespace kestrava
