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
#include "support/ListRows.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

// Records the status line's texts and every load and save.
struct FakeActions : FileActions {
    QStringList Calls;
    FileOutcome Result = FileOutcome::Done;  // of every load and save
    StatusLine Line;
    FakeActions() {
        QObject::connect(&Line, &StatusLine::Changed,
                         [this](const QString& text) { Calls << text; });
    }
    StatusLine& Status() override { return Line; }
    FileOutcome Open(const QString& path, FileKind kind) override {
        Calls << (kind == FileKind::DeckFile ? "deck " : "cards ") + path;
        return Result;
    }
    FileOutcome Save(const QString& path, FileKind kind) override {
        Calls << (kind == FileKind::HtmlPage ? "write html " : "write deck ") + path;
        return Result;
    }
};

using test::Rows;

// A widget double click arrives as press, release, double click, release.
void DoubleClick(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    test::ClickRow(list, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

class FileDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        QSettings().clear();  // the folder an earlier test used
        ASSERT_TRUE(QDir::setCurrent(root_));
    }
    void TearDown() override { windows_.reset(), DeleteClosed(); }
    static void DeleteClosed() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    QString Path(const QString& name = {}) const { return root_ + '/' + name; }
    // Opens the dialog in mode, types path into Text1 and presses Enter there.
    Form2* Type(FileDialogMode mode, const QString& path) {
        Form2* dialog = windows_->ShowFileDialog(mode);
        dialog->findChild<QLineEdit*>("Text1")->setText(path);
        QTest::keyClick(dialog->findChild<QLineEdit*>("Text1"), Qt::Key_Return);
        return dialog;
    }

    QTemporaryDir temp_;
    const QString root_ = QDir(temp_.path()).canonicalPath();
    FakeActions actions_;
    std::unique_ptr<FileWindows> windows_ = std::make_unique<FileWindows>(actions_);
};

// In the temporary directory: folders, one of them named like a deck, and files of each kind.
class FileDialogBrowsing : public FileDialogs {
  protected:
    void SetUp() override {
        FileDialogs::SetUp();
        for (const QString name :
             {"outer/inner/", "outer/Beta/", "outer/alpha/", "gone/", "d.dek/", "outer/x.dek",
              "b.dek", "A.dek", "UPPER.DEK", "p.htm", "p.html"}) {
            ASSERT_TRUE(name.endsWith('/') ? QDir().mkpath(name)
                                           : QFile(name).open(QFile::WriteOnly));
        }
    }
    // Shows the dialog in mode and finds its controls.
    void Show(FileDialogMode mode) {
        dialog = windows_->ShowFileDialog(mode);
        dirs = dialog->findChild<QListWidget*>("Dir1");
        files = dialog->findChild<QListWidget*>("File1");
        text = dialog->findChild<QLineEdit*>("Text1");
    }
    // Everything the dialog shows.
    QStringList Shown() const { return Rows(dirs) + Rows(files) << text->text(); }

    // Rows of the directory list: the root, each ancestor a step further in, then the
    // subdirectories; the current directory's row is depth - 1.
    const int depth = int(root_.count('/')) + 2;
    QPointer<Form2> dialog;
    QListWidget* dirs = nullptr;
    QListWidget* files = nullptr;
    QLineEdit* text = nullptr;
};

// In the current directory with its path; files only, sorted as a user sorts them; *.dek in
// either case.
TEST_F(FileDialogBrowsing, OpensOnTheCurrentDirectoryShowingTheFilesOfTheMode) {
    const QStringList decks = {"A.dek", "b.dek", "UPPER.DEK"};
    const std::pair<FileDialogMode, QStringList> cases[] = {
        {FileDialogMode::CardList, {"A.dek", "b.dek", "p.htm", "p.html", "UPPER.DEK"}},
        {FileDialogMode::HtmlSave, {"p.htm"}},
        {FileDialogMode::DeckSave, decks},
        {FileDialogMode::DeckOpen, decks}};
    for (const auto& [mode, names] : cases) {
        Show(mode);
        EXPECT_EQ(dialog->Directory(), Path()) << int(mode);
        EXPECT_EQ(Rows(files) << text->text(), QStringList(names) << Path()) << int(mode);
        dialog->close();
    }
}

