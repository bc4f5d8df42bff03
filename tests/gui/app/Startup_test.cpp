#include <QDir>

#include <tuple>

#include "Form1Fixture.h"
#include "files/RecoveryCopy.h"
#include "files/ui/FileWindows.h"
#include "platform/TextFile.h"

namespace kestrava::test {
namespace {

TEST_F(Form1Test, StartsWithTheCardListLoadedAndNothingListed) {
    Start();
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(catalogue_.CardCount(), 5);
    EXPECT_EQ(Find<QListWidget>("List1")->count(), 0);
    EXPECT_EQ(Text("Label24"), "Load " + cardListPath_);
    const QComboBox* combo = Find<QComboBox>("Combo1");
    ASSERT_EQ(combo->count(), 68);
    EXPECT_EQ(combo->currentText(), "ALL");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(form_->Files().FileDialog(), nullptr);
    EXPECT_EQ(form_->centralWidget()->size(), QSize(670, 557));
}

// A deck of two fixture cards, three castles and one commander, as the program saves it.
class StartWithDeckTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        deckPath_ = QDir::toNativeSeparators(dir_.filePath(U(u"森のデッキ.dek")));
        WriteBytes(deckPath_, EncodeCp932Lines({U(u"森のデッキ"), QString(80, u'-'),
                                                U(u"G-1 森の城") + QString(61, u' ') + U(u"× 3"),
                                                U(u"C-1 混沌の将") + QString(59, u' ') + U(u"× 1"),
                                                QString(80, u'-'), QString(68, u' ') + "Total 4"}));
    }
    // A fresh main window started with cardList and deck.
    void StartWith(const QString& cardList, const QString& deck) {
        form_.reset();
        catalogue_ = CardCatalogue();
        NewForm();
        Main(catalogue_, *form_, cardList, deck);
    }
    // The deck's lines and counts, its castles counted against the cards; or nothing.
    void ExpectDeck(bool read) {
        const QStringList lines = {"G-1 " + U(u"森の城"), "C-1 " + U(u"混沌の将")};
        EXPECT_EQ(Lines("List2"), read ? lines : QStringList());
        EXPECT_EQ(Lines("List3"), read ? QStringList({"3", "1"}) : QStringList());
        EXPECT_EQ(Text("Label16"), read ? "3" : "0");
    }

    QString deckPath_;
};

// The deck is read after the card list. No deck is read against no cards: a card list that
// cannot be read keeps its failure on the status line.
TEST_F(StartWithDeckTest, OpensTheDeckAfterTheCardListOrShowsTheFailure) {
    const QString missingDeck = QDir::toNativeSeparators(dir_.filePath("missing.dek"));
    const QString unreadable = "/proc/self/mem";
    // The card list, the deck, the status line after.
    const std::tuple<QString, QString, QString> cases[] = {
        {cardListPath_, deckPath_, "Load " + deckPath_},
        {cardListPath_, missingDeck, "Load " + missingDeck + U(u" (失敗)")},
        {unreadable, deckPath_, "Load " + unreadable + U(u" (失敗)")}};
    for (const auto& [cardList, deck, status] : cases) {
        SCOPED_TRACE(status.toStdString());
        StartWith(cardList, deck);
        EXPECT_EQ(Text("Label24"), status);
        ExpectDeck(cardList == cardListPath_ && deck == deckPath_);
        EXPECT_EQ(form_->Files().FileDialog(), nullptr);
    }
}

// When the dialog asks for the card list, the deck is read after the card list loaded there,
// and not at all when the dialog closes without one.
TEST_F(StartWithDeckTest, WithoutACardListTheDeckWaitsForTheDialog) {
    const QString missing = CardListPathIn(dir_.filePath("elsewhere"));
    const QString folder = QDir::toNativeSeparators(dir_.path());  // there, but no file
    const QString unreadable = "/proc/self/mem";
    const QString failed = U(u" (失敗)");
    // The card list at start-up, the status line then, what the dialog opens ("": closed
    // instead), the status line after.
    const std::tuple<QString, QString, QString, QString> cases[] = {
        {missing, "Load " + missing, cardListPath_, "Load " + deckPath_},
        {folder, "Load " + folder + failed, cardListPath_, "Load " + deckPath_},
        {missing, "Load " + missing, "", "Load " + deckPath_ + failed},
        {missing, "Load " + missing, unreadable, "Load " + unreadable + failed}};
    for (const auto& [cardList, statusBefore, opened, statusAfter] : cases) {
        SCOPED_TRACE((cardList + " then " + opened).toStdString());
        StartWith(cardList, deckPath_);
        EXPECT_EQ(Text("Label24"), statusBefore);
        EXPECT_TRUE(Lines("List2").isEmpty());
        Form2* dialog = form_->Files().FileDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));  // over the main window
        EXPECT_EQ(dialog->windowTitle(), "File Open");
        if (opened.isEmpty()) {
            QTest::mouseClick(dialog->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        } else {
            auto* text = dialog->findChild<QLineEdit*>("Text1");
            text->setText(opened);
            QTest::keyClick(text, Qt::Key_Return);
        }
        EXPECT_EQ(form_->Files().FileDialog(), nullptr);
        EXPECT_EQ(Text("Label24"), statusAfter);
        ExpectDeck(opened == cardListPath_);
    }
}

// A deck a crash left is offered once the dialog has loaded a card list, never over the dialog;
// the deck named on the command line then asks before it replaces the restored one.
TEST_F(StartWithDeckTest, LeftCopyWaitsForTheCardListAndTheDeckAsks) {
    const QString missing = CardListPathIn(dir_.filePath("elsewhere"));
    const QString recovery = dir_.filePath("recovery");
    {
        RecoveryCopy left(recovery);
        ASSERT_TRUE(left.Write(Deck{"left", {{"M-1 " + U(u"水の計略"), 2}}, 2}, {},
                               DefaultFactionNames(), {}));
    }
    for (const bool loadCards : {false, true}) {
        SCOPED_TRACE(loadCards);
        StartWith(missing, deckPath_);
        Form2* dialog = form_->Files().FileDialog();
        ASSERT_NE(dialog, nullptr);
        if (loadCards) {
            answers_ << "RestoreButton"
                     << "CancelButton";  // the command line's deck second
            auto* text = dialog->findChild<QLineEdit*>("Text1");
            text->setText(cardListPath_);
            QTest::keyClick(text, Qt::Key_Return);
            EXPECT_EQ(Lines("List2"), QStringList({"M-1 " + U(u"水の計略")}));
            EXPECT_EQ(Find<QLineEdit>("Text1")->text(), "2");
        } else {
            QTest::mouseClick(dialog->findChild<QPushButton*>("Command2"), Qt::LeftButton);
            EXPECT_TRUE(Lines("List2").isEmpty());
        }
        EXPECT_EQ(answers_, QStringList()) << "questions that never came";
        EXPECT_EQ(QDir(recovery).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    }
}

}  // namespace
}  // namespace kestrava::test
