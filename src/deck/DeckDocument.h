// The deck being edited as one document: the deck and its tallies, the file it was last loaded
// from or saved to, whether it differs from what that file holds, and its undo history. Every
// change of the deck goes through here and ends in Changed, which the views follow.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>

#include "catalogue/CardRecord.h"
#include "deck/Deck.h"
#include "deck/DeckEditing.h"
#include "deck/DeckTallies.h"

namespace kestrava {

// What a change did, so each view can follow it the way it should.
enum class DeckUpdate {
    Edited,        // counts or lines changed in place
    LineAppended,  // the views scroll to the end
    LineRemoved,   // no line stays selected
    Replaced,      // a whole other deck: no selection, from the first line
    HistoryMoved,  // undo or redo: no selection, tallies recounted
    Renamed,       // the deck name only
    Recounted,     // the tallies only (another card list)
    Saved,         // the file path or the saved state only
};

// The longest deck name the deck name box shows; the document holds no longer one, so that
// the box never cuts what the document holds.
constexpr qsizetype kDeckNameMaxLength = 32767;

class DeckDocument : public QObject {
    Q_OBJECT

  public:
    explicit DeckDocument(const CardCatalogue& catalogue, QObject* parent = nullptr);
    ~DeckDocument() override;

    const Deck& CurrentDeck() const { return deck_; }
    const DeckTallies& Tallies() const { return tallies_; }
    // The file the deck was last loaded from or saved to; empty for none.
    const QString& FilePath() const { return filePath_; }
    // The deck's name, lines or counts differ from what was last loaded or saved (a fresh
    // start counts as an empty saved deck). The history's clean state always agrees.
    bool IsUnsaved() const { return !(deck_ == savedDeck_); }
    QUndoStack& History() { return history_; }

    // The user's commands, each one undoable step when it changes the deck.
    DeckChange AddCopies(const QString& line, qint16 requested);
    DeckChange RemoveOneCopy(int index);
    DeckChange RemoveLine(int index);
    // Typing in the deck name box; a burst of typing is one step, and typing that ends where
    // it began (or where the last save left the name) none.
    void Rename(const QString& name);

    // A deck read from path replaces this one as one step, and counts as saved.
    void LoadFrom(const Deck& deck, const QString& path);
    // Another deck replaces this one as one step named description, unsaved and without a file
    // (an import).
    void Replace(const QString& description, const Deck& deck);
    // A recovered deck replaces this one as one step, unsaved, belonging to path.
    void Restore(const Deck& deck, const QString& path);
    // The deck was written to path: it is now the saved state and path its file.
    void MarkSaved(const QString& path);
    // The card list changed: the tallies are counted afresh from the lines.
    void RecountTallies();

  signals:
    void Changed(kestrava::DeckUpdate update);

  private:
    friend class DeckStep;
    // The clean state of the history follows the one definition of saved.
    void MatchCleanState();
    using Change = std::function<DeckChange(Deck&, DeckTallies&)>;
    using RemoveCommand = DeckChange (*)(Deck&, DeckTallies&, const CardCatalogue&, int);
    DeckChange RemoveAt(const QString& action, int index, RemoveCommand command);
    // Runs change on a copy and pushes it as a step only when the deck really changed.
    DeckChange Edit(const QString& description, const Change& change);
    void Push(const QString& description, const Deck& after, const DeckTallies& tallies,
              const QString& pathAfter, DeckUpdate update, int mergeId);
    // Shows a state of the history; tallies are those of a fresh step, else recounted.
    void Apply(const Deck& deck, const DeckTallies* tallies, const QString& path,
               DeckUpdate update);

    const CardCatalogue& catalogue_;
    Deck deck_;
    DeckTallies tallies_;
    Deck savedDeck_;
    QString filePath_;
    QUndoStack history_;
};

}  // namespace kestrava
