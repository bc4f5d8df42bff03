// One main window over the full card list, shown offscreen and kept for the whole run, with a
// plain list widget beside it as the baseline for the card list. Made on first use; released
// by the program before its QApplication goes.
#pragma once

#include <QListWidget>
#include <QStringList>

#include "app/Form1.h"
#include "catalogue/CardRecord.h"

namespace kestrava::bench {

struct MainWindowWorld {
    MainWindowWorld();

    CardCatalogue Catalogue;
    Form1 Window{Catalogue};
    QListWidget* List1 = nullptr;
    QListWidget PlainList;    // same size and font as List1, shown on its own
    QStringList SortedLines;  // what List1 shows with "ALL" ticked
};

MainWindowWorld& World();
void ReleaseWorld();

// Handles what the event loop has pending (layouts, paints), as before the next frame.
void FinishFrame();

// Waits until window is on the (offscreen) screen; false after a few seconds without.
bool WaitUntilExposed(QWidget& window);

}  // namespace kestrava::bench
