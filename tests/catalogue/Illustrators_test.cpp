#include <gtest/gtest.h>

#include "catalogue/Illustrators.h"
#include "platform/Cp932.h"

namespace kestrava {
namespace {

enum class Script { Latin, Kana, Kanji };

Script ScriptOf(QChar first) {
    const char16_t c = first.unicode();
    if ((c < 0x80 && first.isLetter()) || (c >= 0xFF21 && c <= 0xFF5A)) {
        return Script::Latin;
    }
    if (c >= 0x3041 && c <= 0x30FF) {
        return Script::Kana;
    }
    return Script::Kanji;
}

// Full-width letters fold to half-width, case ignored.
QString LatinKey(const QString& name) {
    QString key = name;
    for (QChar& c : key) {
        if (c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E) {
            c = QChar(c.unicode() - 0xFEE0);
        }
    }
    return key.toLower();
}

// Katakana fold to hiragana.
QString KanaKey(const QString& name) {
    QString key = name;
    for (QChar& c : key) {
        if (c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6) {
            c = QChar(c.unicode() - 0x60);
        }
    }
    return key;
}

TEST(Illustrators, SixtySevenNamesInTheirFixedOrder) {
    const QStringList names = IllustratorNames();
    ASSERT_EQ(names.size(), 67);
    for (int i = 1; i < names.size(); ++i) {
        const QString& a = names[i - 1];
        const QString& b = names[i];
        const Script sa = ScriptOf(a.front());
        const Script sb = ScriptOf(b.front());
        ASSERT_LE(int(sa), int(sb)) << a.toStdString() << " / " << b.toStdString();
        if (sa != sb) {
            continue;
        }
        switch (sa) {
            case Script::Latin:
                EXPECT_LT(LatinKey(a), LatinKey(b)) << a.toStdString();
                break;
            case Script::Kana:
                EXPECT_LT(KanaKey(a), KanaKey(b)) << a.toStdString();
                break;
            case Script::Kanji:
                EXPECT_LT(EncodeCp932(a), EncodeCp932(b)) << a.toStdString();
                break;
        }
    }
    for (const QString& name : names) {
        EXPECT_EQ(name, name.trimmed());
        EXPECT_FALSE(EncodeCp932(name).contains('?')) << name.toStdString();
    }
}

TEST(Illustrators, ListStartsWithAll) {
    const QStringList list = IllustratorList();
    ASSERT_EQ(list.size(), 68);
    EXPECT_EQ(list.front(), "ALL");
    EXPECT_EQ(list.mid(1), IllustratorNames());
}

}  // namespace
}  // namespace kestrava
