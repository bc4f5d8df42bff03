// Recovery copies of unsaved decks, so that a crash or a power cut loses at most a moment of
// work. Each running program keeps its copy in a folder of its own under one per-user folder:
// deck.dek (the deck file) and path.txt (the deck's own file, UTF-8). A lock file beside that
// folder is held while the program runs; a copy whose lock nobody holds was left by a program
// that did not close normally.
#pragma once

#include <QLockFile>
#include <QString>

#include <memory>
#include <vector>

#include "catalogue/CardRecord.h"
#include "deck/Deck.h"
#include "deck/DeckTallies.h"

namespace kestrava {

// This program's own copy.
class RecoveryCopy {
  public:
    explicit RecoveryCopy(QString folder);
    ~RecoveryCopy();

    // Writes the deck and the path of its file; false when the copy could not be written.
    bool Write(const Deck& deck, const DeckTallies& tallies, const FactionNameList& factionNames,
               const QString& deckPath);
    // Removes the copy and its lock, as on a save or a normal close.
    void Remove();

    // The folder holding the copy, empty until the first write.
    const QString& Folder() const { return own_; }

  private:
    QString folder_;
    QString own_;
    std::unique_ptr<QLockFile> lock_;
};

// A copy left behind by a program that is no longer running, locked by this program while it
// decides.
struct LeftCopy {
    QString Folder;
    std::unique_ptr<QLockFile> Lock;
};

// Every copy under folder that no running program holds, newest first.
std::vector<LeftCopy> TakeLeftCopies(const QString& folder);

// Reads a left copy's deck (against catalogue) and the path of its file; false when the deck
// cannot be read.
bool ReadLeftCopy(const LeftCopy& copy, const CardCatalogue& catalogue, Deck& deck,
                  DeckTallies& tallies, QString& deckPath);

// Deletes a left copy and its lock.
void DiscardLeftCopy(LeftCopy& copy);

// Where copies are kept for this user: the application data folder's "recovery".
QString DefaultRecoveryFolder();

}  // namespace kestrava
