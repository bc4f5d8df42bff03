// Catalogues built in memory for the search tests.
#pragma once

#include <QString>

#include <vector>

#include "catalogue/CardRecord.h"

namespace kestrava::test {

// A record as the loader stores a line with only a code and a name: numbers 0, texts empty,
// sortie cost "0" (none), faction from the code.
inline CardRecord MakeCard(const QString& code, const QString& name = QStringLiteral("名無し")) {
    CardRecord card;
    card.Code = code;
    card.Name = name;
    card.Faction = FactionOfCode(code, DefaultFactionNames());
    card.SortieCost = QStringLiteral("0");
    return card;
}

// The cards at indexes 0.. and CardCount set to their number.
inline CardCatalogue MakeCatalogue(const std::vector<CardRecord>& cards) {
    CardCatalogue catalogue;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        catalogue.CardTable[i] = cards[i];
    }
    catalogue.CardCount = static_cast<qint16>(cards.size());
    return catalogue;
}

}  // namespace kestrava::test
