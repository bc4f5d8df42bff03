#include <QClipboard>
#include <QMenu>

#include "Form1Fixture.h"

namespace kestrava::test {
namespace {

class DeckCommandsTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Start();
        Click("Check24");  // C-1, G-1, G-2, M-1
    }
    void SelectRow(const char* list, int row) { ClickRow(Find<QListWidget>(list), row); }
    QString Total() const { return Find<QLineEdit>("Text1")->text(); }
};

// Tallies in the panel and the lists kept in step are the panel's and the views' own tests.
TEST_F(DeckCommandsTest, AddAndRemoveThroughTheButtons) {
    Click("Command4");  // no card selected
    EXPECT_TRUE(Lines("List2").isEmpty());
    SelectCard(1);  // G-1, a castle
    Click("Command2");
    Click("Command4");  // at the limit
    EXPECT_EQ(Lines("List3"), QStringList({"4"}));
    EXPECT_EQ(Text("Label16"), "4");
    SelectCard(0);  // the first click of the double click
    QListWidget* cards = Find<QListWidget>("List1");
    QTest::mouseDClick(cards->viewport(), Qt::LeftButton, {},
                       cards->visualItemRect(cards->item(0)).center());
    EXPECT_EQ(Lines("List3"), QStringList({"4", "1"}));
    EXPECT_EQ(Total(), "5");
    SelectRow("List3", 1);
    Click("Command3");
    EXPECT_EQ(Lines("List2").size(), 1);
    Click("Command3");  // nothing is selected after a removal
    EXPECT_EQ(Total(), "4");
    SelectRow("List2", 0);
    Click("Command1");
    EXPECT_EQ(Total(), "0");
    EXPECT_EQ(Text("Label16"), "0");
}

// After "<<" on a line with others below it, no line is chosen: "<" then removes nothing.
TEST_F(DeckCommandsTest, RemovingTheFirstLineLeavesNoneChosen) {
    for (int card : {0, 1, 2}) {
        SelectCard(card);
        Click("Command2");
    }
    SelectRow("List2", 0);
    Click("Command1");
    EXPECT_EQ(Lines("List3"), QStringList({"4", "4"}));
    Click("Command3");
    EXPECT_EQ(Lines("List3"), QStringList({"4", "4"}));
    EXPECT_EQ(Total(), "8");
}

TEST_F(DeckCommandsTest, DeckListRightPressCopiesTheDeck) {
    SelectCard(2);
    Click("Command4");
    QTest::mousePress(Find<QListWidget>("List2")->viewport(), Qt::RightButton, {}, {100, 150});
    EXPECT_EQ(form_->PopupSource(), PopupSource::DeckList);
    ASSERT_TRUE(form_->ContextMenu()->isVisible());
    form_->ContextMenu()->actions().front()->trigger();
    form_->ContextMenu()->hide();
    const QString line = "G-2 " + U(u"緑の弓兵");  // 12 bytes, the columns are the writer's test
    EXPECT_TRUE(
        QGuiApplication::clipboard()->text().startsWith(line + QString(59, u' ') + U(u"× 1\r\n")));
}

}  // namespace
}  // namespace kestrava::test
