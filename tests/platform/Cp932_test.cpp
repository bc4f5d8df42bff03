#include <gtest/gtest.h>

#include "platform/Cp932.h"

namespace kestrava {
namespace {

// The text, its bytes, the text they read back as (nullptr: the text itself). A character with
// several codes is written with the first: JIS row before NEC row 13 before the IBM extension
// before its NEC-selected copy. Characters typed outside Windows take their twins' codes and read
// back as the twins; the single bytes Windows reads survive; what has no code is one "?" each.
// Every code of the tables is the generator's (platform_Cp932Tables_generated); these rows
// check that the tables are read as it writes them.
struct Mapping {
    const char16_t* Typed;
    QByteArray Bytes;
    const char16_t* Read;
};

TEST(Cp932, WritesAndReadsAsWindows) {
    const Mapping mappings[] = {
        {u"～－×ｱ｡ﾟあ漢", "\x81\x60\x81\x7C\x81\x7E\xB1\xA1\xDF\x82\xA0\x8A\xBF", nullptr},
        {u"≒∵Ⅰⅰ￢①髙", "\x81\xE0\x81\xE6\x87\x54\xFA\x40\x81\xCA\x87\x40\xFB\xFC", nullptr},
        {u"\\~\x1a\x1c\x7f", "\\~\x1A\x1C\x7F", nullptr},
        {u"\u301C\u2212\u2016\u00A2\u00A3\u00AC",
         "\x81\x60\x81\x7C\x81\x61\x81\x91\x81\x92\x81\xCA",
         u"\uFF5E\uFF0D\u2225\uFFE0\uFFE1\uFFE2"},
        {u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3", "\x80\xA0\xFD\xFE\xFF", nullptr},
        {u"€B😀C\xD800", "?B?C?", u"?B?C?"}};
    for (const auto& [typed, bytes, read] : mappings) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        // Between two ASCII letters, which no code may take in.
        const QString text = "A" + QString::fromUtf16(typed) + "B";
        EXPECT_EQ(EncodeCp932(text), "A" + bytes + "B");
        EXPECT_EQ(Cp932ByteLength(text), bytes.size() + 2);
        EXPECT_EQ(DecodeCp932("A" + bytes + "B"),
                  "A" + QString::fromUtf16(read ? read : typed) + "B");
    }
    EXPECT_EQ(DecodeCp932("\xEE\xEF"), QString::fromUtf16(u"ⅰ"));  // the copy's code reads too
}

// A broken lead keeps the comma after it; a valid shape with no character; 7F, never a trail
// byte; a lead cut off at the end.
TEST(Cp932, InvalidBytesReadAsReplacementCharacters) {
    EXPECT_EQ(DecodeCp932("\x81\x2C\x41|\x85\x40|\x81\x7F|\x41\x81"),
              QString::fromUtf16(u"\uFFFD,A|\uFFFD|\uFFFD\x7f|A\uFFFD"));
}

}  // namespace
}  // namespace kestrava
