// Code page 932 (Shift-JIS as written by Japanese Windows) text: the encoding of every file
// this program reads or writes.
//
// Rules: characters without a code page 932 form are written as "?" and count as one byte;
// bytes that are not valid code page 932 read as U+FFFD, one per byte (a broken lead byte
// never swallows the ASCII byte after it). The mapping is Microsoft's ("～" is 81 60).
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