// The folder of the last file loaded or saved, the confirmation's yes included; the current
// directory before that, and once that folder is gone.
TEST_F(FileDialogBrowsing, StartsInTheFolderLastUsed) {
    using M = FileDialogMode;
    ASSERT_TRUE(QFile::link(Path("outer/inner"), Path("link")));
    test::WriteBytes(Path("outer/alpha/y.htm"), "old");
    const auto answer = [this](const char* button) {
        QTest::mouseClick(windows_->Confirmation()->findChild<QWidget*>(button), Qt::LeftButton);
    };
    const std::vector<std::tuple<const char*, std::function<void()>, QString>> steps = {
        {"never used", [] {}, Path()},
        {"saved", [&] { Type(M::DeckSave, Path("outer/inner/n.dek")); }, Path("outer/inner/")},
        {"left elsewhere",
         [&] { Show(M::DeckOpen), dialog->SetDirectory(Path("outer")), dialog->close(); },
         Path("outer/inner/")},
        {"load failed",
         [&] { actions_.Result = FileOutcome::Failed, Type(M::DeckOpen, Path("outer/x.dek")); },
         Path("outer/inner/")},
        {"relative path loaded",
         [&] { actions_.Result = FileOutcome::Done, Type(M::CardList, "outer/x.dek"); },
         Path("outer/")},
        {"through a link", [&] { Type(M::HtmlSave, "link/../z.htm"); }, Path("outer/")},
        {"overwrite refused",
         [&] { Type(M::HtmlSave, Path("outer/alpha/y.htm")), answer("Command2"); }, Path("outer/")},
        {"overwritten", [&] { Type(M::HtmlSave, Path("outer/alpha/y.htm")), answer("Command1"); },
         Path("outer/alpha/")},
        {"folder gone", [&] { QDir(Path("outer/alpha")).removeRecursively(); }, Path()},
    };
    for (const auto& [name, act, folder] : steps) {
        act();
        DeleteClosed();
        Show(M::DeckSave);
        EXPECT_EQ(dialog->Directory(), folder) << name;
        EXPECT_EQ(text->text(), folder) << name;
        dialog->close();
    }
}

// Refilling the file list for the new mode chooses no file either.
TEST_F(FileDialogBrowsing, CommandWhileOpenReusesTheDialogWithItsDirectoryAndPath) {
    Show(FileDialogMode::CardList);
    ASSERT_TRUE(dialog->SetDirectory(root_ + "/outer"));
    text->setText("typed");
    EXPECT_EQ(windows_->ShowFileDialog(FileDialogMode::DeckOpen), dialog);
    EXPECT_EQ(dialog->Directory(), Path("outer/"));
    EXPECT_EQ(Rows(files) << text->text(), QStringList({"x.dek", "typed"}));
}

TEST_F(FileDialogBrowsing, DirectoryListShowsTheAncestorsThenTheSubdirectories) {
    Show(FileDialogMode::DeckOpen);
    ASSERT_TRUE(dialog->SetDirectory(root_ + "/outer"));
    const QString in(2 * depth, u' ');
    EXPECT_EQ(Rows(dirs).mid(depth - 1),
              QStringList({in.mid(2) + "outer", in + "alpha", in + "Beta", in + "inner"}));
    EXPECT_EQ(dirs->currentRow(), depth - 1);
}

TEST_F(FileDialogBrowsing, DoubleClickOnADirectoryEntersIt) {
    Show(FileDialogMode::DeckOpen);
    ASSERT_TRUE(dialog->SetDirectory(root_ + "/outer"));
    DoubleClick(dirs, depth + 2);  // inner
    EXPECT_EQ(dialog->Directory(), Path("outer/inner/"));
    EXPECT_EQ(text->text(), Path("outer/inner/"));
}

// Enter in the directory list must not press the action button.
TEST_F(FileDialogBrowsing, EnterOnADirectoryEntersItAndActsOnNothing) {
    Show(FileDialogMode::DeckOpen);
    ASSERT_TRUE(dialog->SetDirectory(root_ + "/outer"));
    dirs->setCurrentRow(depth - 2);  // the root
    QTest::keyClick(dirs, Qt::Key_Return);
    EXPECT_EQ(dialog->Directory(), Path());
    EXPECT_EQ(text->text(), Path());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(actions_.Calls, QStringList());
}

TEST_F(FileDialogBrowsing, VanishedDirectoryLeavesTheDialogWhereItWas) {
    Show(FileDialogMode::DeckOpen);
    const QStringList before = Shown();
    ASSERT_EQ(dirs->item(depth)->text().trimmed(), "gone");
    ASSERT_TRUE(QDir(root_).rmdir("gone"));
    DoubleClick(dirs, depth);
    EXPECT_EQ(Shown(), before);
}

TEST_F(FileDialogBrowsing, EnterOnAFileActsOnIt) {
    Show(FileDialogMode::DeckOpen);
    files->setFocus();
    QTest::keyClick(files, Qt::Key_Down);
    QTest::keyClick(files, Qt::Key_Return);
    EXPECT_EQ(actions_.Calls, QStringList({"deck " + Path("A.dek")}));
}

