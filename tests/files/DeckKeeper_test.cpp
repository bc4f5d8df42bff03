// The deck's life without a window: every way a deck can go asks once and loses nothing, an
// action waits only on its own save, recovery copies follow the unsaved deck and come back at
// the next start, and the recent decks follow loads and saves. Questions come from a script;
// one the script did not expect fails the test at once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <deque>
#include <functional>

#include "files/DeckFile.h"
#include "files/DeckKeeper.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"
#include "support/TryExpect.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

// Paths as the platform writes them.
QStringList Native(QStringList paths) {
    for (QString& path : paths) {
        path = QDir::toNativeSeparators(path);
    }
    return paths;
}

const QString kCard = u"G001 アルファ"_s;

struct ScriptedPrompts : DeckPrompts {
    std::deque<SaveAnswer> Saves;
    std::deque<RestoreAnswer> Restores;
    int Questions = 0;
    int SaveDialogs = 0;

    template <typename A>
    static A Next(std::deque<A>& script, A unexpected) {
        if (script.empty()) {
            ADD_FAILURE() << "an unexpected question";
            return unexpected;
        }
        const A answer = script.front();
        script.pop_front();
        return answer;
    }
    SaveAnswer AskToSave(const QString&) override {
        ++Questions;
        return Next(Saves, SaveAnswer::Cancel);
    }
    RestoreAnswer AskToRestore() override { return Next(Restores, RestoreAnswer::Later); }
    void ChooseSavePath() override { ++SaveDialogs; }
};

class DeckKeeperTest : public ::testing::Test {
  protected:
    // Timers, settings and events need an application; settings go to a folder of the run's own.
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "files_DeckKeeper_test";
        static char* argv[] = {name, nullptr};
        static QTemporaryDir settings;
        new QCoreApplication(argc, argv);
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(u"brelvik"_s);
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    }
    void SetUp() override { Fresh(); }
    // A program started afresh: no deck, no copies, no recent decks, no answers yet.
    void Fresh() {
        keeper_.reset();
        QDir(Recovery()).removeRecursively();
        QSettings().clear();
        prompts_ = {};
        keeper_ = std::make_unique<DeckKeeper>(catalogue_, prompts_, status_, Recovery());
    }
    QString Recovery() const { return dir_.filePath(u"recovery"_s); }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    DeckDocument& Document() { return keeper_->Document(); }
    bool Named(const QString& name) { return Document().CurrentDeck().DeckName == name; }
    void Edit() { Document().AddCopies(kCard, 1); }
    // A deck file named name holding a deck of that name.
    QString DeckFile(const QString& name) {
        const QString path = Path(name + u".dek"_s);
        EXPECT_TRUE(SaveDeckFile(path, Deck{name, {{kCard, 2}}, 2}, {}, DefaultFactionNames()));
        return path;
    }
    // The deck read from path, empty when it cannot be read.
    Deck Read(const QString& path) {
        Deck deck;
        DeckTallies tallies;
        return LoadDeckFile(path, catalogue_, deck, tallies) ? deck : Deck{};
    }
    // The recovery copies on disk, whichever program wrote them; a copy's folder is made as
    // its deck is written.
    qsizetype CopiesOnDisk() const {
        return QDir(Recovery()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    }
    // A copy a crashed program left, its folder's time set to seconds after the epoch.
    void LeaveCopy(const Deck& deck, const QString& deckPath, qint64 seconds) {
        RecoveryCopy copy(Recovery());
        ASSERT_TRUE(copy.Write(deck, {}, DefaultFactionNames(), deckPath));
        ASSERT_TRUE(test::SetModified(copy.Folder(), seconds));
    }  // the lock goes with the object, as with a killed program

    QTemporaryDir dir_;
    CardCatalogue catalogue_ = test::CatalogueOf({u"G001|アルファ"_s});
    ScriptedPrompts prompts_;
    StatusLine status_;
    std::unique_ptr<DeckKeeper> keeper_;
};

struct Way {
    const char* Name;
    std::function<void()> Go;  // to a deck named "other", or closed
    bool GoesOnAfterDialogSave;
};

