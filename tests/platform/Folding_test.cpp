// Folding: the ways one word is typed all fold to the same text.
#include <gtest/gtest.h>

#include "platform/Folding.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

struct FoldCase {
    const char* Way;
    QString Typed;
    QString Folded;
};

TEST(FoldForSearch, EveryWayOfTypingFoldsAlike) {
    const FoldCase cases[] = {
        {"full-width letters and digits", u"ＡＢＣ１２３"_s, u"abc123"_s},
        {"case", u"Aria VELDEN"_s, u"ariavelden"_s},
        {"half-width katakana with voicing", u"ｶﾞﾙﾑ"_s, u"ガルム"_s},
        {"hiragana as katakana", u"ほのおのつるぎ"_s, u"ホノオノツルギ"_s},
        {"ゔ as ヴ", u"ゔぁるき"_s, u"ヴァルキ"_s},
        {"spacing voiced marks join their kana", u"カ゛ルム ウ゛ァ ハ゜"_s, u"ガルムヴァパ"_s},
        {"blanks of any width and ・", u"森の　城・ 跡"_s, u"森ノ城跡"_s},
        {"long-vowel marks and dashes are optional", u"ルーン ル－ン ﾙｰﾝ ル―ン ル—ン ルン"_s,
         u"ルンルンルンルンルンルン"_s},
        {"half-width long vowel", u"ｶﾞｰﾃﾞｨｱﾝ"_s, u"ガディアン"_s},
        {"a code with or without its dash", u"G-12 g12"_s, u"g12g12"_s},
        {"every wave dash", u"月影〜宵の歌～ ~"_s, u"月影~宵ノ歌~~"_s},
    };
    for (const FoldCase& c : cases) {
        EXPECT_EQ(FoldForSearch(c.Typed), c.Folded) << c.Way;
    }
}

TEST(FoldedQueryWords, SplitAtBlanksOfAnyWidth) {
    EXPECT_EQ(FoldedQueryWords(u"  ほのお\u3000ＧＡ ・ "_s), QStringList({u"ホノオ"_s, u"ga"_s}));
}

}  // namespace
}  // namespace kestrava
