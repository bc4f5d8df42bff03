// Code page 932 (Shift-JIS as written by Japanese Windows) text: the encoding of every file
// this program reads or writes.
//
// Rules: characters without a code page 932 form are written as "?" and count as one byte;
// a lead byte without its trail byte reads as U+FFFD, one per byte (it never swallows the
// ASCII byte after it). The mapping is Microsoft's both ways: "～" is 81 60, and so is the
// wave dash U+301C typed elsewhere (it reads back as "～"); the single bytes 80, A0, FD, FE
// and FF read as U+0080, U+F8F0 to U+F8F3 and are written back as themselves.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace kestrava {

// True when the platform converter needed to build the tables is present.
bool Cp932Available();

QString DecodeCp932(QByteArrayView bytes);
QByteArray EncodeCp932(QStringView text);
// Encodes into dst, which must have room for 2 * text.size() bytes; returns the end written.
char* EncodeCp932Into(QStringView text, char* dst);

// The number of bytes EncodeCp932 would produce.
int Cp932ByteLength(QStringView text);

}  // namespace kestrava
