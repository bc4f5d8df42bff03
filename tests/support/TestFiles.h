// Small helpers for tests that work with real files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <sys/types.h>
#endif

#include "catalogue/CardRecord.h"

namespace kestrava::test {

// Writes bytes to path, replacing it; fails the running test when that is impossible.
void WriteBytes(const QString& path, const QByteArray& bytes);

// The whole content of path; an empty array when it cannot be read.
QByteArray ReadBytes(const QString& path);

#ifdef Q_OS_UNIX
// For a child process (a death test's): hands folder to the user "nobody" and takes that
// user's rights, so that file permissions apply as they do for a user (the suite may run as
// root; any other user's rights are a user's already). Then writes bytes to path in folder
// and changes its folder's or its own mode; false when any of it fails.
bool AsUserWrite(const QString& folder, const QString& path, const QByteArray& bytes,
                 const QString& chmodPath, mode_t mode);
#endif

// Sets the modification time of path, a file or a folder, to seconds after the epoch.
bool SetModified(const QString& path, qint64 seconds);

// A card list line of 31 comma-terminated columns. Columns not given are "0" for number
// columns and empty for text columns; overrides maps a 1-based column number to its text.
QString CardLine(const QString& code, const QString& name,
                 const QList<QPair<int, QString>>& overrides = {});

// The same from columns (from 1) given as "1=G-1|2=名|7=兵力"; a later one wins.
QString CardLineOf(const QString& columns);

// Card list lines encoded as code page 932, each followed by CR LF.
QByteArray CardListBytes(const QStringList& lines);

// A catalogue of cards given as "code|name|type|rarity"; the fields left out are empty.
CardCatalogue CatalogueOf(const QStringList& cards);

// A catalogue loaded from card list lines (see CardLine), as the program loads its list.
CardCatalogue CatalogueOfLines(const QStringList& lines);

}  // namespace kestrava::test
