// The deck as a recipe image and a registration sheet list it: its lines grouped by card type
// in the statistics panel's order, each group with its copies.
#pragma once

#include <QString>

#include <vector>

#include "catalogue/CardRecord.h"
#include "deck/Deck.h"

namespace kestrava {

struct GroupedLine {
    QString Code;
    QString Name;
    QString Type;  // the card's type word; empty for a line the card list lacks
    int Count = 0;
};

struct TypeGroup {
    QString Type;  // a type word, or "不明" for lines the card list lacks
    std::vector<GroupedLine> Lines;
    int Count = 0;  // copies of the group's lines
};

// Groups in the order 城 英雄 指揮官 兵力 配下 戦法 計略 (the panel's), then 不明; only groups
// with lines. Lines keep the deck's order within their group.
std::vector<TypeGroup> GroupByType(const Deck& deck, const CardCatalogue& catalogue);

}  // namespace kestrava
