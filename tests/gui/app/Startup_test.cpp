#include <QDir>

#include "Form1Fixture.h"
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
    void StartWith(const QString& deck) { Main(catalogue_, *form_, cardListPath_, deck); }
    QStringList DeckLines() const { return {"G-1 " + U(u"森の城"), "C-1 " + U(u"混沌の将")}; }

    QString deckPath_;
};

TEST_F(StartWithDeckTest, OpensTheDeckAfterTheCardList) {
    StartWith(deckPath_);
    EXPECT_EQ(catalogue_.CardCount(), 5);
    EXPECT_EQ(Text("Label24"), "Load " + deckPath_);
    EXPECT_EQ(Lines("List2"), DeckLines());
    EXPECT_EQ(Lines("List3"), QStringList({"3", "1"}));
    EXPECT_EQ(Find<QLineEdit>("Text1")->text(), "4");
    EXPECT_EQ(Find<QLineEdit>("Text2")->text(), U(u"森のデッキ"));
    EXPECT_EQ(Text("Label16"), "3");  // the castles, counted against the loaded cards
    EXPECT_EQ(form_->Files().FileDialog(), nullptr);
}

TEST_F(StartWithDeckTest, WithoutACardListTheDeckStillOpensBehindTheDialog) {
    cardListPath_ = CardListPathIn(dir_.filePath("elsewhere"));
    StartWith(deckPath_);
    EXPECT_EQ(Text("Label24"), "Load " + deckPath_);
    EXPECT_EQ(Lines("List2"), DeckLines());
    EXPECT_EQ(Text("Label16"), "0");  // no cards to count the castles against yet
    Form2* dialog = form_->Files().FileDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));  // over the main window
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "File Open");  // still asking for a card list
    EXPECT_EQ(dialog->Pattern(), "*");
}

}  // namespace
}  // namespace kestrava::test
