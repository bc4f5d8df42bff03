// The start-up procedure: faction names, default card list path, the main window, the card
// list (or the file dialog when it is missing), and the deck named on the command line.
#pragma once

#include <QString>

#include "catalogue/CardRecord.h"

namespace kestrava {

class Form1;

// The default card list: kestrava.csv in the given directory, native separators.
QString CardListPathIn(const QString& directory);

// Runs the start-up steps with the card list path; once there is a card list (when the file
// dialog asks for one, after it has loaded one; when the card list failed otherwise, never),
// offers the decks a crash left behind, then opens deckPath (when not empty) as the file dialog
// opens a deck. The window is shown on return.
void Main(CardCatalogue& catalogue, Form1& form, const QString& CardListPath,
          const QString& deckPath = {});

}  // namespace kestrava
