// The main window's file commands against what users and disks do: a file that vanishes while
// the overwrite question is open, a disk that stops taking bytes half way, folders that cannot
// be written, files that cannot be read, very large inputs, and paths with Japanese characters
// and blanks. Nothing may be lost, and the status label says when an operation failed.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "Form1Fixture.h"
#include "files/DeckFile.h"
#include "files/DeckHtml.h"
#include "files/ui/FileWindows.h"
#include "files/ui/Form2.h"
#include "files/ui/Form3.h"
#include "platform/Cp932.h"
#include "platform/TextFile.h"
#include "robustness/NoiseBytes.h"
#include "robustness/ScopedFileLimits.h"

namespace kestrava::test {
namespace {

QString U(const char16_t* text) {
    return QString::fromUtf16(text);
}

const QString kFailed = U(u" (失敗)");

// How a save is started from the menu, and what it writes.
struct SaveCommand {
    const char* Name;
    const char* Action;
    bool Html;
    const char* Extension;
};

const SaveCommand kSaveCommands[] = {{"deck file", "Save", false, ".dek"},
                                     {"html page", "print_HTML", true, ".htm"}};

// Makes dir the process's current directory, where a new file dialog starts, for the scope.
class ScopedCurrentDir {
  public:
    explicit ScopedCurrentDir(const QString& dir) : old_(QDir::currentPath()) {
        QDir::setCurrent(dir);
    }
    ~ScopedCurrentDir() { QDir::setCurrent(old_); }
    ScopedCurrentDir(const ScopedCurrentDir&) = delete;
    ScopedCurrentDir& operator=(const ScopedCurrentDir&) = delete;

  private:
    QString old_;
};

class RobustnessTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        Click("Check24");
        SelectCard(1);  // G-1
        Click("Command2");
        Find<QLineEdit>("Text2")->setText(U(u"森のデッキ"));
    }

    QString Path(const QString& name) const {
        return QDir::toNativeSeparators(dir_.filePath(name));
    }
    Form2* Menu(const char* action) {
        form_->findChild<QAction*>(action)->trigger();
        return form_->Files().FileDialog();
    }
    // Puts path into the dialog's path box as pasted (key clicks carry ASCII only) and presses
    // Enter there.
    void Enter(Form2* dialog, const QString& path) {
        ASSERT_NE(dialog, nullptr);
        auto* text = dialog->findChild<QLineEdit*>("Text1");
        text->selectAll();
        text->insert(path);
        QTest::keyClick(text, Qt::Key_Return);
        QApplication::processEvents();
    }
    // Answers the open overwrite confirmation: "はい" is Command1, "いいえ" Command2.
    void Answer(const char* button) {
        Form3* confirmation = form_->Files().Confirmation();
        ASSERT_NE(confirmation, nullptr);
        QTest::mouseClick(confirmation->findChild<QPushButton*>(button), Qt::LeftButton);
        QApplication::processEvents();
    }
    // What the window's deck would be written as.
    QByteArray Expected(bool html) const {
        const Deck& deck = form_->CurrentDeck();
        const DeckTallies& tallies = form_->Tallies();
        return EncodeCp932Lines(html ? DeckHtmlLines(deck, tallies, catalogue_.FactionNames)
                                     : DeckFileLines(deck, tallies, catalogue_.FactionNames));
    }
    QStringList Entries(const QString& folder) const {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                      QDir::NoDotAndDotDot);
    }
    QString Status() const { return Text("Label24"); }

    // A deck file of lines entries of G-1, each with count copies.
    QByteArray DeckFileOf(int lines, int count) const {
        QStringList text = {U(u"大きなデッキ")};
        for (int i = 0; i < lines; ++i) {
            text << U(u"G-1 森の城") + QString::number(i) + U(u"  × ") + QString::number(count);
        }
        return EncodeCp932Lines(text);
    }

