// Never losing a deck: the title bar marks an unsaved deck, closing or opening another deck asks
// first, every deck command can be undone and redone. Which answer lets which deck go, and when
// copies come and go, is the keeper's (tests/files/DeckKeeper_test.cpp); what a command does to
// the deck is the document's; the copy a crash leaves Startup_test's.
#include <QWindow>

#include <functional>

#include "Form1Fixture.h"

namespace kestrava::test {
namespace {

const QString kProgram = "Kestrava Deck Builder";

class DeckSafetyTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Begin();
    }
    // The title the platform shows, with the unsaved mark in place of "[*]".
    QString Title() const { return form_->windowHandle()->title(); }
    bool Copied() const { return !QDir(dir_.filePath("recovery")).isEmpty(); }
    // Chooses a deck line, then a remove button: Command3 one copy, Command1 the line.
    void Remove(int row, const char* button) {
        ClickRow(Find<QListWidget>("List2"), row);
        Click(button);
    }
};

TEST_F(DeckSafetyTest, TitleMarksTheUnsavedDeck) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    EXPECT_EQ(Title(), kProgram);
    Add(2, "Command4");
    EXPECT_EQ(Title(), kProgram + "*");
    Use("Save", Path("my.dek"));
    EXPECT_EQ(Title(), "my.dek - " + kProgram);
    Trigger("Undo");
    EXPECT_EQ(Title(), "my.dek* - " + kProgram);
}

// キャンセル (Esc) keeps the main window and the sample hand it feeds; 保存しない closes both,
// leaves the file dialog open and no recovery copy.
TEST_F(DeckSafetyTest, CloseAsksAndCancelKeepsEveryWindow) {
    Trigger("SampleHand");
    Trigger("DeckOpen");
    Add(0, "Command2");
    TRY_ASSERT(Copied());
    answers_ << "Escape";
    Trigger("Quit");
    EXPECT_TRUE(form_->isVisible() && form_->SampleHandWindow()->isVisible());
    answers_ << "DiscardButton";
    form_->close();
    EXPECT_FALSE(form_->isVisible() || form_->SampleHandWindow()->isVisible());
    EXPECT_TRUE(form_->Files().FileDialog()->isVisible());
    EXPECT_FALSE(Copied());
}

// A file dialog opened while nothing was unsaved asks when it opens a deck: 保存 without a file
// turns the same dialog to saving, and the deck chosen opens once that save is done. What
// キャンセル keeps is DeckKeeper_test's and DialogAction_test's.
TEST_F(DeckSafetyTest, DialogOpenedEarlierAsksBeforeADeckReplacesThisOne) {
    const QString other = DeckFile("other.dek", {"other", U(u"M-1 水の計略  × 2")});
    Trigger("DeckOpen");
    Add(0, "Command2");
    answers_ << "SaveButton";
    EnterPath(other);
    ASSERT_NE(form_->Files().FileDialog(), nullptr);
    EXPECT_EQ(form_->Files().FileDialog()->windowTitle(), "File Save (Deck)");
    EnterPath(Path("mine.dek"));
    TRY_EXPECT(Lines("List2") == QStringList({U(u"M-1 水の計略")}));
    EXPECT_EQ(Title(), "other.dek - " + kProgram);
}

// The save the question asked for, given up by closing the dialog: a later save opens nothing.
TEST_F(DeckSafetyTest, ClosedSaveDialogDropsTheDeckWaitingOnIt) {
    const QString other = DeckFile("other.dek", {"other", U(u"M-1 水の計略  × 2")});
    Trigger("DeckOpen");
    Add(0, "Command2");
    answers_ << "SaveButton";
    EnterPath(other);
    form_->Files().FileDialog()->close();
    Use("Save", Path("mine.dek"));
    QApplication::processEvents();  // where a waiting action would run
    EXPECT_EQ(Title(), "mine.dek - " + kProgram);
}

struct Step {
    const char* Name;
    std::function<void()> Act;
    QString Undo;  // the undo command's caption after it
};

// Each deck command from its button, the mouse or the keyboard, named in the undo caption; then
// Ctrl+Z and Ctrl+Y in the name box go through the one history, not the box's own, state by
// state, with no line left chosen for "<" after a removal, an undo or a redo.
TEST_F(DeckSafetyTest, EveryCommandUndoesAndRedoes) {
    const QString file = DeckFile("long.dek", {QString(40000, u'n'), U(u"M-1 水の計略  × 2")});
    QListWidget* cards = Find<QListWidget>("List1");
    const Step steps[] = {
        {">", [&] { Add(2, "Command4"); }, U(u"元に戻す (1枚追加 G-2 緑の弓兵)")},
        {">>", [&] { Add(0, "Command2"); }, U(u"元に戻す (4枚追加 C-1 混沌の将)")},
        {"double click", [&] { DoubleClickRow(cards, 1); }, U(u"元に戻す (1枚追加 G-1 森の城)")},
        {"<", [&] { Remove(0, "Command3"); }, U(u"元に戻す (1枚削除 G-2 緑の弓兵)")},
        {"<< the first line", [&] { Remove(0, "Command1"); }, U(u"元に戻す (行削除 C-1 混沌の将)")},
        {"name", [&] { QTest::keyClicks(Find<QLineEdit>("Text2"), "abc"); },
         U(u"元に戻す (デッキ名変更)")},
        {"load", [&] { Use("DeckOpen", file); }, U(u"元に戻す (デッキ読み込み)")},
    };
    const auto shown = [&] {
        const int chosen = int(Find<QListWidget>("List2")->selectedItems().size());
        return QStringList{DeckName(), Text("Label16"), Text("Label28"),
                           Find<QLineEdit>("Text1")->text(), QString::number(chosen)} +
               Lines("List2") + Lines("List3");
    };
    std::vector<QStringList> states{shown()};
    for (const Step& step : steps) {
        step.Act();
        EXPECT_EQ(Find<QAction>("Undo")->text(), step.Undo) << step.Name;
        states.push_back(shown());
    }
    // A name longer than the box holds is cut once, as the box shows it: no step of the box's.
    EXPECT_EQ(DeckName(), form_->CurrentDeck().DeckName);
    Activate();
    Find<QLineEdit>("Text2")->setFocus();
    for (auto state = states.rbegin() + 1; state != states.rend(); ++state) {
        QTest::keyClick(Find<QLineEdit>("Text2"), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(shown(), *state);
    }
    EXPECT_FALSE(Find<QAction>("Undo")->isEnabled());
    for (auto state = states.begin() + 1; state != states.end(); ++state) {
        QTest::keyClick(Find<QLineEdit>("Text2"), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(shown(), *state);
    }
}

}  // namespace
}  // namespace kestrava::test
