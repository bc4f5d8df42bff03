// The fifteen running deck tallies by card type, faction and rarity, moved by the number of
// copies each deck change concerns; recounted from the deck only when the card list changes.
#pragma once

#include <QStringView>
#include <QtGlobal>

#include "catalogue/CardRecord.h"

namespace kestrava {

struct DeckTallies {
    qint16 CastleCount = 0;
    qint16 HeroCount = 0;
    qint16 CommanderCount = 0;
    qint16 TroopCount = 0;
    qint16 FollowerCount = 0;
    qint16 TacticCount = 0;
    qint16 StratagemCount = 0;
    qint16 FactionCountC = 0;
    qint16 FactionCountD = 0;
    qint16 FactionCountE = 0;
    qint16 FactionCountG = 0;
    qint16 FactionCountM = 0;
    qint16 RareCount = 0;
    qint16 UncommonCount = 0;
    qint16 CommonCount = 0;
};

// A deck needs this many castle cards; the castle number turns from red to black there.
constexpr qint16 kCastleQuota = 20;
bool CastleQuotaReached(const DeckTallies& tallies);

// The tally of a faction by its index in kFactionLetters (C, D, E, G, M).
qint16 FactionTally(const DeckTallies& tallies, int factionIndex);

// Adds amount copies of the card behind a deck line to at most one tally of each group.
// A line whose code matches no loaded card changes nothing. Returns false, changing nothing,
// when a tally would leave the 16-bit range.
bool TallyCard(DeckTallies& tallies, const CardCatalogue& catalogue, QStringView line,
               qint16 amount);

void ResetTallies(DeckTallies& tallies);

}  // namespace kestrava
