#include "bench/BenchInputs.h"

#include <QFile>

#include <algorithm>
#include <functional>
#include <memory>

#include "bench/CardListGenerator.h"
#include "catalogue/CardList.h"
#include "catalogue/StringTable.h"
#include "deck/DeckEditing.h"
#include "files/DeckFile.h"
#include "search/CardFilter.h"

namespace kestrava::bench {
namespace {

constexpr int kDeckStride = kFullCardCount / kLargeDeckLines;

void Require(bool condition, const char* what) {
    if (!condition) {
        qFatal("bench inputs: %s", what);
    }
}

// Every filter box must have cards to find, or the refresh cases would measure less work.
void CheckVariety(const CardCatalogue& catalogue) {
    using Test = std::function<bool(const CardRecord&)>;
    std::vector<std::pair<const char*, Test>> tests;
    for (int word = kWordHero; word <= kWordCommon; ++word) {
        tests.push_back({"a type or rarity word", [text = LoadWord(word)](const CardRecord& c) {
                             return c.CardType == text || c.Rarity == text;
                         }});
    }
    for (int faction = 0; faction < kFactionCount; ++faction) {
        tests.push_back({"a faction", [faction](const CardRecord& c) {
                             return FactionIndexOfCode(c.Code) == faction;
                         }});
    }
    for (const char* formation : {"烏合陣形", "密集陣形", "紡錘陣形", "包囲陣形", "機動陣形"}) {
        const QString name = QString::fromUtf8(formation);
        tests.push_back(
            {"a formation", [name](const CardRecord& c) { return c.Formation1 == name; }});
    }
    tests.push_back(
        {"a second formation", [](const CardRecord& c) { return !c.Formation2.isEmpty(); }});
    tests.push_back({"upkeep", [](const CardRecord& c) { return c.Upkeep != 0; }});
    tests.push_back({"a sortie cost", [](const CardRecord& c) { return c.SortieCost != u"0"; }});
    tests.push_back({"shooting", [](const CardRecord& c) { return c.Shooting != 0; }});
    tests.push_back({"siege", [](const CardRecord& c) { return c.Siege != 0; }});
    tests.push_back({"plunder", [](const CardRecord& c) { return c.Plunder != 0; }});
    for (const auto& [word, field] : {std::pair{"突撃", &CardRecord::Charge},
                                      {"蹂躙", &CardRecord::Trample},
                                      {"反撃", &CardRecord::Counter},
                                      {"伏兵", &CardRecord::Ambush},
                                      {"索敵", &CardRecord::Scout},
                                      {"側面", &CardRecord::Flank}}) {
        const QString text = QString::fromUtf8(word);
        tests.push_back({"an ability word",
                         [text, field = field](const CardRecord& c) { return c.*field == text; }});
    }
    const auto begin = catalogue.CardTable().begin();
    for (const auto& [what, test] : tests) {
        Require(std::any_of(begin, begin + catalogue.CardCount(), test), what);
    }
}

std::unique_ptr<BenchInputs> MakeInputs() {
    auto inputs = std::make_unique<BenchInputs>();
    Require(inputs->Folder.isValid(), "no temporary folder");
    inputs->CardListPath = inputs->Folder.filePath(QStringLiteral("kestrava.csv"));
    inputs->DeckPath = inputs->Folder.filePath(QStringLiteral("large.dek"));

    QFile cards(inputs->CardListPath);
    const QByteArray bytes = GenerateCardListBytes(kFullCardCount);
    Require(cards.open(QIODevice::WriteOnly) && cards.write(bytes) == bytes.size(),
            "cannot write the card list");
    cards.close();
    Require(!bytes.contains('?'), "a generated text has no code page 932 form");

    CardCatalogue& catalogue = inputs->Catalogue;
    Require(LoadCardList(catalogue, inputs->CardListPath) == CardListLoad::Loaded &&
                catalogue.CardCount() == kFullCardCount,
            "the card list does not load whole");
    CheckVariety(catalogue);

    Deck& deck = inputs->LargeDeck;
    deck.DeckName = QStringLiteral("ベンチ用デッキ");
    for (int i = 0; i < kLargeDeckLines; ++i) {
        const QString line = CardListLine(catalogue.CardTable()[i * kDeckStride]);
        Require(AppendLoadedLine(deck, inputs->LargeDeckTallies, catalogue, line,
                                 static_cast<qint16>(1 + i % 4)),
                "the deck does not add up");
    }
    inputs->NewCardLine = CardListLine(catalogue.CardTable()[1]);

    Require(SaveDeckFile(inputs->DeckPath, deck, inputs->LargeDeckTallies, catalogue.FactionNames),
            "cannot write the deck file");
    Deck readBack;
    DeckTallies readTallies;
    Require(LoadDeckFile(inputs->DeckPath, catalogue, readBack, readTallies) &&
                readBack.Lines.size() == kLargeDeckLines && readBack.Total == deck.Total,
            "the deck file does not read back whole");
    return inputs;
}

}  // namespace

const BenchInputs& Inputs() {
    static const std::unique_ptr<BenchInputs> inputs = MakeInputs();
    return *inputs;
}

}  // namespace kestrava::bench
