// Folding: the ways one word is typed all fold to the same text.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/Folding.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

TEST(FoldForSearch, EveryWayOfTypingFoldsAlike) {
    const std::tuple<const char*, QString, QString> cases[] = {
        {"full-width letters and digits", u"ＡＢＣ１２３"_s, u"abc123"_s},
        {"case", u"Aria VELDEN"_s, u"ariavelden"_s},
        {"half-width katakana with voicing", u"ｶﾞﾙﾑ"_s, u"ガルム"_s},
        {"hiragana as katakana", u"ほのおのつるぎ"_s, u"ホノオノツルギ"_s},
        {"ゔ as ヴ", u"ゔぁるき"_s, u"ヴァルキ"_s},
        {"blanks of any width and ・", u"森の　城・ 跡"_s, u"森ノ城跡"_s},
        {"long-vowel marks", u"ルーン ル－ン ﾙｰﾝ ル―ン"_s, u"ルーンルーンルーンルーン"_s},
        {"a code's dash", u"G-12"_s, u"gー12"_s},
    };
    for (const auto& [name, typed, folded] : cases) {
        EXPECT_EQ(FoldForSearch(typed), folded) << name;
    }
}

TEST(FoldedQueryWords, SplitAtBlanksOfAnyWidth) {
    EXPECT_EQ(FoldedQueryWords(u"  ほのお\u3000ＧＡ ・ "_s), QStringList({u"ホノオ"_s, u"ga"_s}));
}

}  // namespace
}  // namespace kestrava
