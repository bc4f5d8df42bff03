// The file dialog and the overwrite confirmation as a user drives them, in a temporary current
// directory, against a FileActions that records every call. What the action does with a path
// and where the dialog starts is DialogAction_test's, the files of each mode
// DirectoryListing_test's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "files/ui/FileWindows.h"
#include "support/FakeActions.h"
#include "support/ListRows.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

using M = FileDialogMode;
using test::Rows;

// In the temporary directory: folders and deck files.
class FileDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QSettings().clear();  // the folder an earlier test used
        ASSERT_TRUE(QDir::setCurrent(root_));
        for (const QString name : {"outer/inner/", "outer/Beta/", "outer/alpha/", "outer/x.dek",
                                   "b.dek", "A.dek", "UPPER.DEK"}) {
            ASSERT_TRUE(name.endsWith('/') ? QDir().mkpath(name)
                                           : QFile(name).open(QFile::WriteOnly));
        }
    }
    void TearDown() override {
        windows_.reset();
        DeleteClosed();
    }
    static void DeleteClosed() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // As the dialog shows it: with backslashes on Windows.
    QString Path(const QString& name = {}) const {
        return QDir::toNativeSeparators(root_ + '/' + name);
    }
    // Shows the dialog in mode and finds its controls.
    Form2* Show(FileDialogMode mode) {
        dialog_ = windows_->ShowFileDialog(mode);
        dirs_ = dialog_->findChild<QListWidget*>("Dir1");
        files_ = dialog_->findChild<QListWidget*>("File1");
        text_ = dialog_->findChild<QLineEdit*>("Text1");
        return dialog_;
    }
    // Shows the dialog in mode, types path into Text1 and presses Enter there.
    void Type(FileDialogMode mode, const QString& path) {
        Show(mode);
        text_->setText(path);
        QTest::keyClick(text_, Qt::Key_Return);
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

TEST_F(FileDialogsTest, StartsInTheFolderOfTheLastSave) {
    Type(M::DeckSave, Path("outer/inner/n.dek"));
    windows_ = std::make_unique<FileWindows>(actions_);
    EXPECT_EQ(Show(M::DeckOpen)->Directory(), Path("outer/inner/"));
}

// A command while the dialog is open reuses it with its directory and path, refilling the file
// list for the new mode without choosing a file; once it is closed, even before its deletion, a
// command gets a fresh one.
TEST_F(FileDialogsTest, DialogIsReusedWhileOpenAndForgottenOnceClosed) {
    ASSERT_TRUE(Show(M::CardList)->SetDirectory(Path("outer")));
    text_->setText("typed");
    EXPECT_EQ(windows_->ShowFileDialog(M::DeckOpen), dialog_);
    EXPECT_EQ(dialog_->Directory(), Path("outer/"));
    EXPECT_EQ(Rows(files_) << text_->text(), QStringList({"x.dek", "typed"}));
    QTest::mouseClick(dialog_->findChild<QWidget*>("Command2"), Qt::LeftButton);
    EXPECT_EQ(windows_->FileDialog(), nullptr);
    EXPECT_NE(windows_->ShowFileDialog(M::DeckSave), dialog_);
    DeleteClosed();
    EXPECT_TRUE(dialog_.isNull());
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

// The current directory's files of the mode, and its path.
TEST_F(FileDialogsTest, EnterOnAFileActsOnIt) {
    Show(M::DeckOpen);
    EXPECT_EQ(Rows(files_) << text_->text(), QStringList({"A.dek", "b.dek", "UPPER.DEK", Path()}));
    files_->setFocus();
    QTest::keyClick(files_, Qt::Key_Down);
    QTest::keyClick(files_, Qt::Key_Return);
    EXPECT_EQ(actions_.Calls, QStringList({"deck " + Path("A.dek")}));
}

// A name the question must show as written, not as markup. Windows takes no "<" or ">" in a
// file name; an entity there.
#ifdef Q_OS_WIN
const QString kOddName = "a&amp;c.htm";
#else
const QString kOddName = "a<b>&c.htm";
#endif

struct OverwriteCase {
    const char* Answer;  // a button, or the key Esc or Enter
    QStringList Calls;
};

// A file at the path opens the confirmation, which names it as plain text and is answered by a
// key or a click: Command1 is yes.
TEST_F(FileDialogsTest, SavingOverAFileAsksFirst) {
    test::WriteBytes(Path(kOddName), "old");
    const OverwriteCase cases[] = {
        {"Command2", {}}, {"Esc", {}}, {"Enter", {}}, {"Command1", {"write html " + kOddName}}};
    for (const OverwriteCase& test : cases) {
        SCOPED_TRACE(test.Answer);
        Type(M::HtmlSave, kOddName);
        actions_.Calls.clear();
        QPointer<Form3> confirmation = windows_->Confirmation();
        ASSERT_TRUE(confirmation);
        const auto* label = confirmation->findChild<QLabel*>("Label1");
        EXPECT_TRUE(label->text() == QString::fromUtf16(u"ファイル：") + kOddName &&
                    label->textFormat() == Qt::PlainText);
        if (auto* button = confirmation->findChild<QWidget*>(test.Answer)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            QTest::keyClick(confirmation, *test.Answer == 'E' ? Qt::Key_Return : Qt::Key_Escape);
        }
        EXPECT_EQ(actions_.Calls, test.Calls);
        DeleteClosed();  // both closed
        EXPECT_TRUE(dialog_.isNull() && confirmation.isNull());
    }
}

// Saving again while the question is open shows it again, as it was: yes writes the first save.
TEST_F(FileDialogsTest, SavingAgainWhileAskedShowsTheSameQuestion) {
    test::WriteBytes(Path(kOddName), "old");
    Type(M::DeckSave, kOddName);
    QPointer<Form3> confirmation = windows_->Confirmation();
    ASSERT_TRUE(confirmation);
    confirmation->hide();
    Type(M::HtmlSave, kOddName);
    EXPECT_TRUE(windows_->Confirmation() == confirmation && confirmation->isVisible());
    QTest::mouseClick(confirmation->findChild<QWidget*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(actions_.Calls.last(), "write deck " + kOddName);
}

}  // namespace
}  // namespace kestrava
