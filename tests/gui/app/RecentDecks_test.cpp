// ファイル → 最近使ったデッキ as a user chooses from it. Which decks it lists, and when, is the
// keeper's (tests/files/DeckKeeper_test.cpp).
#include <QAction>
#include <QDir>
#include <QMenu>

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

// A number chosen opens its deck and the status line tells which; one that no longer opens
// fails, leaving the deck as it was, and leaves the list; 履歴を消去 empties it.
TEST_F(RecentDecksTest, MenuOpensTheDeckChosenByItsNumber) {
    EXPECT_EQ(Shown(), kEmpty);
    const QString first = DeckOf("first.dek", "G-1 " + U(u"森の城"));
    const QString gone = DeckOf(U(u"デッキ&2.dek"), "M-1 " + U(u"水の計略"));
    Use("DeckOpen", gone);
    Use("DeckOpen", first);
    Use("DeckOpen", gone);
    EXPECT_EQ(Shown(), Listed({gone, first}));
    QTest::keyClick(OpenMenu(), Qt::Key_2);
    EXPECT_EQ(Text("Label24"), "Load " + first);
    EXPECT_EQ(Lines("List2"), QStringList{"G-1 " + U(u"森の城")});
    EXPECT_EQ(Shown(), Listed({first, gone}));

    ASSERT_TRUE(QFile::remove(gone));
    QTest::keyClick(OpenMenu(), Qt::Key_2);
    EXPECT_EQ(Text("Label24"), "Load " + gone + U(u" (失敗)"));
    EXPECT_EQ(Lines("List2"), QStringList{"G-1 " + U(u"森の城")});
    EXPECT_EQ(Shown(), Listed({first}));

    QMenu* menu = OpenMenu();
    QTest::mouseClick(menu, Qt::LeftButton, {},
                      menu->actionGeometry(menu->actions().last()).center());
    EXPECT_EQ(Shown(), kEmpty);
}

}  // namespace
}  // namespace kestrava::test
