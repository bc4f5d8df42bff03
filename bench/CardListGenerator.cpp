#include "bench/CardListGenerator.h"

#include <random>

#include "catalogue/CardRecord.h"
#include "catalogue/Illustrators.h"
#include "catalogue/StringTable.h"
#include "platform/TextFile.h"

namespace kestrava::bench {
namespace {

constexpr std::mt19937::result_type kSeed = 20250611u;

// std::mt19937's output is fixed by the standard; its distributions are not, so no
// std::uniform_int_distribution here.
class Dice {
  public:
    int Below(int n) { return static_cast<int>(engine_() % static_cast<unsigned>(n)); }
    bool Percent(int p) { return Below(100) < p; }
    const QString& Pick(const QStringList& from) { return from[Below(from.size())]; }
    QString Number(int low, int high) { return QString::number(low + Below(high - low + 1)); }

  private:
    std::mt19937 engine_{kSeed};
};

struct TypeShare {
    StringTableWord Word;
    int Weight;
};
// Roughly the mix of a real card pool: units first, a castle in every ten cards.
constexpr TypeShare kTypeShares[] = {{kWordHero, 8},      {kWordCommander, 10}, {kWordTroop, 16},
                                     {kWordFollower, 12}, {kWordTactic, 10},    {kWordStratagem, 9},
                                     {kWordCastle, 7}};

const QStringList kPrefixes = {"白銀", "黄昏", "紅蓮", "翠",   "霧",   "暁",   "黒曜", "灼熱",
                               "古樹", "蒼海", "鋼盾", "月蝕", "熾火", "若葉", "朧"};
const QStringList kPeople = {"リオナ",   "ノクト",   "フェルナ", "エルネ", "ミズハ",   "ヴァルド",
                             "ザイラス", "グラウス", "シルヴァ", "冬馬",   "セレスタ", "キリエ"};
const QStringList kRoles = {"剣姫", "騎士", "魔女", "賢者", "狩人", "巫女", "竜王", "聖女"};
const QStringList kRanks = {"将軍", "副官", "隊長", "軍師", "提督", "参謀", "団長"};
const QStringList kUnits = {"槍騎兵", "重騎兵", "長槍隊", "盾兵", "弓兵隊", "魔導師",
                            "飛竜",   "大狼",   "骸骨兵", "忍び", "水兵",   "機工兵"};
const QStringList kRetainers = {"従者", "伝令", "見習い", "旗手", "鷹匠", "薬師", "斥候", "密偵"};
const QStringList kTactics = {"急襲",   "一斉射撃", "背水の陣", "盾の壁", "火矢の雨",
                              "夜討ち", "挟撃",     "陽動",     "追撃",   "槍衾"};
const QStringList kStratagems = {"偽りの使者", "兵糧攻め", "離間の計", "流言",
                                 "内通",       "空城の計", "密書",     "水攻め"};
const QStringList kPlaces = {"銀嶺", "黒沼", "紅炉", "樹海", "霧笛", "聖鐘", "灰峰", "氷湖"};
const QStringList kCastles = {"城", "砦", "城塞", "要塞", "関", "塔"};
const QStringList kSubTypes = {"騎兵", "歩兵", "弓兵", "魔導", "竜", "獣", "死霊", "忍", "水兵"};
const QStringList kUpperTexts = {"出撃時、カードを%1枚引く。",
                                 "このユニットが攻撃する時、攻撃力+%1。",
                                 "隣接する味方ユニットの防御力+%1。",
                                 "戦闘に勝利した時、相手は手札を%1枚捨てる。",
                                 "相手ユニット1体に%1点の損害を与える。",
                                 "ターン終了時、防御力を%1回復する。",
                                 "自分の城が%1枚以上ある時、速度+1。",
                                 "山札からカードを%1枚引き、1枚捨てる。"};
const QStringList kLowerTexts = {"王冠に誓いを。剣に誇りを。", "夕暮れは終わりではない。",
                                 "灰の中から、再び火は昇る。", "森は忘れない。",
                                 "霧の向こうに、誰かが待つ。", "「陣を崩すな！前へ！」",
                                 "伝令の足は剣より速い。",     "地図にない道を行け。"};
const QStringList kFormations = {"烏合陣形", "密集陣形", "紡錘陣形", "包囲陣形", "機動陣形"};

StringTableWord PickType(Dice& dice) {
    int total = 0;
    for (const TypeShare& share : kTypeShares) {
        total += share.Weight;
    }
    int roll = dice.Below(total);
    for (const TypeShare& share : kTypeShares) {
        if (roll < share.Weight) {
            return share.Word;
        }
        roll -= share.Weight;
    }
    return kWordCastle;
}

QString PickRarity(Dice& dice) {
    const int roll = dice.Below(100);
    return LoadWord(roll < 15 ? kWordRare : roll < 45 ? kWordUncommon : kWordCommon);
}

QString MakeName(Dice& dice, StringTableWord type) {
    const QString prefix = dice.Pick(kPrefixes) + "の";
    switch (type) {
        case kWordHero:
            return prefix + dice.Pick(kRoles) + dice.Pick(kPeople);
        case kWordCommander:
            return dice.Pick(kRanks) + dice.Pick(kPeople);
        case kWordTroop:
            return prefix + dice.Pick(kUnits);
        case kWordFollower:
            return prefix + dice.Pick(kRetainers);
        case kWordTactic:
            return dice.Percent(50) ? dice.Pick(kTactics) : prefix + dice.Pick(kTactics);
        case kWordStratagem:
            return dice.Pick(kStratagems);
        default:
            return dice.Pick(kPlaces) + dice.Pick(kCastles);
    }
}

// Nine squares row by row: one commander ("2"), a few soldiers ("1").
QString MakeGrid(Dice& dice) {
    QString grid(9, u'0');
    for (int i = 0; i < 5; ++i) {
        grid[dice.Below(9)] = u'1';
    }
    grid[dice.Below(9)] = u'2';
    return grid;
}

QString Word(Dice& dice, int percent, const char* word) {
    return dice.Percent(percent) ? QString::fromUtf8(word) : QString();
}

QString Value(Dice& dice, int percent, int high) {
    return dice.Percent(percent) ? dice.Number(1, high) : QStringLiteral("0");
}

QString MakeCardLine(Dice& dice, const QString& code, const QStringList& illustrators) {
    const StringTableWord type = PickType(dice);
    const bool unit = type <= kWordFollower;
    const bool castle = type == kWordCastle;
    QStringList columns;
    columns << code << MakeName(dice, type) << dice.Pick(illustrators) << PickRarity(dice)
            << dice.Number(0, 3) << dice.Number(0, 7) << LoadWord(type)
            << (unit ? dice.Pick(kSubTypes) : QString())
            << (unit ? dice.Number(dice.Percent(3) ? -1 : 0, 2) : QStringLiteral("0"))
            << (unit ? dice.Number(0, 4) : QStringLiteral("0"))
            << (unit ? Word(dice, 15, "突撃") : QString())
            << (unit ? Word(dice, 15, "蹂躙") : QString())
            << (unit ? Word(dice, 15, "反撃") : QString()) << Value(dice, unit ? 15 : 5, 3)
            << Value(dice, unit ? 12 : 0, 3) << Value(dice, unit ? 12 : 0, 2)
            << dice.Pick(kUpperTexts).arg(1 + dice.Below(3))
            << (dice.Percent(70) ? dice.Pick(kLowerTexts) : QString())
            << (unit ? QStringLiteral("戦力") : QString())
            << (unit ? dice.Number(1, 9) : QStringLiteral("0"))
            << (unit || castle ? dice.Number(1, 8) : QStringLiteral("0"))
            << (unit ? dice.Number(1, 5) : QStringLiteral("0"))
            << (castle ? dice.Number(1, 5) : QStringLiteral("0"))
            << (castle ? QStringLiteral("耐久") + dice.Number(6, 15) : QString());
    const bool first = unit && dice.Percent(50);
    const bool second = first && dice.Percent(20);
    columns << (first ? dice.Pick(kFormations) : QString()) << (first ? MakeGrid(dice) : QString())
            << (second ? dice.Pick(kFormations) : QString())
            << (second ? MakeGrid(dice) : QString()) << (unit ? Word(dice, 12, "伏兵") : QString())
            << (unit ? Word(dice, 12, "索敵") : QString())
            << (unit ? Word(dice, 12, "側面") : QString());
    return columns.join(u',') + u',';
}

}  // namespace

QStringList GenerateCardLines(int cardCount) {
    Dice dice;
    const QStringList illustrators = IllustratorNames();
    QStringList lines;
    for (int faction = 0; faction < kFactionCount; ++faction) {
        // The first factions take the remainder, so the counts differ by one at most.
        const int count = cardCount / kFactionCount + (faction < cardCount % kFactionCount);
        for (int number = 1; number <= count; ++number) {
            const QString code = QString(QChar(kFactionLetters[faction])) + u'-' +
                                 QStringLiteral("%1").arg(number, 3, 10, QChar(u'0'));
            lines << MakeCardLine(dice, code, illustrators);
        }
    }
    return lines;
}

QByteArray GenerateCardListBytes(int cardCount) {
    return EncodeCp932Lines(GenerateCardLines(cardCount));
}

}  // namespace kestrava::bench
