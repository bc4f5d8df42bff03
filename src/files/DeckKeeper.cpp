#include "files/DeckKeeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QSettings>

#include <memory>
#include <utility>

#include "files/DeckFile.h"
#include "files/DeckHtml.h"
#include "files/RecentDecks.h"

namespace kestrava {

namespace {

// A burst of changes is copied at most this long after its first.
constexpr int kRecoveryDelayMs = 2000;

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::TouchBegin:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

}  // namespace

DeckKeeper::DeckKeeper(const CardCatalogue& catalogue, DeckPrompts& prompts, StatusLine& status,
                       QString recoveryFolder, QObject* parent)
    : QObject(parent),
      catalogue_(catalogue),
      prompts_(prompts),
      status_(status),
      document_(catalogue),
      recoveryFolder_(std::move(recoveryFolder)),
      recovery_(recoveryFolder_) {
    recoveryTimer_.setSingleShot(true);
    recoveryTimer_.setInterval(kRecoveryDelayMs);
    connect(&recoveryTimer_, &QTimer::timeout, this, &DeckKeeper::WriteRecoveryCopy);
    connect(&document_, &DeckDocument::Changed, this, &DeckKeeper::FollowDeck);
}

DeckKeeper::~DeckKeeper() {
    recovery_.Remove();
}

DeckKeeper::Leave DeckKeeper::Ask(DeckAction later) {
    // An earlier question's action belongs to a save that did not come.
    waiting_ = {};
    if (!document_.IsUnsaved()) {
        return Leave::Now;
    }
    switch (prompts_.AskToSave(document_.CurrentDeck().DeckName)) {
        case SaveAnswer::Cancel:
            return Leave::Cancelled;
        case SaveAnswer::Discard:
            return Leave::Now;
        case SaveAnswer::Save:
            break;
    }
    if (document_.FilePath().isEmpty()) {
        waiting_ = std::move(later);
        prompts_.ChooseSavePath();
        return Leave::Waiting;
    }
    return SaveDeck(document_.FilePath()) ? Leave::Now : Leave::Failed;
}

FileOutcome DeckKeeper::WhenDeckMayGo(DeckAction then) {
    switch (Ask(then)) {
        case Leave::Now:
            return then() ? FileOutcome::Done : FileOutcome::Failed;
        case Leave::Waiting:
            return FileOutcome::Waiting;
        case Leave::Cancelled:
            return FileOutcome::Cancelled;
        case Leave::Failed:
            break;
    }
    return FileOutcome::Failed;
}

FileOutcome DeckKeeper::OpenDeck(const QString& path) {
    return WhenDeckMayGo([this, path] { return LoadDeck(path); });
}

FileOutcome DeckKeeper::OpenRecentDeck(const QString& path) {
    return WhenDeckMayGo([this, path] {
        if (LoadDeck(path)) {
            return true;
        }
        ForgetRecentDeck(path);
        return false;
    });
}

FileOutcome DeckKeeper::ReplaceDeck(const QString& description, const Deck& deck,
                                    std::function<void()> done) {
    return WhenDeckMayGo([this, description, deck, done] {
        document_.Replace(description, deck);
        if (done) {
            done();
        }
        return true;
    });
}

bool DeckKeeper::LoadDeck(const QString& path) {
    status_.Loading(path);
    // The reader keeps the old name when the file has none.
    Deck deck;
    deck.DeckName = document_.CurrentDeck().DeckName;
    DeckTallies tallies;
    if (!LoadDeckFile(path, catalogue_, deck, tallies)) {
        status_.Failed();
        return false;
    }
    document_.LoadFrom(deck, path);
    NoteRecentDeck(path);
    return true;
}

bool DeckKeeper::SaveDeck(const QString& path) {
    status_.Saving(path);
    if (!SaveDeckFile(path, document_.CurrentDeck(), document_.Tallies(),
                      catalogue_.FactionNames)) {
        status_.Failed();
        return false;
    }
    document_.MarkSaved(path);
    NoteRecentDeck(path);
    if (waiting_) {
        // After the dialog that saved has closed.
        QTimer::singleShot(0, this, [action = std::exchange(waiting_, {})] { action(); });
    }
    return true;
}

bool DeckKeeper::SaveHtml(const QString& path) {
    status_.Saving(path);
    if (!SaveDeckHtml(path, document_.CurrentDeck(), document_.Tallies(),
                      catalogue_.FactionNames)) {
        status_.Failed();
        return false;
    }
    return true;
}

void DeckKeeper::OfferRecovery() {
    for (LeftCopy& left : TakeLeftCopies(recoveryFolder_)) {
        auto copy = std::make_shared<LeftCopy>(std::move(left));
        Deck deck;
        DeckTallies tallies;
        QString path;
        if (!ReadLeftCopy(*copy, catalogue_, deck, tallies, path)) {
            // Kept for the user to rescue by hand; the status line says where it is.
            status_.Loading(QDir(copy->Folder).filePath(QStringLiteral("deck.dek")));
            status_.Failed();
            continue;
        }
        switch (prompts_.AskToRestore()) {
            case RestoreAnswer::Restore:
                WhenDeckMayGo([this, copy, deck, path] {
                    document_.Restore(deck, path);
                    // This program's own copy first: the deck is never without one.
                    WriteRecoveryCopy();
                    DiscardLeftCopy(*copy);
                    return true;
                });
                return;
            case RestoreAnswer::Discard:
                DiscardLeftCopy(*copy);
                break;
            case RestoreAnswer::Later:
                break;
        }
    }
}

bool DeckKeeper::MayClose(std::function<void()> closeAgain) {
    const bool agreed = std::exchange(closeAgreed_, false) || sessionLetGo_;
    if (!agreed) {
        const Leave leave = Ask([this, closeAgain] {
            closeAgreed_ = true;
            closeAgain();
            // Whatever else kept the window open, the agreement was for this close only.
            closeAgreed_ = false;
            return true;
        });
        if (leave != Leave::Now) {
            return false;
        }
    }
    recoveryTimer_.stop();
    RemoveRecoveryCopy();
    return true;
}

bool DeckKeeper::SessionMayEnd(const std::function<bool()>& mayAsk) {
    if (!document_.IsUnsaved() || !mayAsk()) {
        return true;
    }
    if (Ask({}) != Leave::Now) {
        return false;
    }
    // Until the user comes back to the program, the ending session closes it unasked; a
    // session another program cancelled leaves the program as it was.
    sessionLetGo_ = true;
    QCoreApplication::instance()->installEventFilter(this);
    return true;
}

bool DeckKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (sessionLetGo_ && IsUserInput(event->type())) {
        sessionLetGo_ = false;
        QCoreApplication::instance()->removeEventFilter(this);
    }
    return QObject::eventFilter(watched, event);
}

