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

#include <sys/time.h>

#include <deque>
#include <functional>

#include "files/DeckFile.h"
#include "files/DeckKeeper.h"
#include "support/QtPrinters.h"
#include "support/TryExpect.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

const QString kCard = u"G001 アルファ"_s;

struct ScriptedPrompts : DeckPrompts {
    std::deque<SaveAnswer> Saves;
    std::deque<RestoreAnswer> Restores;
    int Questions = 0;
    int SaveDialogs = 0;

    SaveAnswer AskToSave(const QString&) override {
        ++Questions;
        if (Saves.empty()) {
            ADD_FAILURE() << "an unexpected save question";
            return SaveAnswer::Cancel;
        }
        const SaveAnswer answer = Saves.front();
        Saves.pop_front();
        return answer;
    }
    RestoreAnswer AskToRestore() override {
        if (Restores.empty()) {
            ADD_FAILURE() << "an unexpected restore question";
            return RestoreAnswer::Later;
        }
        const RestoreAnswer answer = Restores.front();
        Restores.pop_front();
        return answer;
    }
    void ChooseSavePath() override { ++SaveDialogs; }
};

// Timers, settings and events need an application; settings go to a folder of the run's own.
void StartApplication() {
    static int argc = 1;
    static char name[] = "files_DeckKeeper_test";
    static char* argv[] = {name, nullptr};
    static QTemporaryDir settings;
    if (QCoreApplication::instance() == nullptr) {
        new QCoreApplication(argc, argv);
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(u"brelvik"_s);
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    }
}

// Public: the tables' cases act on the fixture.
class DeckKeeperTest : public ::testing::Test {
  public:
    void SetUp() override {
        StartApplication();
        QSettings().clear();
        CardRecord card;
        card.Code = u"G001"_s;
        card.Name = u"アルファ"_s;
        catalogue_.AddCard(card);
        NewKeeper();
    }
    void NewKeeper() {
        keeper_.reset();
        keeper_ = std::make_unique<DeckKeeper>(catalogue_, prompts_, status_, Recovery());
    }
    QString Recovery() const { return dir_.filePath(u"recovery"_s); }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    DeckDocument& Document() { return keeper_->Document(); }
    void Edit() { Document().AddCopies(kCard, 1); }
    // A deck file named name holding a deck of that name.
    QString DeckFile(const QString& name) {
        const QString path = Path(name + u".dek"_s);
        EXPECT_TRUE(SaveDeckFile(path, Deck{name, {{kCard, 2}}, 2}, {}, DefaultFactionNames()));
        return path;
    }
    // The deck files of the recovery copies on disk, whichever program wrote them.
    QStringList CopiesOnDisk() const {
        QStringList decks;
        const QDir folder(Recovery());
        for (const QString& copy : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (QFileInfo::exists(folder.filePath(copy + u"/deck.dek"_s))) {
                decks << copy;
            }
        }
        return decks;
    }
    // A copy a crashed program left, its folder's time set to seconds after the epoch.
    void LeaveCopy(const Deck& deck, const QString& deckPath, qint64 seconds) {
        RecoveryCopy copy(Recovery());
        ASSERT_TRUE(copy.Write(deck, {}, DefaultFactionNames(), deckPath));
        const timeval times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(utimes(QFile::encodeName(copy.Folder()).constData(), times), 0);
    }  // the lock goes with the object, as with a killed program

    QTemporaryDir dir_;
    CardCatalogue catalogue_;
    ScriptedPrompts prompts_;
    StatusLine status_;
    std::unique_ptr<DeckKeeper> keeper_;
};

enum class Answer { Discard, Cancel, SaveToItsFile, SaveThroughDialog, SaveFails };

struct WayCase {
    const char* Name;
    // Starts the deck's going; true when the call itself says it went (or may go).
    std::function<bool(DeckKeeperTest&, DeckKeeper&)> Go;
    // Once events have run: whether the deck went.
    std::function<bool(DeckKeeperTest&, DeckKeeper&)> Went;
    bool GoesOnAfterDialogSave;  // the action the question interrupted runs after the save
};

