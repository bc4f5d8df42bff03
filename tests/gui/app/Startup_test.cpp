// The program's start: the card list first, then a deck a crash left and the deck named on the
// command line; without a card list the file dialog asks for one and the decks wait for it.
#include <optional>

#include "Form1Fixture.h"
#include "files/RecoveryCopy.h"

namespace kestrava::test {
namespace {

// A deck of two fixture cards, three castles and one commander.
class StartWithDeckTest : public Form1Test {
  protected:
    // A fresh main window started with cardList and deck.
    void StartWith(const QString& cardList, const QString& deck) {
        form_.reset();
        catalogue_ = CardCatalogue();
        NewForm();
        Main(catalogue_, *form_, cardList, deck);
    }
    void CloseDialog() {
        QTest::mouseClick(form_->Files().FileDialog()->findChild<QPushButton*>("Command2"),
                          Qt::LeftButton);
    }

    const QString deckPath_ = DeckFile(
        U(u"森のデッキ.dek"), {U(u"森のデッキ"), U(u"G-1 森の城  × 3"), U(u"C-1 混沌の将  × 1")});
    const QString missing_ = CardListPathIn(dir_.filePath("elsewhere"));
    const QString unreadable_ = "/proc/self/mem";
};

struct StartCase {
    const char* Name;
    QString CardList;
    std::optional<QString> Opened;  // what the dialog asking for a card list loads; "": closed
    QString StatusBefore;           // the status line while that dialog asks
    QString Status;                 // once all is done: the deck's load when it was read
};

QString Loaded(const QString& path) {
    return "Load " + path;
}
QString Failed(const QString& path) {
    return "Load " + path + QString::fromUtf16(u" (失敗)");
}

// The deck is read after the card list, counted against its cards. No deck is read against no
// cards: a card list that cannot be read keeps its failure on the status line, and one the
// dialog must ask for holds the deck back until the dialog has loaded one.
TEST_F(StartWithDeckTest, OpensTheDeckOnceACardListIsLoaded) {
    const QString folder = QDir::toNativeSeparators(dir_.path());  // there, but no file
    const StartCase cases[] = {
        {"cards and deck", cardListPath_, {}, {}, Loaded(deckPath_)},
        {"cards unreadable", unreadable_, {}, {}, Failed(unreadable_)},
        {"cards from the dialog", missing_, cardListPath_, Loaded(missing_), Loaded(deckPath_)},
        {"a folder for cards", folder, cardListPath_, Failed(folder), Loaded(deckPath_)},
        {"dialog closed", missing_, "", Loaded(missing_), Failed(deckPath_)},
        {"unreadable from the dialog", missing_, unreadable_, Loaded(missing_),
         Failed(unreadable_)},
    };
    for (const StartCase& test : cases) {
        SCOPED_TRACE(test.Name);
        StartWith(test.CardList, deckPath_);
        EXPECT_TRUE(form_->isVisible());
        Form2* dialog = form_->Files().FileDialog();
        ASSERT_EQ(dialog != nullptr, test.Opened.has_value());
        if (test.Opened) {
            EXPECT_EQ(Text("Label24"), test.StatusBefore);
            EXPECT_TRUE(Lines("List2").isEmpty());
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));  // over the main window
            EXPECT_EQ(dialog->windowTitle(), "File Open");
            test.Opened->isEmpty() ? CloseDialog() : EnterPath(*test.Opened);
            EXPECT_EQ(form_->Files().FileDialog(), nullptr);
        }
        EXPECT_EQ(Text("Label24"), test.Status);
        EXPECT_TRUE(Lines("List1").isEmpty());  // until a box is ticked
        EXPECT_EQ(Lines("List2") << Text("Label16"),
                  test.Status == Loaded(deckPath_)
                      ? QStringList({U(u"G-1 森の城"), U(u"C-1 混沌の将"), "3"})
                      : QStringList({"0"}));
    }
}

// A deck a crash left is offered once the dialog has loaded a card list, never over the dialog,
// and waits for the next start when the dialog closes; the deck named on the command line then
// asks before it replaces the restored one.
TEST_F(StartWithDeckTest, LeftCopyWaitsForTheCardListAndTheDeckAsks) {
    const QString recovery = dir_.filePath("recovery");
    ASSERT_TRUE(RecoveryCopy(recovery).Write(Deck{"left", {{U(u"M-1 水の計略"), 2}}, 2}, {},
                                             DefaultFactionNames(), {}));
    for (const bool loadCards : {false, true}) {
        SCOPED_TRACE(loadCards);
        StartWith(missing_, deckPath_);
        if (loadCards) {
            answers_ << "RestoreButton"
                     << "CancelButton";  // the command line's deck second
            EnterPath(cardListPath_);
        } else {
            CloseDialog();
        }
        EXPECT_EQ(Lines("List2"), loadCards ? QStringList({U(u"M-1 水の計略")}) : QStringList());
        EXPECT_EQ(answers_, QStringList()) << "questions that never came";
        EXPECT_EQ(QDir(recovery).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    }
}

}  // namespace
}  // namespace kestrava::test
