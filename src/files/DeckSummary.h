// The deck statistics as the deck file and the HTML page list them: the factions that have
// copies, in letter order, and the seven card types in the order hero, commander, troop,
// follower, tactic, stratagem, castle. Numbers are the texts the tally labels show.
#pragma once

#include <QString>

#include <array>
#include <vector>

#include "catalogue/CardRecord.h"
#include "deck/DeckTallies.h"

namespace kestrava {

struct FactionSummaryLine {
    QString Name;
    QString Count;
};

// Factions whose tally text is not "0", in the order C, D, E, G, M.
std::vector<FactionSummaryLine> FactionSummary(const DeckTallies& tallies,
                                               const FactionNameList& factionNames);

constexpr int kSummaryTypeCount = 7;

// The type tally texts in summary order.
std::array<QString, kSummaryTypeCount> TypeSummary(const DeckTallies& tallies);

}  // namespace kestrava