// Each way a deck can go, with each answer: one question, and the deck goes exactly when the
// answer lets it, saved first when it says so.
TEST_F(DeckKeeperTest, EveryWayADeckGoesAsksOnceAndLosesNothing) {
    bool closed = false;
    const auto named = [](const char* name) {
        return [name](DeckKeeperTest&, DeckKeeper& keeper) {
            return keeper.Document().CurrentDeck().DeckName == QString::fromUtf8(name);
        };
    };
    const WayCase ways[] = {
        {"open",
         [](DeckKeeperTest& t, DeckKeeper& k) {
             return k.OpenDeck(t.DeckFile(u"other"_s)) == FileOutcome::Done;
         },
         named("other"), true},
        {"recent",
         [](DeckKeeperTest& t, DeckKeeper& k) {
             return k.OpenRecentDeck(t.DeckFile(u"other"_s)) == FileOutcome::Done;
         },
         named("other"), true},
        {"import",
         [](DeckKeeperTest&, DeckKeeper& k) {
             return k.ReplaceDeck(u"読み込み"_s, Deck{u"imported"_s, {}, 0}) == FileOutcome::Done;
         },
         named("imported"), true},
        {"close",
         [&](DeckKeeperTest&, DeckKeeper& k) {
             closed = k.MayClose([&] { closed = k.MayClose({}); });
             return closed;
         },
         [&](DeckKeeperTest&, DeckKeeper&) { return closed; }, true},
        {"session end",
         [](DeckKeeperTest&, DeckKeeper& k) { return k.SessionMayEnd([] { return true; }); },
         [](DeckKeeperTest&, DeckKeeper&) { return false; }, false},
    };
    const Answer answers[] = {Answer::Discard, Answer::Cancel, Answer::SaveToItsFile,
                              Answer::SaveThroughDialog, Answer::SaveFails};
    for (const WayCase& way : ways) {
        for (const Answer answer : answers) {
            SCOPED_TRACE(std::string(way.Name) + " answer " + std::to_string(int(answer)));
            QSettings().clear();
            NewKeeper();
            prompts_ = {};
            closed = false;
            const QString mine = Path(u"mine.dek"_s);
            QFile::remove(mine);
            if (answer == Answer::SaveToItsFile) {
                ASSERT_TRUE(keeper_->SaveDeck(mine));
            } else if (answer == Answer::SaveFails) {
                ASSERT_TRUE(QDir().mkpath(Path(u"folder.dek"_s)));
                Document().MarkSaved(Path(u"folder.dek"_s));  // its file is now a folder
            }
            Edit();
            prompts_.Saves = {answer == Answer::Discard  ? SaveAnswer::Discard
                              : answer == Answer::Cancel ? SaveAnswer::Cancel
                                                         : SaveAnswer::Save};
            const bool goesAtOnce = way.Go(*this, *keeper_);
            EXPECT_EQ(prompts_.Questions, 1);
            EXPECT_EQ(prompts_.SaveDialogs, answer == Answer::SaveThroughDialog ? 1 : 0);
            if (answer == Answer::SaveThroughDialog) {
                EXPECT_FALSE(goesAtOnce);
                ASSERT_TRUE(keeper_->SaveDeck(mine));
            }
            const bool saved =
                answer == Answer::SaveToItsFile || answer == Answer::SaveThroughDialog;
            const bool goes = answer == Answer::Discard || answer == Answer::SaveToItsFile ||
                              (answer == Answer::SaveThroughDialog && way.GoesOnAfterDialogSave);
            EXPECT_EQ(goesAtOnce, answer == Answer::Discard || answer == Answer::SaveToItsFile);
            if (std::string(way.Name) != "session end") {
                TRY_EXPECT(way.Went(*this, *keeper_) == goes);
                EXPECT_EQ(way.Went(*this, *keeper_), goes);
            }
            if (saved) {
                Deck read;
                DeckTallies tallies;
                ASSERT_TRUE(LoadDeckFile(mine, catalogue_, read, tallies));
                EXPECT_EQ(read.Total, 1);
            }
            if (answer == Answer::SaveFails) {
                EXPECT_EQ(status_.Text(), u"Save "_s + Path(u"folder.dek"_s) + u" (失敗)"_s);
                EXPECT_TRUE(Document().IsUnsaved());
            }
            if (!goes) {
                EXPECT_EQ(Document().CurrentDeck().Total, 1) << "the edited deck stays";
            }
        }
    }
}

TEST_F(DeckKeeperTest, NothingUnsavedGoesWithoutAQuestion) {
    EXPECT_EQ(keeper_->OpenDeck(DeckFile(u"a"_s)), FileOutcome::Done);
    EXPECT_EQ(keeper_->ReplaceDeck(u"読み込み"_s, Deck{}), FileOutcome::Done);
    keeper_->SaveDeck(Path(u"b.dek"_s));
    EXPECT_TRUE(keeper_->SessionMayEnd([] {
        ADD_FAILURE() << "leave to ask, asked for nothing";
        return true;
    }));
    EXPECT_TRUE(keeper_->MayClose({}));
    EXPECT_EQ(prompts_.Questions, 0);
}