#if defined(Q_OS_UNIX)
    // Saves the window's deck while the disk takes only half of the file: as a new file, and
    // over an existing one after "はい". The old file keeps every byte, no other file appears,
    // and the status says the save failed.
    void ExpectCutShortSavesLoseNothing() {
        const QString folder = dir_.filePath("saves");
        ASSERT_TRUE(QDir().mkpath(folder));
        const QByteArray old("前の中身\r\n");
        for (const SaveCommand& command : kSaveCommands) {
            for (bool existing : {false, true}) {
                SCOPED_TRACE(::testing::Message()
                             << command.Name << (existing ? " over a file" : " as a new file"));
                const QString name = QString(existing ? "old" : "new") + command.Extension;
                const QString path = QDir::toNativeSeparators(folder + "/" + name);
                if (existing) {
                    WriteBytes(path, old);
                }
                const rlim_t half = rlim_t(Expected(command.Html).size() / 2);
                Form2* dialog = Menu(command.Action);
                if (existing) {
                    Enter(dialog, path);
                    const ScopedFileSizeLimit limit(half);
                    ASSERT_TRUE(limit.Active());
                    Answer("Command1");
                } else {
                    const ScopedFileSizeLimit limit(half);
                    ASSERT_TRUE(limit.Active());
                    Enter(dialog, path);
                }
                EXPECT_EQ(Status(), "Save " + path + kFailed);
                EXPECT_EQ(ReadBytes(path), existing ? old : QByteArray());
                EXPECT_EQ(Entries(folder), existing ? QStringList{name} : QStringList{});
                QFile::remove(path);
            }
        }
    }
#endif
};

TEST_F(RobustnessTest, FileThatVanishesBeforeYesIsWrittenAfresh) {
    for (const SaveCommand& command : kSaveCommands) {
        SCOPED_TRACE(command.Name);
        const QString path = Path(U(u"消える") + command.Extension);
        WriteBytes(path, "old");
        Enter(Menu(command.Action), path);
        ASSERT_NE(form_->Files().Confirmation(), nullptr);
        ASSERT_TRUE(QFile::remove(path));
        Answer("Command1");
        EXPECT_EQ(Status(), "Save " + path);
        EXPECT_EQ(ReadBytes(path), Expected(command.Html));
        EXPECT_EQ(form_->Files().Confirmation(), nullptr);
        QFile::remove(path);
    }
}

TEST_F(RobustnessTest, DiskThatStopsHalfWayThroughALargeDeckLosesNothing) {
#if defined(Q_OS_UNIX)
    // Larger than the file device's 16 KiB buffer: the lines reach the disk as they are written.
    const QString deckPath = Path("large.dek");
    WriteBytes(deckPath, DeckFileOf(1000, 1));
    Enter(Menu("DeckOpen"), deckPath);
    ASSERT_EQ(form_->CurrentDeck().Lines.size(), 1000u);
    ASSERT_GT(Expected(true).size(), 32 * 1024);
    ExpectCutShortSavesLoseNothing();
#else
    GTEST_SKIP() << "file size limits are a POSIX facility";
#endif
}

// A deck small enough to be written only when the save is committed must not replace an
// existing file with its first half, and the status must say that the save failed.
TEST_F(RobustnessTest, DiskThatStopsHalfWayThroughASmallDeckLosesNothing) {
#if defined(Q_OS_UNIX)
    ExpectCutShortSavesLoseNothing();
#else
    GTEST_SKIP() << "file size limits are a POSIX facility";
#endif
}

