// The file dialog and the overwrite confirmation as a user drives them, in a temporary current
// directory, against a FileActions that records every call.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "files/ui/FileWindows.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

struct FakeActions : FileActions {
    QStringList Calls;
    bool Result = true;  // of every load and save

    void SetStatus(const QString& text) override { Calls << text; }
    void MarkStatusFailed() override { Calls << "failed"; }
    bool LoadCardList(const QString& path) override { return Record("cards " + path); }
    void RefreshCardList() override { Calls << "refresh"; }
    bool LoadDeckFile(const QString& path) override { return Record("deck " + path); }
    bool SaveDeckFile(const QString& path) override { return Record("write deck " + path); }
    bool SaveDeckHtml(const QString& path) override { return Record("write html " + path); }
    bool Record(const QString& call) {
        Calls << call;
        return Result;
    }
};

QStringList Texts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts << list->item(row)->text();
    }
    return texts;
}

// A widget double click arrives as press, release, double click, release.
void DoubleClick(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

class FileDialogs : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(QDir::setCurrent(root_)); }
    void TearDown() override {
        windows_.reset();
        DeleteClosed();
    }
    static void DeleteClosed() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    static QLineEdit* Text1(QWidget* dialog) { return dialog->findChild<QLineEdit*>("Text1"); }
    QString Path(const QString& name = {}) const { return root_ + '/' + name; }
    // Opens the dialog in mode, puts path into Text1 and presses Enter there.
    Form2* Type(FileDialogMode mode, const QString& path) {
        Form2* dialog = windows_->ShowFileDialog(mode);
        Text1(dialog)->setText(path);
        QTest::keyClick(Text1(dialog), Qt::Key_Return);
        return dialog;
    }

    QTemporaryDir temp_;
    const QString root_ = QDir(temp_.path()).canonicalPath();
    FakeActions actions_;
    std::unique_ptr<FileWindows> windows_ = std::make_unique<FileWindows>(actions_);
};

TEST_F(FileDialogs, BrowsingShowsDirectoriesAndFilesAndChoosesOne) {
    for (const char* dir : {"outer/inner", "outer/Beta", "outer/alpha", "gone", "d.dek"}) {
        ASSERT_TRUE(QDir(root_).mkpath(dir));
    }
    for (const char* file : {"b.dek", "A.dek", "UPPER.DEK", "p.htm", "p.html"}) {
        test::WriteBytes(Path(file), "");
    }
    Form2* dialog = windows_->ShowFileDialog(FileDialogMode::CardList);
    auto* dirs = dialog->findChild<QListWidget*>("Dir1");
    auto* files = dialog->findChild<QListWidget*>("File1");
    QLineEdit* text = Text1(dialog);
    EXPECT_EQ(Texts(files), QStringList({"A.dek", "b.dek", "p.htm", "p.html", "UPPER.DEK"}));
    dialog->SetMode(FileDialogMode::HtmlSave);
    EXPECT_EQ(Texts(files), QStringList({"p.htm"}));
    dialog->SetMode(FileDialogMode::DeckSave);  // *.dek in either case, no folder; path kept
    EXPECT_EQ(Texts(files) << text->text(), QStringList({"A.dek", "b.dek", "UPPER.DEK", Path()}));
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                      files->visualItemRect(files->item(1)).center());
    EXPECT_EQ(text->text(), Path("b.dek"));
    text->setText("typed");
    dialog->SetMode(FileDialogMode::DeckOpen);  // refilling the list is no choice of the user's
    EXPECT_EQ(text->text(), QString("typed"));

    // The root, each ancestor a step further in (the current one chosen), then the
    // subdirectories as a user sorts them.
    ASSERT_TRUE(dialog->SetDirectory(root_ + "/outer"));
    const int depth = int(root_.count('/')) + 2;
    const QString in(2 * depth, u' ');
    EXPECT_EQ(Texts(dirs).mid(depth - 1),
              QStringList({in.mid(2) + "outer", in + "alpha", in + "Beta", in + "inner"}));
    EXPECT_EQ(dirs->currentRow(), depth - 1);
    DoubleClick(dirs, depth + 2);
    EXPECT_EQ(dialog->Directory() + text->text(), Path("outer/inner/") + Path("outer/inner/"));
    // Enter on a directory enters it and must not press the action button.
    dirs->setCurrentRow(depth - 2);
    QTest::keyClick(dirs, Qt::Key_Return);
    EXPECT_EQ(dialog->Directory() + text->text(), Path() + Path());
    EXPECT_TRUE(dialog->isVisible() && actions_.Calls.isEmpty());

    // A directory that cannot be read leaves the dialog where it was.
    const QStringList before = Texts(dirs) + Texts(files) << text->text();
    ASSERT_TRUE(QDir(root_).rmdir("gone"));
    DoubleClick(dirs, depth);
    EXPECT_EQ(Texts(dirs) + Texts(files) << text->text(), before);

    ASSERT_TRUE(dialog->SetDirectory(root_));
    files->setFocus();
    QTest::keyClick(files, Qt::Key_Down);
    QTest::keyClick(files, Qt::Key_Return);
    EXPECT_EQ(actions_.Calls, QStringList({"Load " + Path("A.dek"), "deck " + Path("A.dek")}));
}

