// Fixtures shared by the deck file, HTML and clipboard tests: a small fictional catalogue,
// the decks behind the golden files, and readable comparisons of decks and tallies.
#pragma once

#include <gtest/gtest.h>

#include <QString>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/CardRecord.h"
#include "catalogue/StringTable.h"
#include "deck/Deck.h"
#include "deck/DeckTallies.h"
#include "support/TestFiles.h"

namespace kestrava::test {

inline QString DataPath(const char* name) {
    return QStringLiteral(KESTRAVA_TEST_DATA "/") + QString::fromUtf8(name);
}

struct TestCard {
    const char* Code;
    const char* Name;
    int TypeWord;
    int RarityWord;
};

inline void AddCard(CardCatalogue& catalogue, const QString& code, const QString& name,
                    const QString& type, const QString& rarity) {
    CardRecord& record = catalogue.CardTable[catalogue.CardCount++];
    record.Code = code;
    record.Name = name;
    record.Faction = FactionOfCode(code, catalogue.FactionNames);
    record.CardType = type;
    record.Rarity = rarity;
}

// Nine cards, every type and rarity, all five factions.
inline CardCatalogue TestCatalogue() {
    static const TestCard cards[] = {
        {"C001", "錆鉄の番兵", kWordTroop, kWordCommon},
        {"D014", "灰冠の騎士", kWordHero, kWordRare},
        {"D020", "黒檀の軍師", kWordCommander, kWordRare},
        {"E027", "風読みの弓手", kWordFollower, kWordUncommon},
        {"G033", "苔むす砦", kWordCastle, kWordCommon},
        {"G041", "樹海の伏兵", kWordTactic, kWordCommon},
        {"G050", "蔦の見張り", kWordFollower, kWordCommon},
        {"M045", "星屑の詠唱", kWordStratagem, kWordUncommon},
        {"M046", "月影の祈り", kWordTactic, kWordRare},
    };
    CardCatalogue catalogue;
    for (const TestCard& card : cards) {
        AddCard(catalogue, QString::fromUtf8(card.Code), QString::fromUtf8(card.Name),
                LoadWord(card.TypeWord), LoadWord(card.RarityWord));
    }
    return catalogue;
}

// A deck whose total is the sum of its counts.
inline Deck MakeDeck(const QString& name, std::initializer_list<std::pair<QString, int>> lines) {
    Deck deck;
    deck.DeckName = name;
    for (const auto& [text, count] : lines) {
        deck.Lines.push_back({text, static_cast<qint16>(count)});
        deck.Total = static_cast<qint16>(deck.Total + count);
    }
    return deck;
}

// Tallies in a fixed order: types hero, commander, troop, follower, tactic, stratagem,
// castle; factions C, D, E, G, M; rarities rare, uncommon, common.
inline constexpr qint16 DeckTallies::*kTallyOrder[] = {
    &DeckTallies::HeroCount,     &DeckTallies::CommanderCount, &DeckTallies::TroopCount,
    &DeckTallies::FollowerCount, &DeckTallies::TacticCount,    &DeckTallies::StratagemCount,
    &DeckTallies::CastleCount,   &DeckTallies::FactionCountC,  &DeckTallies::FactionCountD,
    &DeckTallies::FactionCountE, &DeckTallies::FactionCountG,  &DeckTallies::FactionCountM,
    &DeckTallies::RareCount,     &DeckTallies::UncommonCount,  &DeckTallies::CommonCount};

inline std::vector<int> TallyList(const DeckTallies& tallies) {
    std::vector<int> values;
    for (auto member : kTallyOrder) {
        values.push_back(tallies.*member);
    }
    return values;
}

inline DeckTallies TalliesFromList(const std::vector<int>& values) {
    DeckTallies tallies;
    for (size_t i = 0; i < values.size(); ++i) {
        tallies.*kTallyOrder[i] = static_cast<qint16>(values[i]);
    }
    return tallies;
}

inline DeckTallies MakeTallies(std::initializer_list<int> types,
                               std::initializer_list<int> factions,
                               std::initializer_list<int> rarities = {0, 0, 0}) {
    std::vector<int> values(types);
    values.insert(values.end(), factions);
    values.insert(values.end(), rarities);
    return TalliesFromList(values);
}

inline std::vector<std::pair<std::string, int>> LinesOf(const Deck& deck) {
    std::vector<std::pair<std::string, int>> lines;
    for (const DeckLine& line : deck.Lines) {
        lines.emplace_back(line.Text.toStdString(), line.Count);
    }
    return lines;
}

inline void ExpectSameDeck(const Deck& actual, const Deck& expected) {
    EXPECT_EQ(actual.DeckName.toStdString(), expected.DeckName.toStdString());
    EXPECT_EQ(LinesOf(actual), LinesOf(expected));
    EXPECT_EQ(actual.Total, expected.Total);
}

// A deck file or HTML page together with the deck and tallies it was written from.
struct GoldenCase {
    const char* File;
    Deck Value;
    DeckTallies Tallies;
};

inline std::vector<GoldenCase> GoldenDeckFiles() {
    const auto s = [](const char* text) { return QString::fromUtf8(text); };
    const auto repeat = [](const char* text, int times) {
        return QString::fromUtf8(text).repeated(times);
    };
    return {
        {"files_empty.dek", MakeDeck(s("新しいデッキ"), {}), DeckTallies{}},
        {"files_one_faction.dek",
         MakeDeck(s("ガイア単色"),
                  {{s("G033 苔むす砦"), 4}, {s("G041 樹海の伏兵"), 3}, {s("G050 蔦の見張り"), 1}}),
         MakeTallies({0, 0, 0, 1, 3, 0, 4}, {0, 0, 0, 8, 0}, {0, 0, 8})},
        {"files_mixed.dek",
         MakeDeck(s("混成テスト・デッキ"), {{s("D014 灰冠の騎士"), 2},
                                            {s("C001 錆鉄の番兵"), 4},
                                            {s("G033 苔むす砦"), 3},
                                            {s("E027 風読みの弓手"), 1},
                                            {s("M045 星屑の詠唱"), 4},
                                            {s("D020 黒檀の軍師"), 1},
                                            {s("G041 樹海の伏兵"), 2}}),
         MakeTallies({2, 1, 4, 1, 2, 4, 3}, {4, 3, 1, 5, 4}, {3, 5, 9})},
        // Lines of 68 to 72 bytes, half-width katakana, and "é" which has no code page 932
        // form (written "?", one byte).
        {"files_widths.dek",
         MakeDeck(s("幅の確認"), {{s("C100 ") + repeat("灯", 31) + s("A"), 1},
                                  {s("C101 ") + repeat("霧", 32), 2},
                                  {s("C102 ") + repeat("霧", 32) + s("a"), 3},
                                  {s("C103 ") + repeat("雲", 33), 4},
                                  {s("C104 ") + repeat("雲", 33) + s("b"), 1},
                                  {s("C105 ｶｽﾐﾉﾓﾘ"), 2},
                                  {s("C106 カスミノモリ"), 3},
                                  {s("C107 Café守衛"), 4}}),
         MakeTallies({0, 0, 20, 0, 0, 0, 0}, {20, 0, 0, 0, 0})},
    };
}

inline std::vector<GoldenCase> GoldenHtmlFiles() {
    const auto s = [](const char* text) { return QString::fromUtf8(text); };
    return {
        {"files_empty.htm", MakeDeck(QString(), {}), DeckTallies{}},
        // Deck lines in the order M, C, M: the faction rows still come C first.
        {"files_two_factions.htm",
         MakeDeck(
             s("二色テスト"),
             {{s("M045 星屑の詠唱"), 2}, {s("C001 錆鉄の番兵"), 3}, {s("M046 月影の祈り"), 1}}),
         MakeTallies({0, 0, 3, 0, 1, 2, 0}, {3, 0, 0, 0, 3})},
        {"files_escaped.htm",
         MakeDeck(s("<試作> & 改"), {{s("E060 光<影>&闇"), 1}, {s("E061 \"引用\" の札"), 2}}),
         MakeTallies({0, 0, 0, 3, 0, 0, 0}, {0, 0, 3, 0, 0})},
    };
}

// The written file must equal the golden file byte for byte.
inline void ExpectGolden(const GoldenCase& golden, const QString& written) {
    const QByteArray expected = ReadBytes(DataPath(golden.File));
    ASSERT_FALSE(expected.isEmpty()) << golden.File;
    // Compared as text so a difference shows where it is.
    EXPECT_EQ(ReadBytes(written).toStdString(), expected.toStdString()) << golden.File;
}

}  // namespace kestrava::test
