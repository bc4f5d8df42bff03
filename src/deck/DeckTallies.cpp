#include "deck/DeckTallies.h"

#include <array>

#include "catalogue/StringTable.h"
#include "deck/Checked16.h"

namespace kestrava {

namespace {

using TallyField = qint16 DeckTallies::*;

struct WordTally {
    int Word;
    TallyField Tally;
};

// The type words in the order they are tested: castle first, then 101 to 106.
constexpr std::array<WordTally, 7> kTypeTallies = {{
    {kWordCastle, &DeckTallies::CastleCount},
    {kWordHero, &DeckTallies::HeroCount},
    {kWordCommander, &DeckTallies::CommanderCount},
    {kWordTroop, &DeckTallies::TroopCount},
    {kWordFollower, &DeckTallies::FollowerCount},
    {kWordTactic, &DeckTallies::TacticCount},
    {kWordStratagem, &DeckTallies::StratagemCount},
}};

constexpr std::array<WordTally, 3> kRarityTallies = {{
    {kWordRare, &DeckTallies::RareCount},
    {kWordUncommon, &DeckTallies::UncommonCount},
    {kWordCommon, &DeckTallies::CommonCount},
}};

constexpr std::array<TallyField, kFactionCount> kFactionTallies = {
    &DeckTallies::FactionCountC, &DeckTallies::FactionCountD, &DeckTallies::FactionCountE,
    &DeckTallies::FactionCountG, &DeckTallies::FactionCountM};

template <std::size_t N>
TallyField FirstMatch(const std::array<WordTally, N>& table, const QString& field) {
    for (const WordTally& entry : table) {
        if (field == LoadWord(entry.Word)) {
            return entry.Tally;
        }
    }
    return nullptr;
}

}  // namespace

bool CastleQuotaReached(const DeckTallies& tallies) {
    return tallies.CastleCount >= kCastleQuota;
}

qint16 FactionTally(const DeckTallies& tallies, int factionIndex) {
    if (factionIndex < 0 || factionIndex >= kFactionCount) {
        return 0;
    }
    return tallies.*kFactionTallies[factionIndex];
}

bool TallyCard(DeckTallies& tallies, const CardCatalogue& catalogue, QStringView line,
               qint16 amount) {
    const QStringView code = CodeOfLine(line);
    const CardRecord* card = catalogue.FindCardByCode(code);
    if (card == nullptr) {
        return true;
    }
    const int faction = FactionIndexOfCode(code);
    const std::array<TallyField, 3> moved = {faction < 0 ? nullptr : kFactionTallies[faction],
                                             FirstMatch(kRarityTallies, card->Rarity),
                                             FirstMatch(kTypeTallies, card->CardType)};

    // Work on a copy so an overflow in the last group leaves the first two untouched.
    DeckTallies result = tallies;
    for (TallyField tally : moved) {
        if (tally == nullptr) {
            continue;
        }
        const std::optional<qint16> sum = CheckedAdd16(result.*tally, amount);
        if (!sum) {
            return false;
        }
        result.*tally = *sum;
    }
    tallies = result;
    return true;
}

void ResetTallies(DeckTallies& tallies) {
    tallies = DeckTallies{};
}

}  // namespace kestrava
