// The deck as an HTML page (*.htm): name as title and heading, a table of the deck lines with
// the total, a faction table and a type table; code page 932, CR LF after every line, no
// character set or document type line. "&", "<" and ">" in the deck name and the deck lines
// are written as entities so that card texts cannot break the markup.
#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

#include "catalogue/CardRecord.h"
#include "deck/Deck.h"
#include "deck/DeckTallies.h"

namespace kestrava {

// The lines of the page, without line ends.
QStringList DeckHtmlLines(const Deck& deck, const DeckTallies& tallies,
                          const FactionNameList& factionNames);

// Writes the page to device, open for writing; false when a write fails.
bool SaveDeckHtml(QIODevice& device, const Deck& deck, const DeckTallies& tallies,
                  const FactionNameList& factionNames);

// Writes the page atomically; false, leaving any existing file as it was, on failure.
bool SaveDeckHtml(const QString& path, const Deck& deck, const DeckTallies& tallies,
                  const FactionNameList& factionNames);

}  // namespace kestrava
