#include <gtest/gtest.h>

#include "catalogue/Illustrators.h"
#include "platform/Cp932.h"

namespace kestrava {
namespace {

// Latin names first (full-width folded to half-width, case ignored), then kana names (katakana
// folded to hiragana), then kanji names by their code page 932 bytes.
std::pair<int, QByteArray> SortKey(const QString& name) {
    QString key = name;
    const char16_t first = name.front().unicode();
    const bool latin =
        (first < 0x80 && name.front().isLetter()) || (first >= 0xFF21 && first <= 0xFF5A);
    const bool kana = first >= 0x3041 && first <= 0x30FF;
    for (QChar& c : key) {
        if (latin && c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E) {
            c = QChar(c.unicode() - 0xFEE0);
        } else if (kana && c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6) {
            c = QChar(c.unicode() - 0x60);
        }
    }
    if (latin) {
        return {0, key.toLower().toUtf8()};
    }
    return kana ? std::pair{1, key.toUtf8()} : std::pair{2, EncodeCp932(key)};
}

TEST(Illustrators, AllThenSixtySevenNamesInTheirFixedOrder) {
    const QStringList list = IllustratorList();
    ASSERT_EQ(list.size(), 68);
    EXPECT_EQ(list.front(), "ALL");
    for (int i = 2; i < list.size(); ++i) {
        EXPECT_LT(SortKey(list[i - 1]), SortKey(list[i])) << list[i].toStdString();
    }
    for (const QString& name : list) {
        EXPECT_EQ(name, name.trimmed());
        EXPECT_FALSE(EncodeCp932(name).contains('?')) << name.toStdString();
    }
}

}  // namespace
}  // namespace kestrava
