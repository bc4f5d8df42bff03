#include <gtest/gtest.h>

#include <QStringDecoder>

#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/Cp932.h"

namespace kestrava {
namespace {

// The text, its bytes, the text they read back as (nullptr: the text itself). A character with
// several codes is written with the first: JIS row before NEC row 13 before the IBM extension
// before its NEC-selected copy. Characters typed outside Windows take their twins' codes and read
// back as the twins; the single bytes Windows reads survive; what has no code is one "?" each.
TEST(Cp932, WritesAndReadsAsWindows) {
    const std::tuple<const char16_t*, QByteArray, const char16_t*> cases[] = {
        {u"～", "\x81\x60", nullptr},
        {u"－", "\x81\x7C", nullptr},
        {u"①", "\x87\x40", nullptr},
        {u"髙", "\xFB\xFC", nullptr},
        {u"×", "\x81\x7E", nullptr},
        {u"ｱ｡ﾟ", "\xB1\xA1\xDF", nullptr},
        {u"あ漢", "\x82\xA0\x8A\xBF", nullptr},
        {u"\\~\x1a\x1c\x7f", "\\~\x1A\x1C\x7F", nullptr},
        {u"≒", "\x81\xE0", nullptr},
        {u"∵", "\x81\xE6", nullptr},
        {u"Ⅰ", "\x87\x54", nullptr},
        {u"ⅰ", "\xFA\x40", nullptr},
        {u"￢", "\x81\xCA", nullptr},
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
    for (const auto& [typed, bytes, read] : cases) {
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

// A broken lead keeps the comma after it; a lead cut off at the end; a valid shape with no
// character; 7F, never a trail byte.
TEST(Cp932, InvalidBytesReadAsReplacementCharacters) {
    const QString fffd = QString(QChar(0xFFFD));
    const std::pair<QByteArray, QString> cases[] = {{"\x81\x2C\x41", fffd + ",A"},
                                                    {"\x41\x81", "A" + fffd},
                                                    {"\x85\x40", fffd},
                                                    {"\x81\x7F", fffd + "\x7f"}};
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(DecodeCp932(bytes), text) << bytes.toHex().toStdString();
    }
}

// The tables as the program built them from the platform converter before it had its own: the
// converter asked about each pair on its own (it differs on invalid and cut-off bytes), each
// character written with its first code, the NEC-selected IBM codes (leads ED, EE) last, then
// the codes Windows writes for characters typed elsewhere and for the single bytes it reads.
struct ConverterTables {
    std::vector<char16_t> Decode = std::vector<char16_t>(0x10000);  // lead << 8 | trail
    std::vector<quint16> Encode = std::vector<quint16>(0x10000);    // by UTF-16 unit
};

bool IsPair(int code) {
    const int lead = code >> 8, trail = code & 0xFF;
    return ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) && trail >= 0x40 &&
           trail <= 0xFC && trail != 0x7F;
}

std::optional<ConverterTables> BuildFromConverter() {
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
        return std::nullopt;
    }
    ConverterTables tables;
    for (int code = 0x8140; code <= 0xFCFC; ++code) {
        const char bytes[] = {char(code >> 8), char(code)};
        const QString text = IsPair(code) ? QString(decoder(QByteArrayView(bytes, 2))) : QString();
        const char16_t unit = text.size() == 1 ? text.at(0).unicode() : 0;
        if (unit >= 0x80 && unit != 0xFFFD && !QChar::isSurrogate(unit)) {
            tables.Decode[code] = unit;
        }
    }
    for (const bool necSelected : {false, true}) {
        for (int code = 0x8140; code <= 0xFCFC; ++code) {
            const char16_t unit = tables.Decode[code];
            const bool copy = (code >> 8) == 0xED || (code >> 8) == 0xEE;
            if (unit != 0 && copy == necSelected && tables.Encode[unit] == 0) {
                tables.Encode[unit] = quint16(code);
            }
        }
    }
    for (const auto& [unit, code] : {std::pair{0x301C, 0x8160},
                                     {0x2212, 0x817C},
                                     {0x2016, 0x8161},
                                     {0x00A2, 0x8191},
                                     {0x00A3, 0x8192},
                                     {0x00AC, 0x81CA},
                                     {0x0080, 0x80},
                                     {0xF8F0, 0xA0},
                                     {0xF8F1, 0xFD},
                                     {0xF8F2, 0xFE},
                                     {0xF8F3, 0xFF}}) {
        tables.Encode[unit] = quint16(code);
    }
    for (int byte = 0xA1; byte <= 0xDF; ++byte) {
        tables.Encode[0xFF61 + byte - 0xA1] = quint16(byte);
    }
    return tables;
}

const std::optional<ConverterTables>& FromConverter() {
    static const std::optional<ConverterTables> tables = BuildFromConverter();
    return tables;
}

TEST(Cp932, ReadsEveryPairAsThePlatformConverter) {
    if (!FromConverter()) {
        GTEST_SKIP() << "this Qt has no code page 932 converter";
    }
    for (int code = 0x8140; code <= 0xFCFC; ++code) {
        if (IsPair(code)) {
            const char16_t unit = FromConverter()->Decode[code];
            const char bytes[] = {char(code >> 8), char(code & 0xFF)};
            ASSERT_EQ(DecodeCp932(QByteArrayView(bytes, 2)), QString(QChar(unit ? unit : 0xFFFD)))
                << std::hex << code;
        }
    }
}

TEST(Cp932, WritesEveryBmpUnitAsThePlatformConverter) {
    if (!FromConverter()) {
        GTEST_SKIP() << "this Qt has no code page 932 converter";
    }
    for (int unit = 0x80; unit <= 0xFFFF; ++unit) {
        const int code = FromConverter()->Encode[unit];
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
