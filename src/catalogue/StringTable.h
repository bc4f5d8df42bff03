// The words that classify cards, fetched by number: 101–107 card types, 108–110 rarities.
#pragma once

#include <QString>

namespace kestrava {

enum StringTableWord : int {
    kWordHero = 101,       // 英雄
    kWordCommander = 102,  // 指揮官
    kWordTroop = 103,      // 兵力
    kWordFollower = 104,   // 配下
    kWordTactic = 105,     // 戦法
    kWordStratagem = 106,  // 計略
    kWordCastle = 107,     // 城
    kWordRare = 108,
    kWordUncommon = 109,
    kWordCommon = 110,
};

// The word with that number; empty for a number outside 101–110.
const QString& LoadWord(int number);

}  // namespace kestrava
