#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringList>

#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/Cp932.h"

namespace kestrava {
namespace {

struct Mapping {
    const char16_t* text;
    QByteArray bytes;
};

TEST(Cp932, UsesMicrosoftsMappingBothWays) {
    const Mapping cases[] = {{u"～", "\x81\x60"},
                             {u"－", "\x81\x7C"},
                             {u"①", "\x87\x40"},
                             {u"髙", "\xFB\xFC"},
                             {u"×", "\x81\x7E"},
                             {u"ｱ｡ﾟ", "\xB1\xA1\xDF"},
                             {u"あ漢", "\x82\xA0\x8A\xBF"},
                             {u"\\~\x1a\x1c\x7f", "\\~\x1A\x1C\x7F"}};
    for (const Mapping& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(EncodeCp932(text), c.bytes) << text.toStdString();
        EXPECT_EQ(DecodeCp932(c.bytes), text) << text.toStdString();
        EXPECT_EQ(Cp932ByteLength(text), c.bytes.size()) << text.toStdString();
    }
}

// JIS row before NEC row 13 before the IBM extension before its NEC-selected copy.
TEST(Cp932, CharactersWithSeveralCodesAreWrittenWithTheFirstChoice) {
    const Mapping cases[] = {{u"≒", "\x81\xE0"},
                             {u"∵", "\x81\xE6"},
                             {u"Ⅰ", "\x87\x54"},
                             {u"ⅰ", "\xFA\x40"},
                             {u"￢", "\x81\xCA"}};
    for (const Mapping& c : cases) {
        EXPECT_EQ(EncodeCp932(QString::fromUtf16(c.text)), c.bytes);
    }
    EXPECT_EQ(DecodeCp932("\xEE\xEF"), QString::fromUtf16(u"ⅰ"));
}

TEST(Cp932, UnmappableCharactersBecomeOneQuestionMarkEach) {
    const QString text = QString::fromUtf16(u"A€B😀C\xD800");
    EXPECT_EQ(EncodeCp932(text), QByteArray("A?B?C?"));
    EXPECT_EQ(Cp932ByteLength(text), 6);
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

// Written as Windows writes them, read back as the full-width twins Windows reads.
TEST(Cp932, CharactersTypedOutsideWindowsTakeTheirTwinsCodes) {
    const std::tuple<char16_t, QByteArray, char16_t> cases[] = {
        {u'\u301C', "\x81\x60", u'\uFF5E'}, {u'\u2212', "\x81\x7C", u'\uFF0D'},
        {u'\u2016', "\x81\x61", u'\u2225'}, {u'\u00A2', "\x81\x91", u'\uFFE0'},
        {u'\u00A3', "\x81\x92", u'\uFFE1'}, {u'\u00AC', "\x81\xCA", u'\uFFE2'}};
    for (const auto& [unit, bytes, read] : cases) {
        const QString typed{QChar(unit)};
        EXPECT_EQ(EncodeCp932(typed), bytes) << int(unit);
        EXPECT_EQ(Cp932ByteLength(typed), 2) << int(unit);
        EXPECT_EQ(DecodeCp932(bytes), QString(QChar(read))) << int(unit);
    }
}

TEST(Cp932, SingleBytesWindowsReadsSurviveBothWays) {
    const std::pair<char, char16_t> cases[] = {{'\x80', u'\u0080'},
                                               {'\xA0', u'\uF8F0'},
                                               {'\xFD', u'\uF8F1'},
                                               {'\xFE', u'\uF8F2'},
                                               {'\xFF', u'\uF8F3'}};
    for (const auto& [byte, unit] : cases) {
        const QByteArray bytes = QByteArray("A") + byte + "B";
        const QString text = QStringLiteral("A") + QChar(unit) + QStringLiteral("B");
        EXPECT_EQ(DecodeCp932(bytes), text) << int(uchar(byte));
        EXPECT_EQ(EncodeCp932(text), bytes) << int(uchar(byte));
        EXPECT_EQ(Cp932ByteLength(text), 3) << int(uchar(byte));
    }
}

// The tables as the program built them from the platform converter before it had its own: the
// converter asked about every pair only (it differs on invalid and cut-off bytes), each
// character written with its first code, the NEC-selected IBM codes (leads ED, EE) last.
struct ConverterTables {
    std::vector<char16_t> Decode = std::vector<char16_t>(0x10000);  // lead << 8 | trail
    std::vector<quint16> Encode = std::vector<quint16>(0x10000);    // by UTF-16 unit
};

bool IsLead(int b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool IsTrail(int b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

std::optional<ConverterTables> BuildFromConverter() {
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
        return std::nullopt;
    }
    ConverterTables tables;
    QByteArray all;
    std::vector<int> codes;
    for (int code = 0x8140; code <= 0xFCFC; ++code) {
        if (IsLead(code >> 8) && IsTrail(code & 0xFF)) {
            all.append(char(code >> 8)).append(char(code & 0xFF)).append('\n');
            codes.push_back(code);
        }
    }
    const QStringList pieces = QString(decoder.decode(all)).split(u'\n');
    for (std::size_t k = 0; k < codes.size(); ++k) {
        const QString text = pieces.value(qsizetype(k));
        const char16_t unit = text.size() == 1 ? text.at(0).unicode() : 0;
        if (unit >= 0x80 && unit != 0xFFFD && !QChar::isSurrogate(unit)) {
            tables.Decode[codes[k]] = unit;
        }
    }
    auto invert = [&tables](bool necSelected) {
        for (int code = 0x8140; code <= 0xFCFC; ++code) {
            const char16_t unit = tables.Decode[code];
            const bool copy = (code >> 8) == 0xED || (code >> 8) == 0xEE;
            if (unit != 0 && copy == necSelected && tables.Encode[unit] == 0) {
                tables.Encode[unit] = quint16(code);
            }
        }
    };
    invert(false);
    invert(true);
    for (const auto& [unit, code] : {std::pair{0x301C, 0x8160},
                                     {0x2212, 0x817C},
                                     {0x2016, 0x8161},
                                     {0x00A2, 0x8191},
                                     {0x00A3, 0x8192},
                                     {0x00AC, 0x81CA}}) {
        tables.Encode[unit] = tables.Encode[unit] != 0 ? tables.Encode[unit] : quint16(code);
    }
    for (const auto& [unit, byte] : {std::pair{0x0080, 0x80},
                                     {0xF8F0, 0xA0},
                                     {0xF8F1, 0xFD},
                                     {0xF8F2, 0xFE},
                                     {0xF8F3, 0xFF}}) {
        tables.Encode[unit] = quint16(byte);
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
        if (IsLead(code >> 8) && IsTrail(code & 0xFF)) {
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
