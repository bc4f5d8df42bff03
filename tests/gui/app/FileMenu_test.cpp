// The ファイル menu as a user uses it: its commands reach the files, 最近使ったデッキ opens a
// deck by its number, a pasted deck list replaces the deck, and the about window; Quit is
// DeckSafety_test's. What a file holds is DeckFiles_test's, which decks the recent list holds
// and which answer lets a deck go DeckKeeper_test's, how a pasted list reads
// DeckListImport_test's and ImportDialog_test's.
#include <QClipboard>
#include <QMenu>

#include "Form1Fixture.h"
#include "app/Version.h"
#include "app/frmSplash.h"
#include "files/ui/ImportDialog.h"

namespace kestrava::test {
namespace {

// An unsaved deck: G-1 x4, named 森のデッキ.
class FileMenuTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Begin();
        Add(1, "Command2");
        Find<QLineEdit>("Text2")->insert(U(u"森のデッキ"));  // as typed: the deck takes it
    }
    // Opens the dialog by its shortcut, enters the path and presses Enter.
    void UseKeys(const char* keys, const QString& path) {
        Activate();
        QTest::keySequence(form_.get(), QKeySequence(keys));
        EnterPath(path);
    }
    void Press(QWidget* window, const char* button) {
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    QMenu* RecentDecks() {
        auto* menu = Find<QMenu>("RecentDecks");
        menu->popup(form_->mapToGlobal(QPoint(0, 0)));
        return menu;
    }
};

// The deck read back is the one saved. デッキを開く（追加） has no action: it is shown disabled.
TEST_F(FileMenuTest, SaveThenOpenADeckByTheirShortcuts) {
    EXPECT_FALSE(Find<QAction>("DeckAdd")->isEnabled());
    const QString path = Path(U(u"デッキ 1.dek"));
    UseKeys("Ctrl+S", path);
    Add(0, "Command4");
    QTest::keyClicks(Find<QLineEdit>("Text2"), "other");
    answers_ << "DiscardButton";
    UseKeys("Ctrl+O", path);
    EXPECT_EQ(Lines("List2") << DeckName(), QStringList({U(u"G-1 森の城"), U(u"森のデッキ")}));
}

// Which answer writes is the file dialogs' test; here that yes writes the page itself.
TEST_F(FileMenuTest, ConfirmedHtmlSaveWritesThePage) {
    const QString path = Path("deck.dek");
    WriteBytes(path, "old contents");
    Use("print_HTML", path);
    Press(form_->Files().Confirmation(), "Command1");  // はい
    EXPECT_TRUE(ReadBytes(path).startsWith("<HTML><HEAD><TITLE>"));
}

// A deck kept across another card list counts as the cards its lines now stand for.
TEST_F(FileMenuTest, AnotherCardListRecountsTheStatistics) {
    WriteBytes(Path("cards.csv"), CardListBytes({CardLine("G-1", U(u"森の城"), {{7, "兵力"}})}));
    Use("Open", Path("cards.csv"));
    EXPECT_EQ(Text("Label16") + Text("Label19"), "04");  // no castle now, four troops
}

// A number chosen opens its deck, its path the item's tool tip; 履歴を消去 empties the list.
TEST_F(FileMenuTest, RecentDecksOpenTheDeckChosenByItsNumber) {
    const QString first = DeckFile("first.dek", {"first", U(u"G-2 緑の弓兵  × 1")});
    Use("DeckOpen", first);
    Use("DeckOpen", DeckFile("second.dek", {"second", U(u"M-1 水の計略  × 1")}));
    EXPECT_EQ(RecentDecks()->actions()[1]->toolTip(), first);
    QTest::keyClick(RecentDecks(), Qt::Key_2);
    EXPECT_EQ(Text("Label24"), "Load " + first);
    EXPECT_EQ(Lines("List2"), QStringList{U(u"G-2 緑の弓兵")});
    QMenu* menu = RecentDecks();
    QTest::mouseClick(menu, Qt::LeftButton, {},
                      menu->actionGeometry(menu->actions().last()).center());
    EXPECT_EQ(RecentDecks()->actions().front()->text(), U(u"（履歴なし）"));
    EXPECT_FALSE(menu->actions().front()->isEnabled() || menu->actions().last()->isEnabled());
}

// Ctrl+Shift+V reads the clipboard into the import dialog. Its キャンセル changes nothing;
// 読み込む replaces the deck, keeping its name, once the unsaved-deck question allows it
// (キャンセル there keeps the dialog), as one step Ctrl+Z takes back.
TEST_F(FileMenuTest, PastedDeckListReplacesTheDeckAsOneStep) {
    QGuiApplication::clipboard()->setText(U(u"2 G-1\r\nM-1 水の計略 × 3\r\n"));
    const auto paste = [&] {
        Activate();
        QTest::keyClick(form_.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        return form_->findChild<ImportDialog*>();
    };
    const QStringList before = Lines("List2") + Lines("List3");
    Press(paste(), "CommandCancel");
    TRY_EXPECT(form_->findChild<ImportDialog*>() == nullptr);
    ImportDialog* dialog = paste();
    answers_ << "CancelButton";
    Press(dialog, "CommandImport");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Lines("List2") + Lines("List3"), before);
    answers_ << "DiscardButton";
    Press(dialog, "CommandImport");
    TRY_EXPECT(form_->findChild<ImportDialog*>() == nullptr);
    EXPECT_EQ(Lines("List2") + Lines("List3") << DeckName(),
              QStringList({U(u"G-1 森の城"), U(u"M-1 水の計略"), "2", "3", U(u"森のデッキ")}));
    Activate();
    QTest::keyClick(form_.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Lines("List2") + Lines("List3"), before);
}

// One window, which a modifier alone keeps and Esc closes.
TEST_F(FileMenuTest, AboutShowsTheVersionInOneWindow) {
    Trigger("About");
    QPointer<frmSplash> about = form_->Splash();
    Trigger("About");
    ASSERT_EQ(form_->Splash(), about);
    EXPECT_EQ(about->findChild<QLabel*>("lblVersion")->text(),
              U(u"Version " KESTRAVA_VERSION u"α"));
    QTest::keyClick(about, Qt::Key_Shift);
    EXPECT_TRUE(about->isVisible());
    QTest::keyClick(about, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

}  // namespace
}  // namespace kestrava::test
