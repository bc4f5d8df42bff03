// Which box sets which bit of the selection state. Shared by the state builder and the card
// filter so that a box and the test it stands for cannot drift apart.
#pragma once

#include <QtGlobal>

#include <array>

#include "catalogue/StringTable.h"

namespace kestrava {

struct WordBox {
    int Box;
    qint16 Bit;
    StringTableWord Word;  // the CardType or Rarity word the bit accepts
};

inline constexpr std::array<WordBox, 7> kTypeBoxes = {{
    {6, 0x40, kWordHero},
    {7, 0x20, kWordCommander},
    {8, 0x10, kWordTroop},
    {9, 0x08, kWordFollower},
    {10, 0x04, kWordTactic},
    {11, 0x02, kWordStratagem},
    {12, 0x01, kWordCastle},
}};

inline constexpr std::array<WordBox, 3> kRarityBoxes = {{
    {13, 0x04, kWordRare},
    {14, 0x02, kWordUncommon},
    {15, 0x01, kWordCommon},
}};

struct BitBox {
    int Box;
    qint16 Bit;
};

namespace ability_bit {
constexpr qint16 kUpkeep = 0x080;
constexpr qint16 kSortieCost = 0x040;
constexpr qint16 kCharge = 0x020;
constexpr qint16 kTrample = 0x010;
constexpr qint16 kCounter = 0x008;
constexpr qint16 kShooting = 0x004;
constexpr qint16 kSiege = 0x002;
constexpr qint16 kPlunder = 0x001;
constexpr qint16 kAmbush = 0x100;
constexpr qint16 kScout = 0x200;
constexpr qint16 kFlank = 0x400;
}  // namespace ability_bit

inline constexpr std::array<BitBox, 11> kAbilityBoxes = {{
    {16, ability_bit::kUpkeep},
    {17, ability_bit::kSortieCost},
    {18, ability_bit::kCharge},
    {19, ability_bit::kTrample},
    {20, ability_bit::kCounter},
    {21, ability_bit::kShooting},
    {22, ability_bit::kSiege},
    {23, ability_bit::kPlunder},
    {30, ability_bit::kAmbush},
    {31, ability_bit::kScout},
    {32, ability_bit::kFlank},
}};

namespace formation_bit {
constexpr qint16 kRabble = 0x10;    // 烏合
constexpr qint16 kPhalanx = 0x08;   // 密集
constexpr qint16 kWedge = 0x04;     // 紡錘
constexpr qint16 kEncircle = 0x02;  // 包囲
constexpr qint16 kMobile = 0x01;    // 機動
}  // namespace formation_bit

inline constexpr std::array<BitBox, 5> kFormationBoxes = {{
    {25, formation_bit::kRabble},
    {26, formation_bit::kPhalanx},
    {27, formation_bit::kWedge},
    {28, formation_bit::kEncircle},
    {29, formation_bit::kMobile},
}};

}  // namespace kestrava