struct Answer {
    const char* Name;
    std::deque<SaveAnswer> Says;   // none: nothing unsaved, no question
    QString File;                  // the deck's file before the question
    std::function<void()> Dialog;  // while the file dialog is open; none: no dialog
    bool Goes;                     // at once, or after the dialog when the way goes on after it
    bool Saves;                    // the edited deck reaches mine.dek
};

// Each way a deck can go, with each answer: one question, and the deck goes exactly when the
// answer lets it, saved first when it says so. The action 保存 interrupted runs once, after
// its own save; a later save never makes the deck go after all.
TEST_F(DeckKeeperTest, EveryWayADeckGoesAsksOnceAndLosesNothing) {
    bool closed = false;
    const Deck other{u"other"_s, {}, 0};
    const Way ways[] = {
        {"open, as from the command line", [&] { keeper_->OpenDeck(DeckFile(u"other"_s)); }, true},
        {"recent deck", [&] { keeper_->OpenRecentDeck(DeckFile(u"other"_s)); }, true},
        {"import", [&] { keeper_->ReplaceDeck(u"読み込み"_s, other); }, true},
        {"restore", [&] { keeper_->OfferRecovery(); }, true},
        {"close, quit",
         [&] { closed = keeper_->MayClose([&] { closed = keeper_->MayClose({}); }); }, true},
        {"session end", [&] { closed = keeper_->SessionMayEnd([] { return true; }); }, false},
    };
    const QString mine = Path(u"mine.dek"_s);
    const auto save = SaveAnswer::Save, discard = SaveAnswer::Discard, cancel = SaveAnswer::Cancel;
    // What happens in the file dialog before a save of mine.dek, if any.
    const auto drop = [&] { keeper_->DropWaitingAction(); };
    const auto failFirst = [&] { EXPECT_FALSE(keeper_->SaveDeck(Path(u"no/such/x.dek"_s))); };
    const auto htmlFirst = [&] { EXPECT_TRUE(keeper_->SaveHtml(Path(u"page.htm"_s))); };
    const auto askAgain = [&] { keeper_->WhenDeckMayGo([] { return true; }); };
    const Answer answers[] = {
        {"nothing unsaved", {}, {}, nullptr, true, false},
        {"保存しない", {discard}, {}, nullptr, true, false},
        {"キャンセル", {cancel}, {}, nullptr, false, false},
        {"保存 to its file", {save}, mine, nullptr, true, true},
        {"保存 failing", {save}, Path(u"folder.dek"_s), nullptr, false, false},
        {"保存 through the file dialog", {save}, {}, [] {}, true, true},
        {"保存, the dialog closed unsaved", {save}, {}, drop, false, false},
        {"保存, a failed save first", {save}, {}, failFirst, true, true},
        {"保存, an HTML page first", {save}, {}, htmlFirst, true, true},
        {"保存, then another question", {save, cancel}, {}, askAgain, false, false},
    };
    ASSERT_TRUE(QDir().mkpath(Path(u"folder.dek"_s)));
    for (const Way& way : ways) {
        for (const Answer& answer : answers) {
            SCOPED_TRACE(std::string(way.Name) + ", " + answer.Name);
            Fresh();
            QFile::remove(mine);
            LeaveCopy(other, {}, 1000000);
            prompts_.Restores = {RestoreAnswer::Restore};  // asked by restore alone
            Document().MarkSaved(answer.File);
            if (!answer.Says.empty()) {
                Edit();
            }
            prompts_.Saves = answer.Says;
            closed = false;
            way.Go();
            const auto gone = [&] { return closed || Named(u"other"_s); };
            EXPECT_EQ(gone(), answer.Goes && !answer.Dialog);
            EXPECT_EQ(prompts_.SaveDialogs, answer.Dialog ? 1 : 0);
            if (answer.Dialog) {
                answer.Dialog();
                QCoreApplication::processEvents();
                EXPECT_FALSE(gone()) << "went before its own save";
                if (answer.Saves) {
                    ASSERT_TRUE(keeper_->SaveDeck(mine));
                }
            }
            EXPECT_EQ(prompts_.Questions, int(answer.Says.size()));
            const bool goes = answer.Goes && (!answer.Dialog || way.GoesOnAfterDialogSave);
            TRY_EXPECT(gone() == goes);
            EXPECT_EQ(Read(mine).Total, answer.Saves ? 1 : 0);
            EXPECT_TRUE(goes || Document().CurrentDeck().Total == 1) << "the edited deck stays";
            if (answer.File.endsWith(u"folder.dek"_s)) {
                EXPECT_EQ(status_.Text(),
                          u"Save "_s + QDir::toNativeSeparators(answer.File) + u" (失敗)"_s);
            }
            Edit();
            ASSERT_TRUE(keeper_->SaveDeck(Path(u"later.dek"_s)));
            QCoreApplication::processEvents();
            EXPECT_EQ(gone(), goes) << "after a later save";
            EXPECT_EQ(Document().FilePath(), Path(u"later.dek"_s)) << "an action that ran again";
        }
    }
}

