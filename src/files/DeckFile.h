// The deck file (*.dek): deck name, separator, one padded line per deck line with its count,
// separator, total line and a summary of factions and types; code page 932, CR LF after
// every line. Only the name and the deck lines are read back.
#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

#include "catalogue/CardRecord.h"
#include "deck/Deck.h"
#include "deck/DeckTallies.h"

namespace kestrava {

// A deck file is read no further than this many deck lines (those of count 0 too) and this
// many bytes of lines (line ends not counted), so no file can fill the memory or keep the
// reader busy. Decks built from a real card list stay far below both.
constexpr int kMaxDeckLines = 32767;
constexpr qsizetype kMaxDeckFileBytes = 1024 * 1024;

// The lines of the deck file, without line ends. A deck line of 70 bytes or more gets two
// blanks before "× " so that the reader finds its end.
QStringList DeckFileLines(const Deck& deck, const DeckTallies& tallies,
                          const FactionNameList& factionNames);

// Writes the deck file to device, open for writing; false when a write fails.
bool SaveDeckFile(QIODevice& device, const Deck& deck, const DeckTallies& tallies,
                  const FactionNameList& factionNames);

// Writes the deck file atomically; false, leaving any existing file as it was, on failure.
bool SaveDeckFile(const QString& path, const Deck& deck, const DeckTallies& tallies,
                  const FactionNameList& factionNames);

// Replaces deck and tallies with the content of device (open for reading). The first line is
// the name (an empty file keeps the old name), lines starting with "-" are skipped, and the
// first line that is not a deck entry ends the reading, keeping the entries read before it; so
// does an empty entry text (the total line's), one longer than kMaxCardLineLength, an entry
// that would take the total past the 16-bit range, and a line that would pass either limit
// above. An entry text that a card of the catalogue was cut short to (its name empty, led or
// ended by a blank, or holding two) becomes that card's whole list line, so every saved deck
// reads back; other cards not in the catalogue are kept and counted in the total but not
// tallied. False, changing nothing, when a read fails.
bool LoadDeckFile(QIODevice& device, const CardCatalogue& catalogue, Deck& deck,
                  DeckTallies& tallies);

// The same for the regular file at path; false, changing nothing, when it cannot be opened.
bool LoadDeckFile(const QString& path, const CardCatalogue& catalogue, Deck& deck,
                  DeckTallies& tallies);

}  // namespace kestrava
