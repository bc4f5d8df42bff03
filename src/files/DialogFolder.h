// The folder the file dialog starts in: that of the last file it or its overwrite confirmation
// loaded or saved, kept in the user's settings; the process's current directory before the
// first, or once that folder can no longer be shown.
#pragma once

#include <QString>

namespace kestrava {

QString DialogStartFolder();
// filePath was loaded or saved.
void RememberDialogFolder(const QString& filePath);

}  // namespace kestrava
