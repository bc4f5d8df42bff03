#include <gtest/gtest.h>

#include "platform/Cp932.h"

namespace kestrava {
namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) {
        out.append(char(v));
    }
    return out;
}

struct Mapping {
    const char16_t* text;
    QByteArray bytes;
};

TEST(Cp932, UsesMicrosoftsMappingBothWays) {
    ASSERT_TRUE(Cp932Available());
    const Mapping cases[] = {
        {u"～", Bytes({0x81, 0x60})},
        {u"－", Bytes({0x81, 0x7C})},
        {u"①", Bytes({0x87, 0x40})},
        {u"髙", Bytes({0xFB, 0xFC})},
        {u"×", Bytes({0x81, 0x7E})},
        {u"ｱ", Bytes({0xB1})},
        {u"｡", Bytes({0xA1})},
        {u"ﾟ", Bytes({0xDF})},
        {u"\\~", Bytes({0x5C, 0x7E})},
        {u"\x1a\x1c\x7f", Bytes({0x1A, 0x1C, 0x7F})},
        {u"あ漢", Bytes({0x82, 0xA0, 0x8A, 0xBF})},
    };
    for (const Mapping& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(EncodeCp932(text), c.bytes) << text.toStdString();
        EXPECT_EQ(DecodeCp932(c.bytes), text) << text.toStdString();
        EXPECT_EQ(Cp932ByteLength(text), c.bytes.size()) << text.toStdString();
    }
}

TEST(Cp932, CharactersWithSeveralCodesAreWrittenWithTheFirstChoice) {
    const Mapping cases[] = {
        {u"≒", Bytes({0x81, 0xE0})},  // JIS row before NEC row 13
        {u"∵", Bytes({0x81, 0xE6})},
        {u"Ⅰ", Bytes({0x87, 0x54})},  // NEC row 13 before the IBM extension
        {u"ⅰ", Bytes({0xFA, 0x40})},  // IBM extension before its NEC-selected copy
        {u"￢", Bytes({0x81, 0xCA})},
    };
    for (const Mapping& c : cases) {
        EXPECT_EQ(EncodeCp932(QString::fromUtf16(c.text)), c.bytes);
    }
    EXPECT_EQ(DecodeCp932(Bytes({0xEE, 0xEF})), QString::fromUtf16(u"ⅰ"));
}

TEST(Cp932, UnmappableCharactersBecomeOneQuestionMarkEach) {
    const QString text = QString::fromUtf16(u"A€B😀C\xD800");
    EXPECT_EQ(EncodeCp932(text), QByteArray("A?B?C?"));
    EXPECT_EQ(Cp932ByteLength(text), 6);
}

TEST(Cp932, InvalidBytesReadAsReplacementCharacters) {
    const QString fffd = QString(QChar(0xFFFD));
    struct Case {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {Bytes({0x81, 0x2C, 0x41}), fffd + ",A"},  // a broken lead keeps the comma after it
        {Bytes({0x41, 0x81}), "A" + fffd},         // lead byte cut off at the end
        {Bytes({0x85, 0x40}), fffd},               // valid shape, no character
        {Bytes({0x81, 0x7F}), fffd + "\x7f"},      // 7F is never a trail byte
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeCp932(c.bytes), c.text) << c.bytes.toHex().toStdString();
    }
}

// Written as Windows writes them, read back as the full-width twins Windows reads.
TEST(Cp932, CharactersTypedOutsideWindowsTakeTheirTwinsCodes) {
    const struct {
        char16_t typed;
        QByteArray bytes;
        char16_t read;
    } cases[] = {
        {u'\u301C', Bytes({0x81, 0x60}), u'\uFF5E'}, {u'\u2212', Bytes({0x81, 0x7C}), u'\uFF0D'},
        {u'\u2016', Bytes({0x81, 0x61}), u'\u2225'}, {u'\u00A2', Bytes({0x81, 0x91}), u'\uFFE0'},
        {u'\u00A3', Bytes({0x81, 0x92}), u'\uFFE1'}, {u'\u00AC', Bytes({0x81, 0xCA}), u'\uFFE2'},
    };
    for (const auto& c : cases) {
        const QString typed(QChar(c.typed));
        EXPECT_EQ(EncodeCp932(typed), c.bytes) << int(c.typed);
        EXPECT_EQ(Cp932ByteLength(typed), 2) << int(c.typed);
        EXPECT_EQ(DecodeCp932(c.bytes), QString(QChar(c.read))) << int(c.typed);
    }
}

TEST(Cp932, SingleBytesWindowsReadsSurviveBothWays) {
    const struct {
        int byte;
        char16_t unit;
    } cases[] = {{0x80, u'\u0080'},
                 {0xA0, u'\uF8F0'},
                 {0xFD, u'\uF8F1'},
                 {0xFE, u'\uF8F2'},
                 {0xFF, u'\uF8F3'}};
    for (const auto& c : cases) {
        const QByteArray bytes = Bytes({0x41, c.byte, 0x42});
        const QString text = QStringLiteral("A") + QChar(c.unit) + QStringLiteral("B");
        EXPECT_EQ(DecodeCp932(bytes), text) << c.byte;
        EXPECT_EQ(EncodeCp932(text), bytes) << c.byte;
        EXPECT_EQ(Cp932ByteLength(text), 3) << c.byte;
    }
}

TEST(Cp932, EveryDecodablePairEncodesBackToTheSameCharacter) {
    int mapped = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const QString text = DecodeCp932(Bytes({lead, trail}));
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
