#include <gtest/gtest.h>

#include <QStringDecoder>

#include <optional>
#include <string>
#include <vector>

#include "platform/Cp932.h"

namespace kestrava {
namespace {

// The text, its bytes, the text they read back as (nullptr: the text itself). A character with
// several codes is written with the first: JIS row before NEC row 13 before the IBM extension
// before its NEC-selected copy. Characters typed outside Windows take their twins' codes and read
// back as the twins; the single bytes Windows reads survive; what has no code is one "?" each.
struct Mapping {
    const char16_t* Typed;
    QByteArray Bytes;
    const char16_t* Read;
};
const Mapping kWindowsMappings[] = {
    {u"～－×ｱ｡ﾟあ漢", "\x81\x60\x81\x7C\x81\x7E\xB1\xA1\xDF\x82\xA0\x8A\xBF", nullptr},
    {u"≒∵Ⅰⅰ￢①髙", "\x81\xE0\x81\xE6\x87\x54\xFA\x40\x81\xCA\x87\x40\xFB\xFC", nullptr},
    {u"\\~\x1a\x1c\x7f", "\\~\x1A\x1C\x7F", nullptr},
    {u"\u301C", "\x81\x60", u"\uFF5E"},
    {u"\u2212", "\x81\x7C", u"\uFF0D"},
    {u"\u2016", "\x81\x61", u"\u2225"},
    {u"\u00A2", "\x81\x91", u"\uFFE0"},
    {u"\u00A3", "\x81\x92", u"\uFFE1"},
    {u"\u00AC", "\x81\xCA", u"\uFFE2"},
    {u"\u0080", "\x80", nullptr},
    {u"\uF8F0", "\xA0", nullptr},
    {u"\uF8F1", "\xFD", nullptr},
    {u"\uF8F2", "\xFE", nullptr},
    {u"\uF8F3", "\xFF", nullptr},
    {u"€B😀C\xD800", "?B?C?", u"?B?C?"}};

TEST(Cp932, WritesAndReadsAsWindows) {
    for (const auto& [typed, bytes, read] : kWindowsMappings) {
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

bool IsPair(int code) {
    const int lead = code >> 8, trail = code & 0xFF;
    return ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) && trail >= 0x40 &&
           trail <= 0xFC && trail != 0x7F;
}

// The program built its tables from the platform converter before it had its own. What the
// converter reads each pair as, asked about the pair on its own (it differs on invalid and
// cut-off bytes): 0 for no character. Nothing when this Qt has no such converter.
std::optional<std::vector<char16_t>> ConverterPairs() {
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
        return std::nullopt;
    }
    std::vector<char16_t> units(0x10000);  // by lead << 8 | trail
    for (int code = 0x8140; code <= 0xFCFC; ++code) {
        const char bytes[] = {char(code >> 8), char(code)};
        const QString text = IsPair(code) ? QString(decoder(QByteArrayView(bytes, 2))) : QString();
        const char16_t unit = text.size() == 1 ? text.at(0).unicode() : 0;
        if (unit >= 0x80 && unit != 0xFFFD && !QChar::isSurrogate(unit)) {
            units[code] = unit;
        }
    }
    return units;
}

// Every pair reads as the converter reads it on its own. Each character is written with its
// first code, the NEC-selected IBM codes (leads ED, EE) last; the half-width katakana with
// their single bytes; the characters above as given there.
TEST(Cp932, ReadsAndWritesAsThePlatformConverter) {
    const auto pairs = ConverterPairs();
    if (!pairs) {
        GTEST_SKIP() << "this Qt has no code page 932 converter";
    }
    std::vector<int> codes(0x10000);  // by UTF-16 unit; 0 for none
    for (const bool necSelected : {false, true}) {
        for (int code = 0x8140; code <= 0xFCFC; ++code) {
            const char16_t unit = (*pairs)[code];
            const char bytes[] = {char(code >> 8), char(code)};
            if (!necSelected && IsPair(code)) {
                ASSERT_EQ(DecodeCp932(QByteArrayView(bytes, 2)),
                          QString(QChar(unit ? unit : 0xFFFD)))
                    << std::hex << code;
            }
            const bool copy = (code >> 8) == 0xED || (code >> 8) == 0xEE;
            if (unit != 0 && copy == necSelected && codes[unit] == 0) {
                codes[unit] = code;
            }
        }
    }
    for (int byte = 0xA1; byte <= 0xDF; ++byte) {
        codes[0xFF61 + byte - 0xA1] = byte;
    }
    for (const Mapping& mapping : kWindowsMappings) {
        if (std::char_traits<char16_t>::length(mapping.Typed) == 1) {
            codes[mapping.Typed[0]] = mapping.Bytes.toHex().toInt(nullptr, 16);
        }
    }
    for (int unit = 0x80; unit <= 0xFFFF; ++unit) {
        const int code = codes[unit];
        const QByteArray expected = code == 0      ? QByteArray("?")
                                    : code < 0x100 ? QByteArray(1, char(code))
                                                   : QByteArray(1, char(code >> 8)) + char(code);
        const QChar text{char16_t(unit)};
        ASSERT_EQ(EncodeCp932(QStringView(&text, 1)), expected) << std::hex << unit;
        ASSERT_EQ(Cp932ByteLength(QStringView(&text, 1)), expected.size()) << std::hex << unit;
    }
}

}  // namespace
}  // namespace kestrava
