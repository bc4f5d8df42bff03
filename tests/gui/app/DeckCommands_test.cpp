#include <QClipboard>
#include <QMenu>

#include "Form1Fixture.h"

namespace kestrava::test {
namespace {

QString U(const char16_t* text) {
    return QString::fromUtf16(text);
}

class DeckCommandsTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Start();
        Click("Check24");  // C-1, G-1, G-2, M-1
    }
    QString Total() const { return Find<QLineEdit>("Text1")->text(); }
};

TEST_F(DeckCommandsTest, AddAndRemoveWithTheButtons) {
    Click("Command4");  // nothing selected: nothing happens
    EXPECT_TRUE(Lines("List2").isEmpty());

    SelectCard(1);  // G-1, a Rare castle
    Click("Command2");
    EXPECT_EQ(Lines("List2"), QStringList({"G-1 " + U(u"森の城")}));
    EXPECT_EQ(Lines("List3"), QStringList({"4"}));
    EXPECT_EQ(Total(), "4");
    EXPECT_EQ(Text("Label16"), "4");
    EXPECT_EQ(Text("Label28"), "4");
    EXPECT_EQ(Text("Label45"), "4");
    Click("Command4");  // at the limit
    EXPECT_EQ(Lines("List3"), QStringList({"4"}));
    EXPECT_EQ(Total(), "4");

    SelectCard(0);  // C-1
    QListWidget* list = Find<QListWidget>("List1");
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(Lines("List3"), QStringList({"4", "1"}));
    EXPECT_EQ(Total(), "5");
    EXPECT_EQ(Text("Label18"), "1");
    EXPECT_EQ(Text("Label25"), "1");

    // Select the second deck line through the count list: the deck list follows.
    QListWidget* counts = Find<QListWidget>("List3");
    QTest::mouseClick(counts->viewport(), Qt::LeftButton, {},
                      counts->visualItemRect(counts->item(1)).center());
    EXPECT_EQ(Find<QListWidget>("List2")->currentRow(), 1);
    Click("Command3");
    EXPECT_EQ(Lines("List2").size(), 1);
    EXPECT_EQ(Total(), "4");
    EXPECT_EQ(Text("Label18"), "0");
    EXPECT_EQ(Find<QListWidget>("List2")->selectedItems().size(), 0);
    Click("Command3");  // no line selected any more
    EXPECT_EQ(Total(), "4");

    QListWidget* deck = Find<QListWidget>("List2");
    QTest::mouseClick(deck->viewport(), Qt::LeftButton, {},
                      deck->visualItemRect(deck->item(0)).center());
    Click("Command1");
    EXPECT_TRUE(Lines("List2").isEmpty());
    EXPECT_TRUE(Lines("List3").isEmpty());
    EXPECT_EQ(Total(), "0");
    EXPECT_EQ(Text("Label16"), "0");
}

TEST_F(DeckCommandsTest, CastleNumberTurnsBlackAtTwenty) {
    // Five castle cards of four copies each.
    QStringList lines;
    for (int i = 0; i < 5; ++i) {
        lines << CardLine(QString("E-%1").arg(i), "砦", {{7, "城"}});
    }
    WriteBytes(cardListPath_, CardListBytes(lines));
    ASSERT_TRUE(form_->LoadCardList(cardListPath_));
    form_->RefreshCardList();
    QLabel* castle = Find<QLabel>("Label16");
    EXPECT_EQ(castle->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    for (int row = 0; row < 5; ++row) {
        SelectCard(row);
        Click(row == 4 ? "Command4" : "Command2");
    }
    EXPECT_EQ(castle->text(), "17");
    Click("Command4");
    Click("Command4");
    EXPECT_EQ(castle->text(), "19");
    EXPECT_EQ(castle->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    Click("Command4");
    EXPECT_EQ(castle->text(), "20");
    EXPECT_EQ(castle->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(DeckCommandsTest, DeckListRightPressCopiesTheDeck) {
    SelectCard(2);
    Click("Command4");
    QListWidget* deck = Find<QListWidget>("List2");
    QTest::mousePress(deck->viewport(), Qt::RightButton, {}, QPoint(100, 150));
    EXPECT_EQ(form_->PopupSource(), 1);
    ASSERT_TRUE(form_->ContextMenu()->isVisible());
    form_->ContextMenu()->actions().front()->trigger();
    form_->ContextMenu()->hide();
    const QString line = "G-2 " + U(u"緑の弓兵");  // 12 bytes
    const QString expected = line + QString(71 - 12, u' ') + U(u"× 1\r\n") + QString(80, u'-') +
                             "\r\n" + QString(68, u' ') + "Total 1\r\n";
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    // The count list opens no menu.
    QTest::mousePress(Find<QListWidget>("List3")->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(form_->ContextMenu()->isVisible());
}

}  // namespace
}  // namespace kestrava::test
