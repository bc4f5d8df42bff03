// The program once the toolkit runs, shared by main() and the start-up benchmark so that both
// take the same steps.
#pragma once

#include <QString>

namespace kestrava {

// With a QApplication made: the fonts, the main window with the card list beside the program
// and deckPath (none when empty), then the event loop; gives its exit code.
int RunProgram(const QString& deckPath);

}  // namespace kestrava