struct WaitingCase {
    const char* Name;
    std::function<void(DeckKeeperTest&, DeckKeeper&)> Between;  // after the question
    int Runs;
};

// The action a question's 保存 interrupted runs once, after its own save, and never after a
// save that came from anything else.
TEST_F(DeckKeeperTest, WaitingActionRunsOnlyAfterItsOwnSave) {
    const WaitingCase cases[] = {
        {"its save", [](DeckKeeperTest&, DeckKeeper&) {}, 1},
        {"the dialog closed unsaved", [](DeckKeeperTest&, DeckKeeper& k) { k.DropWaitingAction(); },
         0},
        {"a later question",
         [](DeckKeeperTest& t, DeckKeeper& k) {
             t.prompts_.Saves = {SaveAnswer::Cancel};
             k.WhenDeckMayGo([] { return true; });
         },
         0},
        {"a failed save first",
         [](DeckKeeperTest& t, DeckKeeper& k) {
             EXPECT_FALSE(k.SaveDeck(t.Path(u"no/such/folder/x.dek"_s)));
         },
         1},
        {"an HTML page first",
         [](DeckKeeperTest& t, DeckKeeper& k) { EXPECT_TRUE(k.SaveHtml(t.Path(u"page.htm"_s))); },
         1},
    };
    for (const WaitingCase& test : cases) {
        SCOPED_TRACE(test.Name);
        NewKeeper();
        Edit();
        int runs = 0;
        prompts_.Saves = {SaveAnswer::Save};
        EXPECT_EQ(keeper_->WhenDeckMayGo([&] { return ++runs > 0; }), FileOutcome::Waiting);
        test.Between(*this, *keeper_);
        Edit();  // a second save must find an unsaved deck too
        ASSERT_TRUE(keeper_->SaveDeck(Path(u"saved.dek"_s)));
        TRY_EXPECT(runs == test.Runs);
        Edit();
        ASSERT_TRUE(keeper_->SaveDeck(Path(u"again.dek"_s)));
        QCoreApplication::processEvents();
        EXPECT_EQ(runs, test.Runs);
    }
}

// Edits less than two seconds apart: the copy is there two seconds after the first, a save
// takes it away at once, and the next edit writes a new one.
TEST_F(DeckKeeperTest, CopyFollowsTheUnsavedDeck) {
    QElapsedTimer clock;
    clock.start();
    Edit();
    EXPECT_TRUE(CopiesOnDisk().isEmpty());
    TRY_EXPECT(clock.elapsed() >= 1500);
    Edit();
    TRY_EXPECT(!CopiesOnDisk().isEmpty());
    EXPECT_LT(clock.elapsed(), 3200) << "the second edit put the copy off";
    ASSERT_TRUE(keeper_->SaveDeck(Path(u"a.dek"_s)));
    EXPECT_TRUE(CopiesOnDisk().isEmpty());
    Edit();
    TRY_EXPECT(!CopiesOnDisk().isEmpty());
    keeper_.reset();
    EXPECT_TRUE(CopiesOnDisk().isEmpty()) << "a normal end leaves no copy";
}

TEST_F(DeckKeeperTest, NewerLeftCopyIsOfferedFirstAndKeepsItsFile) {
    const QString file = DeckFile(u"own"_s);
    LeaveCopy(Deck{u"older"_s, {}, 0}, {}, 1000000);
    LeaveCopy(Deck{u"newer"_s, {{kCard, 3}}, 3}, file, 2000000);
    NewKeeper();
    prompts_.Restores = {RestoreAnswer::Restore};
    keeper_->OfferRecovery();
    EXPECT_EQ(Document().CurrentDeck().DeckName, u"newer"_s);
    EXPECT_EQ(Document().FilePath(), file);
    EXPECT_TRUE(Document().IsUnsaved());
    EXPECT_EQ(CopiesOnDisk().size(), 2) << "the older copy, and this program's own at once";
    // 保存 writes to the deck's own file, without the file dialog.
    prompts_.Saves = {SaveAnswer::Save};
    EXPECT_EQ(keeper_->OpenDeck(DeckFile(u"next"_s)), FileOutcome::Done);
    EXPECT_EQ(prompts_.SaveDialogs, 0);
    Deck read;
    DeckTallies tallies;
    ASSERT_TRUE(LoadDeckFile(file, catalogue_, read, tallies));
    EXPECT_EQ(read.DeckName, u"newer"_s);
}

