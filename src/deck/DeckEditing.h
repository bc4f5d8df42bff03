// The commands that change the deck: add copies under the copy limit, remove one copy, remove a
// line, and append a line read from a deck file. Each moves the tallies by the copies concerned
// and says what changed so the views can refresh. A command whose 16-bit arithmetic would
// overflow ends without changing the deck or the tallies.
#pragma once

#include <QString>
#include <QtGlobal>

#include "catalogue/CardRecord.h"
#include "deck/Deck.h"
#include "deck/DeckTallies.h"

namespace kestrava {

// A line made or changed by adding holds at most this many copies.
constexpr qint16 kCopyLimit = 4;

struct DeckChange {
    bool Changed = false;
    bool LineAppended = false;  // the views scroll to the end
    bool LineRemoved = false;   // the views drop their selection
};

// Adds requested copies of the card list line: to the deck line with the same whole text, up to
// the copy limit (a line already at the limit takes nothing), or as a new last line with
// requested copies. The total becomes the sum of the counts.
DeckChange AddCopies(Deck& deck, DeckTallies& tallies, const CardCatalogue& catalogue,
                     const QString& line, qint16 requested);

// "<": one copy fewer on line index; the line goes when its count reaches 0, and a line that
// held 0 (a deck file may say so) goes at once. An index outside the deck (-1 for no
// selection) does nothing.
DeckChange RemoveOneCopy(Deck& deck, DeckTallies& tallies, const CardCatalogue& catalogue,
                         int index);

// "<<": removes line index with all its copies. An index outside the deck does nothing.
DeckChange RemoveLine(Deck& deck, DeckTallies& tallies, const CardCatalogue& catalogue, int index);

// The tallies counted afresh from the deck's lines against catalogue, as after loading another
// card list: the tallies a deck was built with belong to the cards of the list it was built
// from. On a 16-bit overflow the tallies stop at the lines counted before it.
void RecountTallies(DeckTallies& tallies, const Deck& deck, const CardCatalogue& catalogue);

// Appends a line as the deck file reader does: no copy limit, tallied, added to the total.
// False (nothing changed) on a 16-bit overflow.
bool AppendLoadedLine(Deck& deck, DeckTallies& tallies, const CardCatalogue& catalogue,
                      const QString& text, qint16 count);

}  // namespace kestrava
