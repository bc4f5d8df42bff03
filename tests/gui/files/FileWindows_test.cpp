// The action button, the overwrite confirmation and the coordinator that creates, re-uses and
// forgets both windows, driven with keys and clicks against a recording FileActions.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "FileDialogFixture.h"
#include "files/ui/FileWindows.h"

namespace kestrava::test {
namespace {

class FileWindowsTest : public FileDialogFixture {
  protected:
    // Opens the dialog in mode, puts path into Text1 as typing does (key clicks cannot carry
    // Japanese text) and presses Enter there.
    void Run(FileDialogMode mode, const QString& path) {
        Form2* dialog = windows_.ShowFileDialog(mode);
        auto* text = Find<QLineEdit>(dialog, "Text1");
        text->selectAll();
        text->insert(path);
        QTest::keyClick(text, Qt::Key_Return);
    }
    static void Press(QWidget* window, const char* button) {
        QTest::mouseClick(Find<QPushButton>(window, button), Qt::LeftButton);
    }

    FileWindows windows_{actions_};
};

TEST_F(FileWindowsTest, OpenReadsADeckOrACardListAndMarksFailures) {
    const QString path = Path(U(u"デッキ 1.dek"));
    const QString load = "SetStatus Load " + path;
    const struct {
        FileDialogMode mode;
        bool result;
        QStringList calls;
    } cases[] = {
        {FileDialogMode::DeckOpen, true, {load, "LoadDeckFile " + path}},
        {FileDialogMode::DeckOpen, false, {load, "LoadDeckFile " + path, "MarkStatusFailed"}},
        {FileDialogMode::CardList, true, {load, "LoadCardList " + path, "RefreshCardList"}},
        {FileDialogMode::CardList,
         false,
         {load, "LoadCardList " + path, "RefreshCardList", "MarkStatusFailed"}},
    };
    for (const auto& c : cases) {
        actions_.Calls.clear();
        actions_.LoadResult = c.result;
        QPointer<Form2> dialog = windows_.ShowFileDialog(c.mode);
        Run(c.mode, path);
        EXPECT_EQ(actions_.Calls, c.calls);
        EXPECT_EQ(windows_.FileDialog(), nullptr);
        LetClosedWindowsGo();
        EXPECT_TRUE(dialog.isNull());
    }
}

TEST_F(FileWindowsTest, SaveToAPathWithNoFileWritesByPattern) {
    MakeDir("folder");
    const struct {
        FileDialogMode mode;
        QString path;
        const char* writer;
        bool written;
    } cases[] = {
        {FileDialogMode::DeckSave, Path("new.dek"), "SaveDeckFile", true},
        {FileDialogMode::HtmlSave, Path("new.htm"), "SaveDeckHtml", true},
        {FileDialogMode::DeckSave, Path("odd.htm"), "SaveDeckFile", true},  // the mode decides
        {FileDialogMode::DeckSave, "bare.dek", "SaveDeckFile", true},  // the process's directory
        // No file is there, and nothing can be written either.
        {FileDialogMode::DeckSave, DirText(), "SaveDeckFile", false},
        {FileDialogMode::HtmlSave, Path("folder"), "SaveDeckHtml", false},
        {FileDialogMode::DeckSave, "", "SaveDeckFile", false},
    };
    for (const auto& c : cases) {
        actions_.Calls.clear();
        Run(c.mode, c.path);
        QStringList expected = {"SetStatus Save " + c.path, c.writer + (" " + c.path)};
        if (!c.written) {
            expected << "MarkStatusFailed";
        }
        EXPECT_EQ(actions_.Calls, expected);
        EXPECT_EQ(windows_.Confirmation(), nullptr);
        EXPECT_EQ(windows_.FileDialog(), nullptr);
    }
    EXPECT_EQ(Contents("new.dek") + Contents("new.htm") + Contents("bare.dek"), "deckhtmldeck");
}

TEST_F(FileWindowsTest, ExistingFileIsOnlyReplacedAfterYes) {
    const QString path = Path("there.dek");
    // A click when no key is given; an empty target is the window itself.
    const struct {
        const char* answer;
        const char* target;
        Qt::Key key;
    } answers[] = {
        {"no", "Command2", Qt::Key_unknown},  {"Esc", "", Qt::Key_Escape},
        {"Enter", "", Qt::Key_Return},        {"Enter on yes", "Command1", Qt::Key_Return},
        {"yes", "Command1", Qt::Key_unknown},
    };
    for (const auto& a : answers) {
        MakeFile("there.dek", "old");
        actions_.Calls.clear();
        Run(FileDialogMode::DeckSave, path);
        EXPECT_EQ(actions_.Calls, QStringList({"SetStatus Save " + path}));
        EXPECT_EQ(windows_.FileDialog(), nullptr);
        QPointer<Form3> confirmation = windows_.Confirmation();
        ASSERT_TRUE(confirmation);
        EXPECT_TRUE(confirmation->isVisible());
        EXPECT_EQ(confirmation->TargetPath, path);
        EXPECT_EQ(confirmation->TargetKind, SaveKind::DeckFile);

        QWidget* target = *a.target ? Find<QWidget>(confirmation, a.target) : confirmation.data();
        if (a.key == Qt::Key_unknown) {
            QTest::mouseClick(target, Qt::LeftButton);
        } else {
            QTest::keyClick(target, a.key);
        }
        const bool yes = QString(a.answer) == "yes";
        EXPECT_EQ(windows_.Confirmation(), nullptr) << a.answer;
        LetClosedWindowsGo();
        EXPECT_TRUE(confirmation.isNull()) << a.answer;
        EXPECT_EQ(Contents("there.dek"), yes ? "deck" : "old") << a.answer;
        EXPECT_EQ(actions_.Calls.size(), yes ? 2 : 1) << a.answer;
    }
}

TEST_F(FileWindowsTest, ConfirmationShowsThePathAndTheWholeQuestion) {
    const QString name = "a<b>&c.htm";
    MakeFile(name);
    Run(FileDialogMode::HtmlSave, Path(name));
    Form3* confirmation = windows_.Confirmation();
    ASSERT_NE(confirmation, nullptr);
    EXPECT_EQ(confirmation->objectName(), "Form3");
    EXPECT_EQ(confirmation->windowTitle(), "ERROR");
    EXPECT_FALSE(confirmation->isModal());
    auto* label1 = Find<QLabel>(confirmation, "Label1");
    EXPECT_EQ(label1->text(), U(u"ファイル：") + Path(name));
    EXPECT_EQ(label1->textFormat(), Qt::PlainText);  // a path is never markup
    auto* label2 = Find<QLabel>(confirmation, "Label2");
    EXPECT_EQ(label2->text(), U(u"は既に存在しています。上書きしますか？"));
    EXPECT_EQ(label2->pos(), QPoint(80, 32));
    EXPECT_LE(label2->fontMetrics().horizontalAdvance(label2->text()),
              label2->contentsRect().width());
    EXPECT_LE(label2->geometry().right(), confirmation->width());
    EXPECT_EQ(Find<QPushButton>(confirmation, "Command1")->text(), U(u"はい"));
    EXPECT_EQ(Find<QPushButton>(confirmation, "Command2")->text(), U(u"いいえ"));
    EXPECT_TRUE(Find<QPushButton>(confirmation, "Command2")->isDefault());

    Press(confirmation, "Command1");
    EXPECT_EQ(actions_.Calls.last(), "SaveDeckHtml " + Path(name));
    EXPECT_EQ(Contents(name), "html");
}

TEST_F(FileWindowsTest, SecondSaveReshowsTheOpenConfirmationUnchanged) {
    MakeFile("first.dek");
    MakeFile("second.htm");
    Run(FileDialogMode::DeckSave, Path("first.dek"));
    Form3* first = windows_.Confirmation();
    ASSERT_NE(first, nullptr);
    first->hide();

    Run(FileDialogMode::HtmlSave, Path("second.htm"));
    EXPECT_EQ(windows_.Confirmation(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->TargetPath, Path("first.dek"));
    EXPECT_EQ(first->TargetKind, SaveKind::DeckFile);
    EXPECT_EQ(Find<QLabel>(first, "Label1")->text(), U(u"ファイル：") + Path("first.dek"));

    Press(first, "Command1");
    EXPECT_EQ(Contents("first.dek") + Contents("second.htm"), "deckold");
}

TEST_F(FileWindowsTest, WhatCannotBeReadStillExists) {
    MakeFile("locked.dek");
    ASSERT_TRUE(QFile::setPermissions(Path("locked.dek"), {}));
    ASSERT_TRUE(QFile::link(Path("missing-target.dek"), Path("dangling.dek")));
    for (const char* name : {"locked.dek", "dangling.dek"}) {
        actions_.Calls.clear();
        Run(FileDialogMode::DeckSave, Path(name));
        EXPECT_EQ(actions_.Calls.size(), 1) << name;
        Form3* confirmation = windows_.Confirmation();
        ASSERT_NE(confirmation, nullptr);
        EXPECT_EQ(confirmation->TargetPath, Path(name));
        confirmation->close();  // the close box answers no
        EXPECT_EQ(actions_.Calls.size(), 1) << name;
    }
    QFile::setPermissions(Path("locked.dek"), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(Contents("locked.dek"), "old");
}

TEST_F(FileWindowsTest, FailedOverwriteIsMarked) {
    MakeFile("deck.dek");
    Run(FileDialogMode::DeckSave, Path("deck.dek"));
    Form3* confirmation = windows_.Confirmation();
    ASSERT_NE(confirmation, nullptr);
    // A directory takes the file's place before the answer: it cannot be replaced.
    ASSERT_TRUE(QFile::remove(Path("deck.dek")));
    MakeDir("deck.dek");
    Press(confirmation, "Command1");
    EXPECT_EQ(actions_.Calls.mid(1),
              QStringList({"SaveDeckFile " + Path("deck.dek"), "MarkStatusFailed"}));
    EXPECT_EQ(windows_.Confirmation(), nullptr);
}

TEST_F(FileWindowsTest, OpenDialogIsReusedWithItsDirectoryAndPath) {
    MakeDir("sub");
    MakeFile("sub/page.htm");
    Form2* dialog = windows_.ShowFileDialogForMissingCardList();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(QStringList({dialog->windowTitle(), dialog->Pattern()}),
              QStringList({"File Open", "*"}));
    ASSERT_TRUE(dialog->SetDirectory(root_ + "/sub"));
    Find<QLineEdit>(dialog, "Text1")->setText("typed");

    EXPECT_EQ(windows_.ShowFileDialog(FileDialogMode::HtmlSave), dialog);
    EXPECT_EQ(dialog->windowTitle(), "File Save (HTML)");
    EXPECT_EQ(dialog->Directory(), DirText("sub"));
    EXPECT_EQ(Find<QLineEdit>(dialog, "Text1")->text(), "typed");
    EXPECT_EQ(Find<QListWidget>(dialog, "File1")->count(), 1);

    // A card list that cannot be read brings the open dialog forward and leaves its mode.
    EXPECT_EQ(windows_.ShowFileDialogForMissingCardList(), dialog);
    EXPECT_EQ(dialog->Pattern(), "*.htm");
}

TEST_F(FileWindowsTest, CloseForgetsTheDialogAtOnceAndDoesNothingElse) {
    QPointer<Form2> first = windows_.ShowFileDialog(FileDialogMode::DeckSave);
    Press(first, "Command2");
    EXPECT_TRUE(actions_.Calls.isEmpty());
    EXPECT_EQ(windows_.FileDialog(), nullptr);
    // A command before the closed dialog is deleted gets a fresh one.
    Form2* second = windows_.ShowFileDialog(FileDialogMode::DeckOpen);
    EXPECT_NE(second, first.data());
    LetClosedWindowsGo();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(windows_.FileDialog(), second);
}

TEST_F(FileWindowsTest, CardListThatCannotBeOpenedRefocusesTheRunningDialog) {
    QPointer<Form2> dialog = windows_.ShowFileDialog(FileDialogMode::CardList);
    bool sameDialogWhileLoading = false;
    // What the main window does when the loader cannot open its file.
    actions_.DuringLoadCardList = [&] {
        sameDialogWhileLoading =
            windows_.ShowFileDialogForMissingCardList() == dialog && dialog->isVisible();
    };
    actions_.LoadResult = false;
    Run(FileDialogMode::CardList, "missing.csv");
    EXPECT_TRUE(sameDialogWhileLoading);
    EXPECT_EQ(actions_.Calls.mid(2), QStringList({"RefreshCardList", "MarkStatusFailed"}));
    EXPECT_EQ(windows_.FileDialog(), nullptr);
    LetClosedWindowsGo();
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(FileWindowsTest, WindowsGoWithTheirCoordinator) {
    auto windows = std::make_unique<FileWindows>(actions_);
    QPointer<Form2> dialog = windows->ShowFileDialog(FileDialogMode::DeckSave);
    emit dialog->OverwriteRequested(Path("there.dek"), SaveKind::DeckFile);
    QPointer<Form3> confirmation = windows->Confirmation();
    ASSERT_TRUE(confirmation);
    windows.reset();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(confirmation.isNull());
}

}  // namespace
}  // namespace kestrava::test
