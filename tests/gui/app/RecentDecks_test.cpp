// ファイル → 最近使ったデッキ: the decks loaded or saved, newest first and kept for the next
// start, each chosen by its number as a user does, and the question before an unsaved deck goes.
#include <QAction>
#include <QDir>
#include <QMenu>

#include <functional>

#include "Form1Fixture.h"
#include "files/ui/FileWindows.h"
#include "platform/TextFile.h"
#include "support/TryExpect.h"

namespace kestrava::test {
namespace {

class RecentDecksTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Begin();
    }
    QString DeckOf(const QString& name, const QString& cardLine) {
        WriteBytes(Path(name), EncodeCp932Lines({name, cardLine + "  × 4"}));
        return Path(name);
    }
    QMenu* OpenMenu() {
        auto* menu = Find<QMenu>("RecentDecks");
        menu->popup(form_->mapToGlobal(QPoint(0, 0)));
        return menu;
    }
    // The open submenu's items: "-" before one that cannot be chosen, the caption, and the
    // tool tip when it is a path.
    QStringList Shown() {
        QStringList shown;
        QMenu* menu = OpenMenu();
        for (const QAction* action : menu->actions()) {
            const QString tip = action->toolTip();
            if (!action->isSeparator()) {
                shown << (action->isEnabled() ? "" : "-") + action->text() +
                             (tip.contains(QDir::separator()) ? " " + tip : QString());
            }
        }
        menu->hide();
        return shown;
    }
    // These decks, newest first; an "&" of a name is no mnemonic.
    static QStringList Listed(const QStringList& paths) {
        QStringList shown;
        for (int i = 0; i < paths.size(); ++i) {
            const QString name = QFileInfo(paths[i]).fileName().replace("&", "&&");
            shown << QStringLiteral("&%1 %2 %3").arg(i + 1).arg(name, paths[i]);
        }
        return shown << U(u"履歴を消去");
    }
};

const QStringList kEmpty = {QString::fromUtf16(u"-（履歴なし）"),
                            QString::fromUtf16(u"-履歴を消去")};

// Deck files loaded or saved, by any way there is, come first; anything else changes nothing.
TEST_F(RecentDecksTest, LoadedAndSavedDecksComeFirst) {
    const QString a = Path("a.dek"), b = Path(U(u"デッキ&2.dek")), c = Path("c.dek");
    const std::vector<std::tuple<const char*, std::function<void()>, QStringList>> steps = {
        {"none yet", [] {}, kEmpty},
        {"saved", [&] { Use("Save", a); }, Listed({a})},
        {"saved as", [&] { Use("Save", b); }, Listed({b, a})},
        {"opened", [&] { Use("DeckOpen", a); }, Listed({a, b})},
        {"overwritten",
         [&] {
             Use("Save", b);
             QTest::mouseClick(form_->Files().Confirmation()->findChild<QWidget*>("Command1"),
                               Qt::LeftButton);
         },
         Listed({b, a})},
        {"a relative path, kept whole",
         [&] {
             const QString current = QDir::currentPath();
             QDir::setCurrent(dir_.path());
             Use("Save", "c.dek");
             QDir::setCurrent(current);
         },
         Listed({c, b, a})},
        {"HTML page", [&] { Use("print_HTML", Path("p.htm")); }, Listed({c, b, a})},
        {"deck that fails", [&] { Use("DeckOpen", Path("none.dek")); }, Listed({c, b, a})},
        {"the next start", [&] { NewForm(), Begin(); }, Listed({c, b, a})},
        {"the command line", [&] { NewForm(), Main(catalogue_, *form_, cardListPath_, a); },
         Listed({a, c, b})},
    };
    for (const auto& [name, act, shown] : steps) {
        act();
        EXPECT_EQ(Shown(), shown) << name;
    }
}

// The status line tells which file; one that no longer opens fails, leaving the deck as it was.
TEST_F(RecentDecksTest, ChosenDeckLoadsOrFailsAndGoes) {
    const QString first = DeckOf("first.dek", "G-1 " + U(u"森の城"));
    const QString gone = DeckOf("gone.dek", "M-1 " + U(u"水の計略"));
    Use("DeckOpen", gone);
    Use("DeckOpen", first);
    Use("DeckOpen", gone);
    QTest::keyClick(OpenMenu(), Qt::Key_2);
    EXPECT_EQ(Text("Label24"), "Load " + first);
    EXPECT_EQ(Lines("List2"), QStringList{"G-1 " + U(u"森の城")});
    EXPECT_EQ(Shown(), Listed({first, gone}));

    ASSERT_TRUE(QFile::remove(gone));
    QTest::keyClick(OpenMenu(), Qt::Key_2);
    EXPECT_EQ(Text("Label24"), "Load " + gone + U(u" (失敗)"));
    EXPECT_EQ(Lines("List2"), QStringList{"G-1 " + U(u"森の城")});
    EXPECT_EQ(Shown(), Listed({first}));
}

TEST_F(RecentDecksTest, ClearEmptiesTheListForGood) {
    Use("Save", Path("a.dek"));
    QMenu* menu = OpenMenu();
    QTest::mouseClick(menu, Qt::LeftButton, {},
                      menu->actionGeometry(menu->actions().last()).center());
    EXPECT_EQ(Shown(), kEmpty);
    NewForm();
    Begin();
    EXPECT_EQ(Shown(), kEmpty);
}

// Only an answer that lets the unsaved deck go loads the deck chosen; 保存 with no file of its
// own loads it once the file dialog has saved it.
TEST_F(RecentDecksTest, UnsavedDeckIsAskedAboutFirst) {
    const QString chosen = DeckOf("chosen.dek", "M-1 " + U(u"水の計略"));
    const std::tuple<const char*, QString> answers[] = {{"SaveButton", Path("own.dek")},
                                                        {"CancelButton", {}}};
    for (const auto& [button, saved] : answers) {
        SCOPED_TRACE(button);
        Use("DeckOpen", chosen);
        NewForm();  // a deck of no file, chosen.dek listed
        Begin();
        SelectCard(0);
        Click("Command4");  // C-1: unsaved now
        AnswerNextQuestion(button);
        QTest::keyClick(OpenMenu(), Qt::Key_1);
        if (!saved.isEmpty()) {
            Use("Save", saved);  // in the dialog the question opened
        }
        const bool loads = QByteArray(button) != "CancelButton";
        TRY_EXPECT(Lines("List2").front().startsWith(loads ? "M-1" : "C-1"));
        EXPECT_EQ(Shown(), saved.isEmpty() ? Listed({chosen}) : Listed({chosen, saved}));
        QSettings().clear();
    }
}

}  // namespace
}  // namespace kestrava::test
