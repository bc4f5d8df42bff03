// The file dialog on its own: its controls, its four modes, and moving between directories
// and drives as a user does.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <unistd.h>

#include "FileDialogFixture.h"
#include "files/ui/DirectoryListing.h"
#include "files/ui/Form2.h"

namespace kestrava::test {
namespace {

QStringList Texts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts << list->item(row)->text();
    }
    return texts;
}

int RowOf(const QListWidget* list, const QString& name) {
    const QStringList texts = Texts(list);
    for (int row = 0; row < texts.size(); ++row) {
        if (texts[row].trimmed() == name) {
            return row;
        }
    }
    return -1;
}

QPoint Centre(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    return list->visualItemRect(list->item(row)).center();
}

// A widget double click arrives as press, release, double click, release.
void DoubleClick(QListWidget* list, int row) {
    ASSERT_GE(row, 0);
    const QPoint at = Centre(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

class FileDialogTest : public FileDialogFixture {
  protected:
    void SetUp() override {
        FileDialogFixture::SetUp();
        dialog_ = new Form2(actions_);
        dialog_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_));
    }
    QListWidget* Dir1() { return Find<QListWidget>(dialog_, "Dir1"); }
    QListWidget* File1() { return Find<QListWidget>(dialog_, "File1"); }
    QLineEdit* Text1() { return Find<QLineEdit>(dialog_, "Text1"); }
    // All a failed change of directory must leave alone.
    QStringList State() {
        return QStringList{dialog_->Directory(), Text1()->text()} + Texts(Dir1()) + Texts(File1());
    }

    Form2* dialog_ = nullptr;
};