struct CopyStep {
    const char* Name;
    std::function<void()> Act;
    bool Copied;  // waited for when expected, else checked at once
    int ByMs;     // since the first edit; 0: any time
};

// Edits less than two seconds apart: the copy is there two seconds after the first, not two
// after the last; a save takes it away at once, and the next edit writes a new one.
TEST_F(DeckKeeperTest, CopyFollowsTheUnsavedDeck) {
    QElapsedTimer clock;
    clock.start();
    const CopyStep steps[] = {
        {"the first edit",
         [&] {
             Edit();
             QCoreApplication::processEvents();
         },
         false, 0},
        {"1.5 s later", [&] { TRY_EXPECT(clock.elapsed() >= 1500); }, false, 0},
        {"another edit", [&] { Edit(); }, true, 3200},
        {"a save", [&] { ASSERT_TRUE(keeper_->SaveDeck(Path(u"a.dek"_s))); }, false, 0},
        {"the next edit", [&] { Edit(); }, true, 0},
        {"a normal end", [&] { keeper_.reset(); }, false, 0},
    };
    for (const CopyStep& step : steps) {
        step.Act();
        if (step.Copied) {
            TRY_EXPECT(CopiesOnDisk() == 1);
        }
        EXPECT_EQ(CopiesOnDisk(), step.Copied ? 1 : 0) << step.Name;
        EXPECT_TRUE(step.ByMs == 0 || clock.elapsed() < step.ByMs) << "an edit put it off";
    }
}

struct LeftCase {
    const char* Name;
    std::deque<RestoreAnswer> Answers;
    QString Restored;  // the deck's name then; empty: none
    QString File;      // the restored deck's, where 保存 writes without the file dialog
    int Kept;          // left on disk after this program ends
};

// Two copies, the newer with its deck's file, a folder without its deck and one whose deck
// cannot be read: the newer is offered first, the empty folder goes unasked, the unreadable
// one is reported and kept, and a copy goes only when restored or discarded.
TEST_F(DeckKeeperTest, LeftCopiesAreOfferedNewestFirstAndGoOnlyWhenAnswered) {
    const QString own = Path(u"own.dek"_s);
    const QString dead = Recovery() + u"/1-dead/deck.dek"_s;  // a folder where the deck should be
    const auto restore = RestoreAnswer::Restore, discard = RestoreAnswer::Discard,
               later = RestoreAnswer::Later;
    const LeftCase cases[] = {
        {"復元: the newer, keeping its file", {restore}, u"newer"_s, own, 2},
        {"破棄 both", {discard, discard}, {}, {}, 1},
        {"no answer, then 復元", {later, restore}, u"older"_s, {}, 2},
        {"no answers: all offered again", {later, later}, {}, {}, 3},
    };
    for (const LeftCase& test : cases) {
        SCOPED_TRACE(test.Name);
        Fresh();
        LeaveCopy(Deck{u"older"_s, {}, 0}, {}, 1000000);
        LeaveCopy(Deck{u"newer"_s, {{kCard, 3}}, 3}, DeckFile(u"own"_s), 2000000);
        ASSERT_TRUE(QDir().mkpath(Recovery() + u"/1-empty"_s) && QDir().mkpath(dead));
        prompts_.Restores = test.Answers;
        keeper_->OfferRecovery();
        EXPECT_TRUE(prompts_.Restores.empty());
        EXPECT_EQ(status_.Text(), u"Load "_s + QDir::toNativeSeparators(dead) + u" (失敗)"_s);
        EXPECT_EQ(Document().CurrentDeck().DeckName, test.Restored);
        EXPECT_EQ(Document().FilePath(), test.File);
        const bool restored = !test.Restored.isEmpty();
        EXPECT_EQ(CopiesOnDisk(), test.Kept + (restored ? 1 : 0)) << "this program's own at once";
        if (restored) {
            prompts_.Saves = {SaveAnswer::Save};
            EXPECT_EQ(keeper_->MayClose([] {}), !test.File.isEmpty());
            EXPECT_EQ(prompts_.SaveDialogs, test.File.isEmpty() ? 1 : 0);
            EXPECT_EQ(Read(test.File).DeckName, test.File.isEmpty() ? QString() : test.Restored);
        }
        keeper_.reset();
        EXPECT_EQ(CopiesOnDisk(), test.Kept);
    }
}

