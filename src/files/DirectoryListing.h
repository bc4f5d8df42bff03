// The file system as the file dialog shows it: a directory written with exactly one trailing
// separator, the chain of its ancestors, its subdirectories, its files matching a pattern, and
// the existence test a save runs before it writes.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kestrava {

// The absolute directory in native separators, ending in exactly one separator (a root keeps
// its own single one).
QString DirectoryText(const QString& dir);

// Whether dir is a directory that can be both listed and entered.
bool CanShowDirectory(const QString& dir);

struct DirectoryStep {
    QString Path;  // absolute, '/' separators
    QString Name;  // last component, or the native root text
};

// The root, each ancestor and dir itself, from the root down.
std::vector<DirectoryStep> DirectoryChain(const QString& dir);

// Names of dir's subdirectories, sorted by name ignoring case.
QStringList SubdirectoryNames(const QString& dir);

// Names of dir's files (not directories) matching pattern (patterns apart by ";"), sorted by
// name ignoring case.
QStringList MatchingFileNames(const QString& dir, const QString& pattern);

// Whether a save to path would replace something: a non-directory is there, readable or not,
// and a dangling symbolic link counts too, since writing would replace it.
bool FileIsAtPath(const QString& path);

}  // namespace kestrava
