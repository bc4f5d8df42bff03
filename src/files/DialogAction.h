// What the file dialog's action button does with the path in its box, and how the dialog goes
// on: it opens or saves the path through FileActions, except that a save that would replace a
// file only names the save on the status line and leaves the question to the overwrite
// confirmation. The folder of a path loaded or saved is where the dialog starts next.
#pragma once

#include <QString>

#include "files/FileActions.h"
#include "files/FileDialogMode.h"

namespace kestrava {

enum class DialogEnd {
    Closes,           // done or failed
    CardListLoaded,   // closes; start-up's decks wait for this
    StaysOpen,        // the deck was kept, or its own save comes first
    AsksToOverwrite,  // closes, handing the save to the overwrite confirmation
};

DialogEnd RunDialogAction(FileActions& actions, FileDialogMode mode, const QString& path);

// The overwrite confirmation's yes. Taken by value: the save may delete the window holding it.
void OverwriteFile(FileActions& actions, QString path, FileKind kind);

}  // namespace kestrava