struct SessionCase {
    const char* Name;
    bool MayAsk;
    bool UserComesBack;              // a key pressed after the session's question
    std::deque<SaveAnswer> Answers;  // none: nothing unsaved
    bool ClosesUnasked;
};

// A deck let go when the session ends may close without a second question, until the user
// comes back to the program (another program cancelled the logout); without leave to ask, the
// copy keeps the deck and the next close asks. Nothing unsaved needs no leave to ask.
TEST_F(DeckKeeperTest, SessionEndLetsGoOnlyWhileItLasts) {
    const auto discard = SaveAnswer::Discard, cancel = SaveAnswer::Cancel;
    const SessionCase cases[] = {{"session goes on ending", true, false, {discard}, true},
                                 {"logout cancelled", true, true, {discard, cancel}, false},
                                 {"no leave to ask", false, false, {cancel}, false},
                                 {"nothing unsaved", true, false, {}, true}};
    for (const SessionCase& test : cases) {
        SCOPED_TRACE(test.Name);
        Fresh();
        const bool unsaved = !test.Answers.empty();
        if (unsaved) {
            Edit();
        }
        prompts_.Saves = test.Answers;
        EXPECT_TRUE(keeper_->SessionMayEnd([&] {
            EXPECT_TRUE(unsaved) << "leave asked for nothing to ask";
            return test.MayAsk;
        }));
        TRY_EXPECT(CopiesOnDisk() == (unsaved ? 1 : 0));
        if (test.UserComesBack) {
            QObject target;
            QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, u"a"_s);
            QCoreApplication::sendEvent(&target, &key);
        }
        EXPECT_EQ(keeper_->MayClose({}), test.ClosesUnasked);
        EXPECT_TRUE(prompts_.Saves.empty());
        EXPECT_EQ(CopiesOnDisk(), test.ClosesUnasked ? 0 : 1);
    }
}

TEST_F(DeckKeeperTest, RecentDecksFollowLoadsAndSaves) {
    QDir::setCurrent(dir_.path());
    int changes = 0;
    QObject::connect(keeper_.get(), &DeckKeeper::RecentDecksChanged, [&] { ++changes; });
    const QString a = DeckFile(u"a"_s);
    const QString gone = DeckFile(u"gone"_s);
    keeper_->OpenDeck(u"a.dek"_s);  // relative: kept as the file it names
    keeper_->SaveDeck(Path(u"b.dek"_s));
    keeper_->OpenDeck(gone);
    EXPECT_EQ(keeper_->RecentDecks(), Native({gone, Path(u"b.dek"_s), a}));
    QFile::remove(gone);
    EXPECT_EQ(keeper_->OpenRecentDeck(gone), FileOutcome::Failed);
    EXPECT_EQ(status_.Text(), u"Load "_s + QDir::toNativeSeparators(gone) + u" (失敗)"_s);
    EXPECT_EQ(keeper_->RecentDecks(), Native({Path(u"b.dek"_s), a}));
    EXPECT_FALSE(keeper_->SaveDeck(Path(u"no/such/c.dek"_s)));
    keeper_->ClearRecentDecks();
    EXPECT_TRUE(keeper_->RecentDecks().isEmpty());
    // A file without a name line leaves the deck its name.
    test::WriteBytes(Path(u"empty.dek"_s), {});
    keeper_->OpenDeck(Path(u"empty.dek"_s));
    EXPECT_TRUE(Named(u"gone"_s) && Document().CurrentDeck().Lines.empty());
    EXPECT_EQ(changes, 6);
}

}  // namespace
}  // namespace kestrava
