#include <gtest/gtest.h>

#include <tuple>

#include "platform/Cp932.h"

namespace kestrava {
namespace {

struct Mapping {
    const char16_t* text;
    QByteArray bytes;
};

TEST(Cp932, UsesMicrosoftsMappingBothWays) {
    ASSERT_TRUE(Cp932Available());
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

TEST(Cp932, EveryDecodablePairEncodesBackToTheSameCharacter) {
    int mapped = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const QString text = DecodeCp932(QByteArray(1, char(lead)) + char(trail));
            if (text.size() != 1 || text.at(0) == QChar(0xFFFD)) {
                continue;
            }
            ++mapped;
            const QByteArray back = EncodeCp932(text);
            ASSERT_EQ(back.size(), 2);
            ASSERT_EQ(DecodeCp932(back), text);
        }
    }
    EXPECT_GT(mapped, 7000);
}

}  // namespace
}  // namespace kestrava
