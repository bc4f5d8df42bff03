// The deck's life: the deck document, the file it belongs to, its recovery copy, the recent
// decks and the action waiting on a save. Nothing else replaces or discards the deck: every
// way a deck can go (opening another, an import, a restored copy, closing, the session ending)
// asks here first, through one question, when the deck is unsaved.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

#include "catalogue/CardRecord.h"
#include "deck/DeckDocument.h"
#include "files/DeckPrompts.h"
#include "files/FileKind.h"
#include "files/RecoveryCopy.h"
#include "files/StatusLine.h"

namespace kestrava {

// What runs once the deck may go; false when it failed (the status line then says so).
using DeckAction = std::function<bool()>;

class DeckKeeper : public QObject {
    Q_OBJECT

  public:
    // Recovery copies go to recoveryFolder (the per-user one unless a test says otherwise).
    DeckKeeper(const CardCatalogue& catalogue, DeckPrompts& prompts, StatusLine& status,
               QString recoveryFolder = DefaultRecoveryFolder(), QObject* parent = nullptr);
    // A program that ends, however it ends, leaves no copy to offer; only a crash does.
    ~DeckKeeper() override;

    DeckDocument& Document() { return document_; }
    const DeckDocument& Document() const { return document_; }

    // The one way a deck goes: runs then at once when nothing is unsaved; else asks, and runs it
    // after 保存 once the save has succeeded (through the file dialog when the deck has no file)
    // or after 保存しない; never after キャンセル. A new question drops an action still waiting.
    FileOutcome WhenDeckMayGo(DeckAction then);

    // Reads the deck file at path in place of this deck (the file dialog, the command line).
    FileOutcome OpenDeck(const QString& path);
    // The same for a recent deck; one that cannot be read leaves the list.
    FileOutcome OpenRecentDeck(const QString& path);
    // A deck made elsewhere (an import) replaces this one as one step named description;
    // done runs after it has.
    FileOutcome ReplaceDeck(const QString& description, const Deck& deck,
                            std::function<void()> done = {});
    // Writes the deck to path, which becomes its file; runs an action waiting on this save.
    bool SaveDeck(const QString& path);
    bool SaveHtml(const QString& path);
    // Offers, newest first, the decks that programs which did not close normally left behind.
    void OfferRecovery();

    // The main window is closing: true when it may (nothing unsaved, saved, or let go). When
    // the file dialog makes the save, closeAgain runs after it.
    bool MayClose(std::function<void()> closeAgain);
    // The desktop session is ending: true when it may. mayAsk is asked only when there is a
    // question to ask; without leave to ask, the recovery copy keeps the deck. A deck let go
    // here may close without a second question until the user touches the program again.
    bool SessionMayEnd(const std::function<bool()>& mayAsk);
    // The file dialog closed without the save an action was waiting on.
    void DropWaitingAction() { waiting_ = {}; }

    // The deck files last loaded or saved, newest first (shared by programs side by side).
    QStringList RecentDecks() const;
    void ClearRecentDecks();

  signals:
    void RecentDecksChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Leave { Now, Waiting, Cancelled, Failed };
    // Asks when the deck is unsaved; later is kept to run after a save through the file dialog.
    Leave Ask(DeckAction later);
    bool LoadDeck(const QString& path);
    void FollowDeck();
    void WriteRecoveryCopy();
    void RemoveRecoveryCopy();
    void NoteRecentDeck(const QString& path);
    void ForgetRecentDeck(const QString& path);

    const CardCatalogue& catalogue_;
    DeckPrompts& prompts_;
    StatusLine& status_;
    DeckDocument document_;
    QString recoveryFolder_;
    RecoveryCopy recovery_;
    QTimer recoveryTimer_;
    DeckAction waiting_;  // what a question's 保存 interrupted, until the file dialog saves
    bool closeAgreed_ = false;
    bool sessionLetGo_ = false;
};

}  // namespace kestrava