// The calls name the typed path as %1. A path with a file at it opens the confirmation, which
// is answered: Command1 is yes, Command2 no.
TEST_F(FileDialogs, ActionOpensOrSavesByModeAndAsksBeforeReplacingAFile) {
    using M = FileDialogMode;
    ASSERT_TRUE(QDir(root_).mkdir("folder"));
    ASSERT_TRUE(QFile::link(Path("gone.dek"), Path("dangling.dek")));
    test::WriteBytes(Path("a<b>&c.htm"), "old");
    const struct {
        M Mode;
        const char* Path;
        bool Result;
        const char* Answer;
        QStringList Calls;
    } cases[] = {
        {M::DeckOpen, "デッキ 1.dek", true, nullptr, {"Load %1", "deck %1"}},
        {M::DeckOpen, "デッキ 1.dek", false, nullptr, {"Load %1", "deck %1", "failed"}},
        {M::CardList, "c", true, nullptr, {"Load %1", "cards %1", "refresh"}},
        {M::CardList, "c", false, nullptr, {"Load %1", "cards %1", "refresh", "failed"}},
        {M::DeckSave, "new.htm", true, nullptr, {"Save %1", "write deck %1"}},  // by mode
        {M::HtmlSave, "new.dek", false, nullptr, {"Save %1", "write html %1", "failed"}},
        {M::HtmlSave, "folder", true, nullptr, {"Save %1", "write html %1"}},
        {M::DeckSave, "", true, nullptr, {"Save %1", "write deck %1"}},
        {M::DeckSave, "dangling.dek", true, "Command2", {"Save %1"}},
        {M::HtmlSave, "a<b>&c.htm", true, "Esc", {"Save %1"}},
        {M::HtmlSave, "a<b>&c.htm", true, "Enter", {"Save %1"}},
        {M::HtmlSave, "a<b>&c.htm", true, "Command1", {"Save %1", "write html %1"}},
        {M::DeckSave, "a<b>&c.htm", false, "Command1", {"Save %1", "write deck %1", "failed"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Path) + " " + (c.Answer ? c.Answer : ""));
        actions_.Calls.clear();
        actions_.Result = c.Result;
        QPointer<Form2> dialog = Type(c.Mode, c.Path);
        QPointer<Form3> confirmation = windows_->Confirmation();
        ASSERT_EQ(!confirmation, !c.Answer);
        if (confirmation) {
            const auto* label = confirmation->findChild<QLabel*>("Label1");
            EXPECT_TRUE(label->text().endsWith(c.Path) && label->textFormat() == Qt::PlainText);
            if (QString(c.Answer).startsWith("Command")) {
                QTest::mouseClick(confirmation->findChild<QWidget*>(c.Answer), Qt::LeftButton);
            } else {
                QTest::keyClick(confirmation,
                                QString(c.Answer) == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
            }
        }
        EXPECT_EQ(actions_.Calls, QStringList(c.Calls).replaceInStrings("%1", c.Path));
        DeleteClosed();  // both closed
        EXPECT_TRUE(dialog.isNull() && confirmation.isNull());
    }
}

TEST_F(FileDialogs, OpenWindowsAreReusedUntilClosed) {
    // Saving again while the confirmation is open shows it again, as it was.
    test::WriteBytes(Path("first.dek"), "");
    ASSERT_TRUE(QDir(root_).mkdir("sub"));
    Type(FileDialogMode::DeckSave, "first.dek");
    QPointer<Form3> confirmation = windows_->Confirmation();
    ASSERT_TRUE(confirmation);
    confirmation->hide();
    Type(FileDialogMode::HtmlSave, "first.dek");
    EXPECT_TRUE(windows_->Confirmation() == confirmation && confirmation->isVisible());
    QTest::mouseClick(confirmation->findChild<QWidget*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(actions_.Calls.last(), "write deck first.dek");

    // A command while the dialog is open re-uses it, in its directory; closed, it is forgotten
    // at once: a command before its deletion gets a fresh one.
    QPointer<Form2> dialog = windows_->ShowFileDialog(FileDialogMode::CardList);
    ASSERT_TRUE(dialog->SetDirectory(root_ + "/sub"));
    EXPECT_EQ(windows_->ShowFileDialog(FileDialogMode::HtmlSave), dialog);
    EXPECT_EQ(dialog->Directory(), Path("sub/"));
    QTest::mouseClick(dialog->findChild<QWidget*>("Command2"), Qt::LeftButton);
    QPointer<Form2> fresh = windows_->ShowFileDialog(FileDialogMode::DeckSave);
    EXPECT_NE(fresh, dialog);
    DeleteClosed();
    EXPECT_TRUE(dialog.isNull());
}

}  // namespace
}  // namespace kestrava