TEST_F(FileDialogTest, ControlsFollowTheDesign) {
    EXPECT_EQ(dialog_->objectName(), "Form2");
    EXPECT_EQ(dialog_->windowTitle(), "File Open");
    EXPECT_FALSE(dialog_->isModal());
    EXPECT_TRUE(dialog_->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(dialog_->minimumSize(), QSize(280, 199));
    EXPECT_EQ(dialog_->maximumSize(), QSize(280, 199));
    EXPECT_EQ(Find<QComboBox>(dialog_, "Drive1")->toolTip(), U(u"ドライブの変更"));
    EXPECT_EQ(Dir1()->toolTip(), U(u"ディレクトリの指定"));
    EXPECT_EQ(File1()->font().family(), U(u"ＭＳ ゴシック"));
    EXPECT_TRUE(Find<QPushButton>(dialog_, "Command1")->isDefault());
    EXPECT_EQ(Find<QPushButton>(dialog_, "Command2")->text(), "Close");
    auto* help = Find<QPushButton>(dialog_, "Command3");
    EXPECT_FALSE(help->isEnabled());
    EXPECT_EQ(help->toolTip(), U(u"作成中"));
    EXPECT_EQ(dialog_->Directory(), DirText());
    EXPECT_EQ(Text1()->text(), DirText());

    QStringList order;
    QWidget* widget = File1();
    do {
        order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != File1());
    order = order.filter(QRegularExpression("^(Text|Dir|File|Drive|Command)\\d$"));
    EXPECT_EQ(order, QStringList(
                         {"File1", "Dir1", "Drive1", "Command1", "Command2", "Command3", "Text1"}));
}

TEST_F(FileDialogTest, EveryDirectoryEndsInOneSeparator) {
    ASSERT_TRUE(dialog_->SetDirectory(QDir::rootPath()));
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    EXPECT_EQ(QStringList({dialog_->Directory(), Text1()->text(), Dir1()->item(0)->text()}),
              QStringList({root, root, root}));

    const QString sep = QDir::separator();
    const QString cases[][2] = {
        {QDir::rootPath(), root},
        {QDir::rootPath() + "a//b//", root + "a" + sep + "b" + sep},
        {QDir::rootPath() + "a/./c/../b", root + "a" + sep + "b" + sep},
        {"sub", DirText("sub")},
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(DirectoryText(input), expected);
    }
}

TEST_F(FileDialogTest, EachModeSetsCaptionButtonAndFilter) {
    for (const char* name : {"b.dek", "A.dek", "UPPER.DEK", "page.htm", "page.html", "noext"}) {
        MakeFile(name);
    }
    MakeDir("folder.dek");
    const struct {
        FileDialogMode mode;
        const char* caption;
        const char* button;
        const char* pattern;
        QStringList files;
    } cases[] = {
        {FileDialogMode::DeckOpen,
         "File Open (Deck)",
         "Open",
         "*.dek",
         {"A.dek", "b.dek", "UPPER.DEK"}},
        {FileDialogMode::DeckSave,
         "File Save (Deck)",
         "Save",
         "*.dek",
         {"A.dek", "b.dek", "UPPER.DEK"}},
        {FileDialogMode::HtmlSave, "File Save (HTML)", "Save", "*.htm", {"page.htm"}},
        {FileDialogMode::CardList,
         "File Open",
         "Open",
         "*",
         {"A.dek", "b.dek", "noext", "page.htm", "page.html", "UPPER.DEK"}},
    };
    for (const auto& c : cases) {
        dialog_->SetMode(c.mode);
        EXPECT_EQ(dialog_->windowTitle(), c.caption);
        EXPECT_EQ(Find<QPushButton>(dialog_, "Command1")->text(), c.button);
        EXPECT_EQ(dialog_->Pattern(), c.pattern);
        EXPECT_EQ(Texts(File1()), c.files) << c.caption;
        EXPECT_EQ(Text1()->text(), DirText()) << "a mode keeps the path";
    }
}

TEST_F(FileDialogTest, DirectoryListGoesDownAndUp) {
    MakeDir("outer/inner");
    MakeDir("outer/Beta");
    MakeDir("outer/alpha");
    MakeFile("outer/inner/cards.csv");
    MakeFile("outer/top.csv");
    ASSERT_TRUE(dialog_->SetDirectory(root_ + "/outer"));

    // Ancestors from the root, each one step further in, then the subdirectories.
    const int depth = RowOf(Dir1(), "outer") + 1;
    EXPECT_EQ(Dir1()->currentRow(), depth - 1);
    QList<int> indents;
    for (const QString& text : Texts(Dir1())) {
        indents << text.size() - text.trimmed().size();
    }
    ASSERT_GT(indents[1], 0);
    for (int row = 1; row < Dir1()->count(); ++row) {
        EXPECT_EQ(indents[row] - indents[row - 1], row <= depth ? indents[1] : 0) << row;
    }
    EXPECT_EQ(Texts(Dir1()).mid(depth).replaceInStrings(" ", ""),
              QStringList({"alpha", "Beta", "inner"}));
    EXPECT_EQ(Texts(File1()), QStringList({"top.csv"}));

    DoubleClick(Dir1(), RowOf(Dir1(), "inner"));
    EXPECT_EQ(QStringList({dialog_->Directory(), Text1()->text()}),
              QStringList({DirText("outer/inner"), DirText("outer/inner")}));
    EXPECT_EQ(Texts(File1()), QStringList({"cards.csv"}));

    Dir1()->setCurrentRow(depth - 2);  // the temporary folder
    QTest::keyClick(Dir1(), Qt::Key_Return);
    EXPECT_EQ(QStringList({dialog_->Directory(), Text1()->text()}),
              QStringList({DirText(), DirText()}));
    EXPECT_TRUE(dialog_->isVisible()) << "Enter on a directory must not press the action button";
    EXPECT_TRUE(actions_.Calls.isEmpty());
}

TEST_F(FileDialogTest, DirectoryThatCannotBeReadLeavesTheDialogWhereItWas) {
    MakeDir("gone");
    MakeDir("locked");
    MakeFile("here.csv");
    ASSERT_TRUE(dialog_->SetDirectory(root_));
    const QStringList before = State();

    const int gone = RowOf(Dir1(), "gone");
    ASSERT_TRUE(QDir(root_).rmdir("gone"));
    DoubleClick(Dir1(), gone);
    EXPECT_EQ(State(), before);

    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    ASSERT_TRUE(QFile::setPermissions(root_ + "/locked", {}));
    DoubleClick(Dir1(), RowOf(Dir1(), "locked"));
    QFile::setPermissions(root_ + "/locked",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(State(), before);
}

TEST_F(FileDialogTest, ChangeOfDriveGoesToItsRoot) {
    auto* drives = Find<QComboBox>(dialog_, "Drive1");
    ASSERT_EQ(drives->count(), QDir::drives().size());
    drives->showPopup();
    drives->view()->setCurrentIndex(drives->model()->index(drives->count() - 1, 0));
    QTest::keyClick(drives->view(), Qt::Key_Return);

    const QString root = QDir::toNativeSeparators(QDir::drives().last().absoluteFilePath());
    EXPECT_EQ(QStringList({drives->currentText(), dialog_->Directory(), Text1()->text()}),
              QStringList({root, root, root}));
    EXPECT_EQ(Texts(File1()), MatchingFileNames(root, "*"));
    if (File1()->count() > 0) {
        QTest::mouseClick(File1()->viewport(), Qt::LeftButton, {}, Centre(File1(), 0));
        EXPECT_EQ(Text1()->text(), root + File1()->item(0)->text());
    }
}

TEST_F(FileDialogTest, ChosenFileGoesIntoThePathAndEnterOpensIt) {
    MakeFile("first.dek");
    MakeFile("second.dek");
    dialog_->SetMode(FileDialogMode::DeckOpen);
    Text1()->setText("typed");
    QTest::mouseClick(File1()->viewport(), Qt::LeftButton, {}, Centre(File1(), 1));
    EXPECT_EQ(Text1()->text(), Path("second.dek"));

    // Refilling the list is no choice of the user's.
    Text1()->setText("typed");
    dialog_->SetMode(FileDialogMode::DeckOpen);
    EXPECT_EQ(Text1()->text(), "typed");

    File1()->setFocus();
    QTest::keyClick(File1(), Qt::Key_Down);
    EXPECT_EQ(Text1()->text(), Path("first.dek"));
    QTest::keyClick(File1(), Qt::Key_Return);
    EXPECT_EQ(actions_.Calls, QStringList({"SetStatus Load " + Path("first.dek"),
                                           "LoadDeckFile " + Path("first.dek")}));
}

}  // namespace
}  // namespace kestrava::test
