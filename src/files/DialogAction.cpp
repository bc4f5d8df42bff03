#include "files/DialogAction.h"

#include "files/DialogFolder.h"
#include "files/DirectoryListing.h"

namespace kestrava {

DialogEnd RunDialogAction(FileActions& actions, FileDialogMode mode, const QString& path) {
    if (!Opens(mode) && FileIsAtPath(path)) {
        actions.Status().Saving(path);
        return DialogEnd::AsksToOverwrite;
    }
    const FileOutcome outcome =
        Opens(mode) ? actions.Open(path, KindOf(mode)) : actions.Save(path, KindOf(mode));
    switch (outcome) {
        case FileOutcome::Done:
            RememberDialogFolder(path);
            return mode == FileDialogMode::CardList ? DialogEnd::CardListLoaded : DialogEnd::Closes;
        case FileOutcome::Failed:
            return DialogEnd::Closes;
        case FileOutcome::Cancelled:
        case FileOutcome::Waiting:
            break;
    }
    return DialogEnd::StaysOpen;
}

void OverwriteFile(FileActions& actions, QString path, FileKind kind) {
    if (actions.Save(path, kind) == FileOutcome::Done) {
        RememberDialogFolder(path);
    }
}

}  // namespace kestrava
