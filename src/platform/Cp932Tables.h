// Code page 932 as Windows maps it, as constant tables. Cp932Tables.cpp is written by
// tools/cp932_tables.py and committed; a test fails when the two differ.
#pragma once

#include <QtGlobal>

namespace kestrava::cp932 {

constexpr int kLeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);

// What each byte from 80 to FF reads as on its own: U+FFFD for a lead byte.
extern const char16_t kHighByteUnits[0x80];

// For each byte b from 80 to FF, kLeadRowOf[b - 0x80] is 1 + the row of kPairUnits that b
// leads (81 to 9F, then E0 to FC), or 0 when b is no lead byte.
extern const quint8 kLeadRowOf[0x80];

// What a lead byte and the byte after it read as, [row][second byte]: U+FFFD for a pair
// without a character, 0 when the second byte cannot be a trail byte (below 40, 7F, above FC).
extern const char16_t kPairUnits[kLeadCount][0x100];

// The code of UTF-16 unit u from U+0080 on is kEncodeBlocks[kEncodeBlockOf[u >> 8]][u & 0xFF]:
// 0 when it has none, one byte below 0x100, else lead << 8 | trail. Block 0 is all zeros.
extern const quint8 kEncodeBlockOf[0x100];
extern const quint16 kEncodeBlocks[][0x100];

}  // namespace kestrava::cp932
