#include "files/DialogFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "files/DirectoryListing.h"

namespace kestrava {

namespace {

const QString kFolderKey = QStringLiteral("FileDialog/Folder");

}  // namespace

QString DialogStartFolder() {
    const QString folder = QSettings().value(kFolderKey).toString();
    return !folder.isEmpty() && CanShowDirectory(folder) ? folder : QDir::currentPath();
}

void RememberDialogFolder(const QString& filePath) {
    // As the file system resolves it: "link/../x.dek" lies beside the link's target.
    const QString folder =
        QFileInfo(QDir::current().absoluteFilePath(QFileInfo(filePath).path())).canonicalFilePath();
    if (!folder.isEmpty()) {
        QSettings().setValue(kFolderKey, folder);
    }
}

}  // namespace kestrava
