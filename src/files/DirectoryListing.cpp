#include "files/DirectoryListing.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace kestrava {

QString DirectoryText(const QString& dir) {
    QString text = QDir::toNativeSeparators(QDir::cleanPath(QDir(dir).absolutePath()));
    if (!text.endsWith(QDir::separator())) {
        text += QDir::separator();
    }
    return text;
}

bool CanShowDirectory(const QString& dir) {
    const QFileInfo info(dir);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

std::vector<DirectoryStep> DirectoryChain(const QString& dir) {
    std::vector<DirectoryStep> chain;
    QString path = QDir::cleanPath(QDir(dir).absolutePath());
    for (;;) {
        const QFileInfo info(path);
        const QString parent = info.absolutePath();
        const bool isRoot = parent == path;
        chain.push_back({path, isRoot ? QDir::toNativeSeparators(path) : info.fileName()});
        if (isRoot) {
            break;
        }
        path = parent;
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}

QStringList SubdirectoryNames(const QString& dir) {
    return QDir(dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QStringList MatchingFileNames(const QString& dir, const QString& pattern) {
    return QDir(dir).entryList(pattern.split(u';'), QDir::Files, QDir::Name | QDir::IgnoreCase);
}

bool FileIsAtPath(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return (info.exists() || info.isSymLink()) && !info.isDir();
}

}  // namespace kestrava
