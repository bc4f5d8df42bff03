// The program once the toolkit runs, shared by main() and the start-up benchmark so that both
// take the same steps.
#pragma once

#include <QString>

namespace kestrava {

// Before the QApplication is made: starts reading the platform's font configuration on a
// thread of its own, while QApplication connects to the display, which leaves this thread
// waiting most of the time.
void StartReadingFontConfiguration();

// With a QApplication made: the fonts (once the font configuration is read), the main window
// with the card list beside the program and deckPath (none when empty), then the event loop;
// gives its exit code.
int RunProgram(const QString& deckPath);

}  // namespace kestrava
