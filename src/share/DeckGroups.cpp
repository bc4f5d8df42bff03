#include "share/DeckGroups.h"

#include <algorithm>

#include "catalogue/StringTable.h"

namespace kestrava {

std::vector<TypeGroup> GroupByType(const Deck& deck, const CardCatalogue& catalogue) {
    std::vector<TypeGroup> groups;
    for (const int word : {kWordCastle, kWordHero, kWordCommander, kWordTroop, kWordFollower,
                           kWordTactic, kWordStratagem}) {
        groups.push_back({LoadWord(word), {}, 0});
    }
    groups.push_back({QStringLiteral("不明"), {}, 0});
    for (const DeckLine& line : deck.Lines) {
        const QStringView code = CodeOfLine(line.Text);
        GroupedLine grouped{
            code.toString(), line.Text.sliced(code.size()).trimmed(), {}, line.Count};
        std::size_t group = groups.size() - 1;
        if (const CardRecord* card = catalogue.FindCardByCode(code)) {
            for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
                if (groups[i].Type == card->CardType) {
                    group = i;
                    grouped.Type = card->CardType;
                }
            }
        }
        groups[group].Lines.push_back(grouped);
        groups[group].Count += line.Count;
    }
    groups.erase(std::remove_if(groups.begin(), groups.end(),
                                [](const TypeGroup& group) { return group.Lines.empty(); }),
                 groups.end());
    return groups;
}

}  // namespace kestrava
