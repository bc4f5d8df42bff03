// Code page 932 (Shift-JIS as written by Japanese Windows) text: the encoding of every file
// this program reads or writes, with the program's own tables (Cp932Tables.h), so it reads and
// writes the same on every platform.
//
// Reading: a lead byte (81 to 9F, E0 to FC) and the byte after it are one character whenever
// that byte can be a trail byte (40 to FC but 7F), as Windows reads them: a pair without a
// character, such as 85 5C, reads as one U+FFFD for both bytes. A lead byte followed by a byte
// that cannot be a trail byte (commas, CR and LF never can), or by nothing, reads as U+FFFD
// and leaves that byte to be read as itself. Other invalid bytes read as U+FFFD, one each.
// Writing: characters without a code page 932 form are written as "?" and count as one byte.
// The mapping is Microsoft's both ways: "～" is 81 60, and so is the wave dash U+301C typed
// elsewhere (it reads back as "～"); the single bytes 80, A0, FD, FE and FF read as U+0080,
// U+F8F0 to U+F8F3 and are written back as themselves.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace kestrava {

QString DecodeCp932(QByteArrayView bytes);
QByteArray EncodeCp932(QStringView text);
// Encodes into dst, which must have room for 2 * text.size() bytes; returns the end written.
char* EncodeCp932Into(QStringView text, char* dst);

// The number of bytes EncodeCp932 would produce.
int Cp932ByteLength(QStringView text);

}  // namespace kestrava
