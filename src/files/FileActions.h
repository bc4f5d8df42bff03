// What the file dialog and the overwrite confirmation ask of the main window. The windows know
// nothing else of it, so they can be driven by any implementation (the tests use a fake).
#pragma once

#include <QString>

#include "files/FileKind.h"
#include "files/StatusLine.h"

namespace kestrava {

class FileActions {
  public:
    virtual ~FileActions() = default;
    // Where every load and save says what it did.
    virtual StatusLine& Status() = 0;
    // Reads the card list (then shows it with the current filters) or the deck at path.
    virtual FileOutcome Open(const QString& path, FileKind kind) = 0;
    // Writes the deck or its HTML page to path.
    virtual FileOutcome Save(const QString& path, FileKind kind) = 0;
};

}  // namespace kestrava
