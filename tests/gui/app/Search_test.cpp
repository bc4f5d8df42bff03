// The search box as a user types into it: the card list follows, Esc, Ctrl+F, Enter and Down.
#include <QMenuBar>

#include <tuple>

#include "Form1Fixture.h"

namespace kestrava::test {
namespace {

class SearchTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        // With a card of no code, which the first pattern matches before any box is ticked.
        WriteBytes(cardListPath_,
                   CardListBytes(FixtureCardLines() << CardLine("E-1", U(u"カーバンクル"))
                                                    << CardLine("", U(u"名無しの兵"))));
        Start();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        box_ = Find<QLineEdit>("SearchBox");
    }
    // Replaces the box's text key by key, as typed.
    void Type(const QString& text) {
        box_->setFocus(Qt::MouseFocusReason);
        box_->selectAll();
        QTest::keyClick(box_, Qt::Key_Delete);
        KeyIn(text);
    }
    // Each character a key of its own; Japanese as an input method hands it over.
    void KeyIn(const QString& text) {
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, box_, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    QLineEdit* box_ = nullptr;
};

TEST_F(SearchTest, SitsInTheMenuBarAndLeavesTheWindowAsItWas) {
    EXPECT_EQ(box_->placeholderText(), U(u"カード検索 (Ctrl+F)"));
    EXPECT_TRUE(form_->menuBar()->cornerWidget()->isAncestorOf(box_));
    QMenuBar* bar = form_->menuBar();
    EXPECT_TRUE(bar->rect().contains(QRect(box_->mapTo(bar, QPoint(0, 0)), box_->size())));
    QMenuBar bare;  // the same menus without the box
    bare.addActions(bar->actions());
    EXPECT_EQ(bar->height(), bare.sizeHint().height());
    EXPECT_EQ(form_->centralWidget()->geometry(), QRect(0, form_->menuBar()->height(), 670, 557));
    EXPECT_EQ(form_->height(), form_->menuBar()->height() + 557);
}

// No box ticked: the matching cards among those "ALL" lists.
TEST_F(SearchTest, TypingListsTheMatchingCardsAsTypedInAnyForm) {
    const QString carbuncle = "E-1 " + U(u"カーバンクル");
    const std::tuple<QString, QStringList> cases[] = {
        {U(u"かーばんくる"), {carbuncle}},
        {U(u"ｶｰﾊﾞﾝｸﾙ"), {carbuncle}},
        {U(u"の"),
         {"C-1 " + U(u"混沌の将"), "G-1 " + U(u"森の城"), "G-2 " + U(u"緑の弓兵"),
          "M-1 " + U(u"水の計略")}},
    };
    for (const auto& [typed, lines] : cases) {
        Type(typed);
        EXPECT_EQ(Lines("List1"), lines) << typed.toStdString();
    }
}

TEST_F(SearchTest, NarrowsWhatTheTickedBoxesList) {
    Click("Check4");
    Type(U(u"の"));
    EXPECT_EQ(Lines("List1"), QStringList({"G-1 " + U(u"森の城"), "G-2 " + U(u"緑の弓兵")}));
    Click("Check12");  // castles
    EXPECT_EQ(Lines("List1"), QStringList({"G-1 " + U(u"森の城")}));
}

TEST_F(SearchTest, EscClearsTheBoxAndBringsBackTheListOfTheBoxes) {
    const std::tuple<const char*, QString> cases[] = {{"", U(u"ばんく")}, {"Check4", U(u"森")}};
    for (const auto& [box, typed] : cases) {
        SCOPED_TRACE(box);
        if (*box != '\0') {
            Click(box);
        }
        const QStringList before = Lines("List1");
        Type(typed);
        ASSERT_NE(Lines("List1"), before);
        QTest::keyClick(box_, Qt::Key_Escape);
        EXPECT_TRUE(box_->text().isEmpty());
        EXPECT_EQ(Lines("List1"), before);
    }
}

TEST_F(SearchTest, CtrlFFocusesTheBoxReadyToRetype) {
    Type(U(u"森"));
    QListWidget* list = Find<QListWidget>("List1");
    list->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(box_->hasFocus());
    KeyIn(U(u"計略"));
    EXPECT_EQ(Lines("List1"), QStringList({"M-1 " + U(u"水の計略")}));
}

TEST_F(SearchTest, EnterOrDownGoesOnToTheFirstLineFound) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Down}) {
        Type(U(u"かーばんくる"));
        QTest::keyClick(box_, key);
        QListWidget* list = Find<QListWidget>("List1");
        EXPECT_TRUE(list->hasFocus()) << key;
        ASSERT_EQ(list->selectedItems().size(), 1) << key;
        EXPECT_EQ(list->selectedItems().front()->text(), "E-1 " + U(u"カーバンクル")) << key;
        EXPECT_EQ(Text("Label1"), U(u"カード名：カーバンクル")) << key;
    }
}

// Words unchanged, the list is too: the line chosen stays chosen.
TEST_F(SearchTest, ABlankTypedKeepsTheChosenLine) {
    Type(U(u"の"));
    SelectCard(1);
    KeyIn(U(u" ・"));
    EXPECT_EQ(Find<QListWidget>("List1")->selectedItems().size(), 1);
}

}  // namespace
}  // namespace kestrava::test