struct LeftCopyCase {
    const char* Name;
    RestoreAnswer First;
    bool AskedAgain;  // at the next start
};

TEST_F(DeckKeeperTest, LeftCopyGoesOnlyWhenRestoredOrDiscarded) {
    const LeftCopyCase cases[] = {{"restore", RestoreAnswer::Restore, false},
                                  {"discard", RestoreAnswer::Discard, false},
                                  {"no answer", RestoreAnswer::Later, true}};
    for (const LeftCopyCase& test : cases) {
        SCOPED_TRACE(test.Name);
        NewKeeper();  // the last case's own copy goes
        ASSERT_TRUE(CopiesOnDisk().isEmpty());
        LeaveCopy(Deck{u"left"_s, {}, 0}, {}, 1000000);
        prompts_.Restores = {test.First};
        keeper_->OfferRecovery();
        keeper_->Document().MarkSaved({});  // this program's own copy aside
        NewKeeper();
        if (test.AskedAgain) {
            prompts_.Restores = {RestoreAnswer::Discard};
        }
        keeper_->OfferRecovery();
        EXPECT_TRUE(prompts_.Restores.empty());
        EXPECT_TRUE(CopiesOnDisk().isEmpty());
    }
}

TEST_F(DeckKeeperTest, LeftFolderWithoutItsDeckGoesUnasked) {
    ASSERT_TRUE(QDir().mkpath(Recovery() + u"/1-empty"_s));
    keeper_->OfferRecovery();
    EXPECT_FALSE(QFileInfo::exists(Recovery() + u"/1-empty"_s));
}

TEST_F(DeckKeeperTest, UnreadableLeftCopyIsReportedAndKept) {
    const QString deck = Recovery() + u"/1-dead/deck.dek"_s;
    ASSERT_TRUE(QDir().mkpath(deck));  // a folder where the deck should be
    keeper_->OfferRecovery();
    EXPECT_EQ(status_.Text(), u"Load "_s + QDir::toNativeSeparators(deck) + u" (失敗)"_s);
    EXPECT_TRUE(QFileInfo(deck).isDir());
}

struct SessionCase {
    const char* Name;
    bool MayAsk;
    bool UserComesBack;  // a key pressed after the session's question
    bool ClosesUnasked;
};

// A deck let go when the session ends may close without a second question, until the user
// comes back to the program (another program cancelled the logout); without leave to ask, the
// copy keeps the deck and the next close asks.
TEST_F(DeckKeeperTest, SessionEndLetsGoOnlyWhileItLasts) {
    const SessionCase cases[] = {{"session goes on ending", true, false, true},
                                 {"logout cancelled", true, true, false},
                                 {"no leave to ask", false, false, false}};
    for (const SessionCase& test : cases) {
        SCOPED_TRACE(test.Name);
        NewKeeper();
        Edit();
        if (test.MayAsk) {
            prompts_.Saves = {SaveAnswer::Discard};
        }
        EXPECT_TRUE(keeper_->SessionMayEnd([&] { return test.MayAsk; }));
        TRY_EXPECT(!CopiesOnDisk().isEmpty());
        if (test.UserComesBack) {
            QObject target;
            QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, u"a"_s);
            QCoreApplication::sendEvent(&target, &key);
        }
        if (!test.ClosesUnasked) {
            prompts_.Saves = {SaveAnswer::Cancel};
        }
        EXPECT_EQ(keeper_->MayClose({}), test.ClosesUnasked);
        EXPECT_TRUE(prompts_.Saves.empty());
        EXPECT_EQ(CopiesOnDisk().isEmpty(), test.ClosesUnasked);
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
    EXPECT_EQ(keeper_->RecentDecks(), QStringList({gone, Path(u"b.dek"_s), a}));
    QFile::remove(gone);
    EXPECT_EQ(keeper_->OpenRecentDeck(gone), FileOutcome::Failed);
    EXPECT_EQ(status_.Text(), u"Load "_s + gone + u" (失敗)"_s);
    EXPECT_EQ(keeper_->RecentDecks(), QStringList({Path(u"b.dek"_s), a}));
    EXPECT_FALSE(keeper_->SaveDeck(Path(u"no/such/c.dek"_s)));
    keeper_->ClearRecentDecks();
    EXPECT_TRUE(keeper_->RecentDecks().isEmpty());
    EXPECT_EQ(changes, 5);
}

}  // namespace
}  // namespace kestrava