TEST_F(RobustnessTest, ReadOnlyFolderRefusesSavesAndKeepsItsFile) {
    if (!PermissionsBind()) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    const QString folder = dir_.filePath("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString oldPath = QDir::toNativeSeparators(folder + "/old.dek");
    const QByteArray old("前の中身\r\n");
    WriteBytes(oldPath, old);
    const ScopedPermissions readOnly(folder, kReadOnlyFolder);
    ASSERT_TRUE(readOnly.Active());
    for (const SaveCommand& command : kSaveCommands) {
        for (bool existing : {false, true}) {
            SCOPED_TRACE(::testing::Message()
                         << command.Name << (existing ? " over a file" : " as a new file"));
            const QString path = existing ? oldPath : QDir::toNativeSeparators(folder + "/new.dek");
            Enter(Menu(command.Action), path);
            if (existing) {
                Answer("Command1");
            }
            EXPECT_EQ(Status(), "Save " + path + kFailed);
            EXPECT_EQ(ReadBytes(oldPath), old);
            EXPECT_EQ(Entries(folder), QStringList{"old.dek"});
        }
    }
}

TEST_F(RobustnessTest, OpensThatFailAreMarkedAndChangeNothing) {
    const QString folder = Path(U(u"フォルダ.dek"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString locked = Path("locked.dek");
    WriteBytes(locked, DeckFileOf(3, 1));
    const ScopedPermissions noAccess(locked, {});
    const struct {
        const char* Name;
        const char* Action;
        QString Path;
        bool NeedsPermissions;
    } cases[] = {
        {"deck from a folder", "DeckOpen", folder, false},
        {"deck without read permission", "DeckOpen", locked, true},
        {"card list from a folder", "Open", folder, false},
        {"card list without read permission", "Open", locked, true},
    };
    const QStringList deck = Lines("List2");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        if (c.NeedsPermissions && !PermissionsBind()) {
            continue;  // permissions do not bind the superuser
        }
        Enter(Menu(c.Action), c.Path);
        EXPECT_EQ(Status(), "Load " + c.Path + kFailed);
        EXPECT_EQ(Lines("List2"), deck);
        EXPECT_EQ(Find<QLineEdit>("Text1")->text(), "4");
        EXPECT_EQ(Find<QLineEdit>("Text2")->text(), U(u"森のデッキ"));
        EXPECT_EQ(catalogue_.CardCount, 5);
        EXPECT_EQ(Lines("List1").size(), 4);
        // The card list's failure brings the dialog back to the front; it closes all the same.
        EXPECT_EQ(form_->Files().FileDialog(), nullptr);
    }
}

TEST_F(RobustnessTest, LargeFilesOpenThroughTheWindow) {
    // 10 000 lines of four: the 8192nd would take the total past 32767.
    const QString deckPath = Path(U(u"一万行.dek"));
    WriteBytes(deckPath, DeckFileOf(10000, 4));
    Enter(Menu("DeckOpen"), deckPath);
    EXPECT_EQ(Status(), "Load " + deckPath);
    EXPECT_EQ(Lines("List2").size(), 8191);
    EXPECT_EQ(Lines("List2").back(), U(u"G-1 森の城8190"));
    EXPECT_EQ(Lines("List3").size(), 8191);
    EXPECT_EQ(Find<QLineEdit>("Text1")->text(), "32764");
    EXPECT_EQ(Text("Label16"), "32764");  // G-1 is a castle
    EXPECT_EQ(Text("Label28"), "32764");  // of faction G

    // A full table's worth of cards, then noise that must not be read.
    QByteArray cards;
    for (int i = 0; i < kCardTableSize; ++i) {
        cards += EncodeCp932(
                     CardLine(QStringLiteral("G-%1").arg(i, 4, 10, QChar(u'0')), U(u"大量の札"))) +
                 "\r\n";
    }
    const QString listPath = Path(U(u"大量.csv"));
    WriteBytes(listPath, cards + NoiseBytes(7, 2 * 1024 * 1024));
    Enter(Menu("Open"), listPath);
    EXPECT_EQ(Status(), "Load " + listPath);
    EXPECT_EQ(catalogue_.CardCount, kCardTableSize);
    EXPECT_EQ(Lines("List1").size(), kCardTableSize);
    EXPECT_EQ(Lines("List2").size(), 8191);  // the deck stays
}

// A line break pasted into the deck name must not reach the name line, where its second half
// would read back as an entry line that ends the reading and loses the whole deck.
TEST_F(RobustnessTest, DeckNameWithAPastedLineBreakKeepsTheDeck) {
    for (const char16_t* pasted : {u"上\n下", u"上\r\n下", u"上\r下"}) {
        SCOPED_TRACE(QString::fromUtf16(pasted).toHtmlEscaped().toStdString());
        QApplication::clipboard()->setText(QString::fromUtf16(pasted));
        auto* name = Find<QLineEdit>("Text2");
        name->selectAll();
        QTest::keySequence(name, QKeySequence::Paste);
        const QString path = Path("name.dek");
        QFile::remove(path);
        Enter(Menu("Save"), path);
        Enter(Menu("DeckOpen"), path);
        EXPECT_EQ(Lines("List2"), QStringList{U(u"G-1 森の城")});
        EXPECT_EQ(Find<QLineEdit>("Text1")->text(), "4");
        EXPECT_FALSE(Find<QLineEdit>("Text2")->text().contains(QRegularExpression("[\r\n]")));
    }
}

TEST_F(RobustnessTest, JapanesePathsWithBlanksWorkThroughTheDialog) {
    const QString folderName = U(u"デッキ 置き場");
    ASSERT_TRUE(QDir(dir_.path()).mkdir(folderName));
    const QString folder = QDir::toNativeSeparators(dir_.filePath(folderName)) + QDir::separator();
    const ScopedCurrentDir here(dir_.path());

    // Each command opens a new dialog in the current directory; the user goes down into the
    // folder, then types a file name after it or clicks one in the file list.
    const auto openFolder = [this, &folderName](const char* action) {
        Form2* dialog = Menu(action);
        auto* folders = dialog->findChild<QListWidget*>("Dir1");
        const QList<QListWidgetItem*> items = folders->findItems(folderName, Qt::MatchEndsWith);
        EXPECT_EQ(items.size(), 1);
        if (!items.isEmpty()) {
            // A double click arrives as press, release, double click, release.
            folders->scrollToItem(items.front());
            const QPoint at = folders->visualItemRect(items.front()).center();
            QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(folders->viewport(), Qt::LeftButton, {}, at);
        }
        return dialog;
    };
    const auto typeName = [](Form2* dialog, const QString& name) {
        auto* text = dialog->findChild<QLineEdit*>("Text1");
        text->end(false);
        text->insert(name);
        QTest::keyClick(text, Qt::Key_Return);
        QApplication::processEvents();
    };
    const auto chooseFile = [](Form2* dialog, const QString& name) {
        auto* files = dialog->findChild<QListWidget*>("File1");
        const QList<QListWidgetItem*> items = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        files->scrollToItem(items.front());
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(items.front()).center());
        QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QApplication::processEvents();
    };

    const QString deckName = U(u"新しい デッキ.dek");
    typeName(openFolder("Save"), deckName);
    EXPECT_EQ(Status(), "Save " + folder + deckName);
    EXPECT_EQ(ReadBytes(folder + deckName), Expected(false));

    const QString pageName = U(u"新しい デッキ.htm");
    typeName(openFolder("print_HTML"), pageName);
    EXPECT_EQ(Status(), "Save " + folder + pageName);
    EXPECT_EQ(ReadBytes(folder + pageName), Expected(true));

    // Change the deck, then open the saved one again.
    SelectCard(0);
    Click("Command4");
    chooseFile(openFolder("DeckOpen"), deckName);
    EXPECT_EQ(Status(), "Load " + folder + deckName);
    EXPECT_EQ(Lines("List2"), QStringList{U(u"G-1 森の城")});
    EXPECT_EQ(Find<QLineEdit>("Text1")->text(), "4");

    const QString listName = U(u"カード 一覧.csv");
    WriteBytes(folder + listName,
               CardListBytes({CardLine("E-7", U(u"新しい札")), CardLine("D-3", U(u"帝国の札"))}));
    chooseFile(openFolder("Open"), listName);
    EXPECT_EQ(Status(), "Load " + folder + listName);
    EXPECT_EQ(catalogue_.CardCount, 2);
    EXPECT_EQ(Lines("List1"), QStringList({"D-3 " + U(u"帝国の札"), "E-7 " + U(u"新しい札")}));
}

}  // namespace
}  // namespace kestrava::test