// A command before the deletion of a closed dialog gets a fresh one.
TEST_F(FileDialogBrowsing, ClosedDialogIsForgottenAtOnce) {
    Show(FileDialogMode::DeckOpen);
    QTest::mouseClick(dialog->findChild<QWidget*>("Command2"), Qt::LeftButton);
    EXPECT_EQ(windows_->FileDialog(), nullptr);
    EXPECT_NE(windows_->ShowFileDialog(FileDialogMode::DeckSave), dialog);
    DeleteClosed();
    EXPECT_TRUE(dialog.isNull());
}

struct ActionCase {
    FileDialogMode Mode;
    const char* Path;
    FileOutcome Outcome;
    QStringList Calls;  // the typed path as %1
    bool StaysOpen;
};

// A failure closes the dialog too; a kept deck or a save asked for first leaves it open.
TEST_F(FileDialogs, ActionLoadsOrSavesByMode) {
    using M = FileDialogMode;
    using O = FileOutcome;
    ASSERT_TRUE(QDir(root_).mkdir("folder"));
    const ActionCase cases[] = {{M::DeckOpen, "デッキ 1.dek", O::Failed, {"deck %1"}, false},
                                {M::DeckOpen, "a.dek", O::Cancelled, {"deck %1"}, true},
                                {M::DeckOpen, "a.dek", O::Waiting, {"deck %1"}, true},
                                {M::CardList, "c", O::Failed, {"cards %1"}, false},
                                {M::HtmlSave, "new.dek", O::Failed, {"write html %1"}, false},
                                {M::HtmlSave, "folder", O::Done, {"write html %1"}, false},
                                {M::DeckSave, "new.dek", O::Done, {"write deck %1"}, false}};
    for (const ActionCase& test : cases) {
        SCOPED_TRACE(test.Path);
        actions_.Calls.clear();
        actions_.Result = test.Outcome;
        QPointer<Form2> dialog = Type(test.Mode, test.Path);
        EXPECT_EQ(windows_->Confirmation(), nullptr);
        EXPECT_EQ(actions_.Calls, QStringList(test.Calls).replaceInStrings("%1", test.Path));
        DeleteClosed();
        EXPECT_EQ(dialog && dialog->isVisible(), test.StaysOpen);
        if (dialog) {
            dialog->close();
        }
    }
}

// A path with a file at it, or a link to none, opens the confirmation, answered by a key or a
// click: Command1 is yes.
TEST_F(FileDialogs, SavingOverAFileAsksFirst) {
    using M = FileDialogMode;
    ASSERT_TRUE(QFile::link(Path("gone.dek"), Path("dangling.dek")));
    test::WriteBytes(Path("a<b>&c.htm"), "old");
    const std::tuple<M, const char*, const char*, QStringList> cases[] = {
        {M::DeckSave, "dangling.dek", "Command2", {"Save %1"}},
        {M::HtmlSave, "a<b>&c.htm", "Esc", {"Save %1"}},
        {M::HtmlSave, "a<b>&c.htm", "Enter", {"Save %1"}},
        {M::DeckSave, "a<b>&c.htm", "Command1", {"Save %1", "write deck %1"}},
        {M::HtmlSave, "a<b>&c.htm", "Command1", {"Save %1", "write html %1"}}};
    for (const auto& [mode, path, answer, calls] : cases) {
        SCOPED_TRACE(std::string(path) + " " + answer);
        actions_.Calls.clear();
        QPointer<Form2> dialog = Type(mode, path);
        QPointer<Form3> confirmation = windows_->Confirmation();
        ASSERT_TRUE(confirmation);
        const auto* label = confirmation->findChild<QLabel*>("Label1");
        EXPECT_TRUE(label->text().endsWith(path) && label->textFormat() == Qt::PlainText);
        if (auto* button = confirmation->findChild<QWidget*>(answer)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            QTest::keyClick(confirmation, *answer == 'E' ? Qt::Key_Return : Qt::Key_Escape);
        }
        EXPECT_EQ(actions_.Calls, QStringList(calls).replaceInStrings("%1", path));
        DeleteClosed();  // both closed
        EXPECT_TRUE(dialog.isNull() && confirmation.isNull());
    }
}

// Saving again while the question is open shows it again, as it was: yes writes the first save.
TEST_F(FileDialogs, SavingAgainWhileAskedShowsTheSameQuestion) {
    test::WriteBytes(Path("a<b>&c.htm"), "old");
    Type(FileDialogMode::DeckSave, "a<b>&c.htm");
    QPointer<Form3> confirmation = windows_->Confirmation();
    ASSERT_TRUE(confirmation);
    confirmation->hide();
    Type(FileDialogMode::HtmlSave, "a<b>&c.htm");
    EXPECT_TRUE(windows_->Confirmation() == confirmation && confirmation->isVisible());
    QTest::mouseClick(confirmation->findChild<QWidget*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(actions_.Calls.last(), "write deck a<b>&c.htm");
}

}  // namespace
}  // namespace kestrava
