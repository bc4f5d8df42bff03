// Small helpers for tests that work with real files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kestrava::test {

// Writes bytes to path, replacing it; fails the running test when that is impossible.
void WriteBytes(const QString& path, const QByteArray& bytes);

// The whole content of path; an empty array when it cannot be read.
QByteArray ReadBytes(const QString& path);

// A card list line of 31 comma-terminated columns. Columns not given are "0" for number
// columns and empty for text columns; overrides maps a 1-based column number to its text.
QString CardLine(const QString& code, const QString& name,
                 const QList<QPair<int, QString>>& overrides = {});

// Card list lines encoded as code page 932, each followed by CR LF.
QByteArray CardListBytes(const QStringList& lines);

}  // namespace kestrava::test