void DeckKeeper::FollowDeck() {
    if (!document_.IsUnsaved()) {
        recoveryTimer_.stop();
        RemoveRecoveryCopy();
    } else if (!recoveryTimer_.isActive()) {
        // Never restarted: a burst of changes is copied at most this long after its first.
        recoveryTimer_.start();
    }
}

void DeckKeeper::WriteRecoveryCopy() {
    if (document_.IsUnsaved()) {
        recovery_.Write(document_.CurrentDeck(), document_.Tallies(), catalogue_.FactionNames,
                        document_.FilePath());
    }
}

void DeckKeeper::RemoveRecoveryCopy() {
    recovery_.Remove();
}

QStringList DeckKeeper::RecentDecks() const {
    return ReadRecentDecks(QSettings());
}

void DeckKeeper::ClearRecentDecks() {
    QSettings settings;
    WriteRecentDecks(settings, {});
    emit RecentDecksChanged();
}

void DeckKeeper::NoteRecentDeck(const QString& path) {
    // Absolute as typed: a relative path would change meaning with the current folder.
    const QString absolute = QDir::toNativeSeparators(QDir::current().absoluteFilePath(path));
    QSettings settings;
    WriteRecentDecks(settings, WithRecentDeck(ReadRecentDecks(settings), absolute));
    emit RecentDecksChanged();
}

void DeckKeeper::ForgetRecentDeck(const QString& path) {
    QSettings settings;
    WriteRecentDecks(settings, WithoutRecentDeck(ReadRecentDecks(settings), path));
    emit RecentDecksChanged();
}

}  // namespace kestrava
