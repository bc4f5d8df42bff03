// Files for fuzz targets whose code under test reads or writes paths: one temporary folder
// per process, removed at exit, holding files rewritten on every input.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace kestrava::fuzz {

// The path of a file called name in the process's temporary folder.
QString FuzzFilePath(const QString& name);

// Replaces the file at path with bytes; aborts when that is impossible, since every later
// check would be meaningless.
void WriteFuzzFile(const QString& path, QByteArrayView bytes);

// The whole content of path; aborts when it cannot be read.
QByteArray ReadFuzzFile(const QString& path);

// The raw input, or, when it starts with the byte 0xFF, the rest repeated copies times but
// no further than maxBytes (at least once). Lets short inputs reach limits such as the card
// table size or the 16-bit deck total.
QByteArray ExpandInput(const uint8_t* data, std::size_t size, int copies, qsizetype maxBytes);

}  // namespace kestrava::fuzz
