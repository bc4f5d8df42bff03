#include "deck/DeckDocument.h"

namespace kestrava {

namespace {

// Typing in the name box merges into the step before it while that step is a rename too.
constexpr int kRenameStep = 1;

// A deck line as the history names it: short enough for a menu.
QString StepText(const QString& action, const QString& line) {
    constexpr qsizetype kShown = 24;
    return action + u' ' + (line.size() > kShown ? line.left(kShown - 1) + u'…' : line);
}

// A deck with its name as the name box can show it.
Deck WithShownName(Deck deck) {
    deck.DeckName.truncate(kDeckNameMaxLength);
    return deck;
}

}  // namespace

// One step of the history: the deck (and its file, for a load) before and after it.
class DeckStep : public QUndoCommand {
  public:
    DeckStep(DeckDocument& document, const QString& text, Deck after, DeckTallies tallies,
             QString pathAfter, DeckUpdate update, int mergeId)
        : QUndoCommand(text),
          document_(document),
          before_(document.deck_),
          after_(std::move(after)),
          pathBefore_(document.filePath_),
          pathAfter_(std::move(pathAfter)),
          tallies_(tallies),
          update_(update),
          mergeId_(mergeId) {}

    void undo() override {
        document_.Apply(before_, nullptr, PathOf(pathBefore_), DeckUpdate::HistoryMoved);
    }

    void redo() override {
        if (first_) {
            // The push itself: the change as the command made it.
            first_ = false;
            document_.Apply(after_, &tallies_, pathAfter_, update_);
        } else {
            document_.Apply(after_, nullptr, PathOf(pathAfter_), DeckUpdate::HistoryMoved);
        }
    }

    int id() const override { return mergeId_; }

    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const DeckStep*>(other);
        after_ = next->after_;
        pathAfter_ = next->pathAfter_;
        // Typing that ends where it began is no step at all.
        setObsolete(after_ == before_);
        return true;
    }

  private:
    // Only a step that changed the deck's file brings a file back; a save made since other
    // steps stays the deck's file.
    QString PathOf(const QString& path) const {
        return pathBefore_ != pathAfter_ ? path : document_.filePath_;
    }

    DeckDocument& document_;
    Deck before_;
    Deck after_;
    QString pathBefore_;
    QString pathAfter_;
    DeckTallies tallies_;
    DeckUpdate update_;
    int mergeId_;
    bool first_ = true;
};

DeckDocument::DeckDocument(const CardCatalogue& catalogue, QObject* parent)
    : QObject(parent), catalogue_(catalogue) {
    ResetTallies(tallies_);
    connect(&history_, &QUndoStack::indexChanged, this, &DeckDocument::MatchCleanState);
}

DeckDocument::~DeckDocument() {
    // The steps refer back to this document; drop them while it is still whole.
    history_.clear();
}

DeckChange DeckDocument::AddCopies(const QString& line, qint16 requested) {
    const QString action =
        requested == 1 ? QStringLiteral("1枚追加") : QStringLiteral("%1枚追加").arg(requested);
    return Edit(StepText(action, line), [&](Deck& deck, DeckTallies& tallies) {
        return kestrava::AddCopies(deck, tallies, catalogue_, line, requested);
    });
}

DeckChange DeckDocument::RemoveOneCopy(int index) {
    return RemoveAt(QStringLiteral("1枚削除"), index, kestrava::RemoveOneCopy);
}

DeckChange DeckDocument::RemoveLine(int index) {
    return RemoveAt(QStringLiteral("行削除"), index, kestrava::RemoveLine);
}

DeckChange DeckDocument::RemoveAt(const QString& action, int index, RemoveCommand command) {
    if (index < 0 || static_cast<std::size_t>(index) >= deck_.Lines.size()) {
        return {};
    }
    return Edit(StepText(action, deck_.Lines[index].Text), [&](Deck& deck, DeckTallies& tallies) {
        return command(deck, tallies, catalogue_, index);
    });
}

void DeckDocument::Rename(const QString& name) {
    Deck after = deck_;
    after.DeckName = name.left(kDeckNameMaxLength);
    if (after.DeckName == deck_.DeckName) {
        return;
    }
    Push(QStringLiteral("デッキ名変更"), after, tallies_, filePath_, DeckUpdate::Renamed,
         kRenameStep);
}

void DeckDocument::LoadFrom(const Deck& deck, const QString& path) {
    const Deck shown = WithShownName(deck);
    DeckTallies tallies;
    kestrava::RecountTallies(tallies, shown, catalogue_);
    // Saved before the step shows, so its signal already sees the deck as saved.
    savedDeck_ = shown;
    Push(QStringLiteral("デッキ読み込み"), shown, tallies, path, DeckUpdate::Replaced, -1);
}

void DeckDocument::Replace(const QString& description, const Deck& deck) {
    const Deck shown = WithShownName(deck);
    DeckTallies tallies;
    kestrava::RecountTallies(tallies, shown, catalogue_);
    // Another deck has no file yet: a save must not overwrite the file of the one it replaced.
    Push(description, shown, tallies, QString(), DeckUpdate::Replaced, -1);
}

void DeckDocument::Restore(const Deck& deck, const QString& path) {
    const Deck shown = WithShownName(deck);
    DeckTallies tallies;
    kestrava::RecountTallies(tallies, shown, catalogue_);
    Push(QStringLiteral("デッキ復元"), shown, tallies, path, DeckUpdate::Replaced, -1);
}

void DeckDocument::MarkSaved(const QString& path) {
    savedDeck_ = deck_;
    filePath_ = path;
    MatchCleanState();
    emit Changed(DeckUpdate::Saved);
}

void DeckDocument::MatchCleanState() {
    // At the clean state the history merges no typing into the step before: typing after a
    // save starts a step of its own, and undo comes back to the saved name.
    if (!IsUnsaved()) {
        history_.setClean();
    } else if (history_.isClean()) {
        history_.resetClean();
    }
}

void DeckDocument::RecountTallies() {
    kestrava::RecountTallies(tallies_, deck_, catalogue_);
    emit Changed(DeckUpdate::Recounted);
}

DeckChange DeckDocument::Edit(const QString& description, const Change& change) {
    Deck after = deck_;
    DeckTallies tallies = tallies_;
    const DeckChange result = change(after, tallies);
    if (!result.Changed || after == deck_) {
        return {};
    }
    const DeckUpdate update = result.LineAppended  ? DeckUpdate::LineAppended
                              : result.LineRemoved ? DeckUpdate::LineRemoved
                                                   : DeckUpdate::Edited;
    Push(description, after, tallies, filePath_, update, -1);
    return result;
}

void DeckDocument::Push(const QString& description, const Deck& after, const DeckTallies& tallies,
                        const QString& pathAfter, DeckUpdate update, int mergeId) {
    history_.push(new DeckStep(*this, description, after, tallies, pathAfter, update, mergeId));
}

void DeckDocument::Apply(const Deck& deck, const DeckTallies* tallies, const QString& path,
                         DeckUpdate update) {
    deck_ = deck;
    filePath_ = path;
    if (tallies != nullptr) {
        tallies_ = *tallies;
    } else {
        // The lines against the card list loaded now, which may not be the one of the step.
        kestrava::RecountTallies(tallies_, deck_, catalogue_);
    }
    emit Changed(update);
}

}  // namespace kestrava
