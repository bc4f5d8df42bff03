#include "files/DeckSummary.h"

namespace kestrava {

std::vector<FactionSummaryLine> FactionSummary(const DeckTallies& tallies,
                                               const FactionNameList& factionNames) {
    std::vector<FactionSummaryLine> lines;
    for (int i = 0; i < kFactionCount; ++i) {
        const QString count = QString::number(FactionTally(tallies, i));
        // The label text decides, as the panel shows it.
        if (count != QStringLiteral("0")) {
            lines.push_back({factionNames[i], count});
        }
    }
    return lines;
}

std::array<QString, kSummaryTypeCount> TypeSummary(const DeckTallies& tallies) {
    return {QString::number(tallies.HeroCount),   QString::number(tallies.CommanderCount),
            QString::number(tallies.TroopCount),  QString::number(tallies.FollowerCount),
            QString::number(tallies.TacticCount), QString::number(tallies.StratagemCount),
            QString::number(tallies.CastleCount)};
}

}  // namespace kestrava
