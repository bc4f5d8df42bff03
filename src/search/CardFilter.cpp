#include "search/CardFilter.h"

#include <algorithm>

#include "catalogue/StringTable.h"
#include "search/FilterBits.h"

namespace kestrava {

namespace {

using CardTest = bool (*)(const CardRecord&);

struct FieldTest {
    qint16 Bit;
    CardTest Passes;
};

// Numbers count when non-zero (a negative upkeep passes); only "0" means no sortie cost.
constexpr std::array<FieldTest, 11> kFieldTests = {{
    {ability_bit::kUpkeep, [](const CardRecord& c) { return c.Upkeep != 0; }},
    {ability_bit::kSortieCost, [](const CardRecord& c) { return c.SortieCost != u"0"; }},
    {ability_bit::kCharge, [](const CardRecord& c) { return c.Charge == u"突撃"; }},
    {ability_bit::kTrample, [](const CardRecord& c) { return c.Trample == u"蹂躙"; }},
    {ability_bit::kCounter, [](const CardRecord& c) { return c.Counter == u"反撃"; }},
    {ability_bit::kShooting, [](const CardRecord& c) { return c.Shooting != 0; }},
    {ability_bit::kSiege, [](const CardRecord& c) { return c.Siege != 0; }},
    {ability_bit::kPlunder, [](const CardRecord& c) { return c.Plunder != 0; }},
    {ability_bit::kAmbush, [](const CardRecord& c) { return c.Ambush == u"伏兵"; }},
    {ability_bit::kScout, [](const CardRecord& c) { return c.Scout == u"索敵"; }},
    {ability_bit::kFlank, [](const CardRecord& c) { return c.Flank == u"側面"; }},
}};

// Only 包囲 and 機動 also look at the second formation.
constexpr std::array<FieldTest, 5> kFormationTests = {{
    {formation_bit::kRabble, [](const CardRecord& c) { return c.Formation1 == u"烏合陣形"; }},
    {formation_bit::kPhalanx, [](const CardRecord& c) { return c.Formation1 == u"密集陣形"; }},
    {formation_bit::kWedge, [](const CardRecord& c) { return c.Formation1 == u"紡錘陣形"; }},
    {formation_bit::kEncircle,
     [](const CardRecord& c) {
         return c.Formation1 == u"包囲陣形" || c.Formation2 == u"包囲陣形";
     }},
    {formation_bit::kMobile,
     [](const CardRecord& c) {
         return c.Formation1 == u"機動陣形" || c.Formation2 == u"機動陣形";
     }},
}};

template <std::size_t N>
bool PassesWordGroup(const QString& field, qint16 filter, const std::array<WordBox, N>& boxes) {
    if (filter == 0) {
        return true;
    }
    return std::any_of(boxes.begin(), boxes.end(), [&](const WordBox& box) {
        return (filter & box.Bit) != 0 && field == LoadWord(box.Word);
    });
}

template <std::size_t N>
bool PassesTestGroup(const CardRecord& card, qint16 filter, const std::array<FieldTest, N>& tests) {
    if (filter == 0) {
        return true;
    }
    return std::any_of(tests.begin(), tests.end(), [&](const FieldTest& test) {
        return (filter & test.Bit) != 0 && test.Passes(card);
    });
}

}  // namespace

namespace {

// The filters with the faction pattern already taken apart; a null illustrator filters nothing.
bool Passes(const CardRecord& card, const SelectionState& selection, const PatternMatcher& faction,
            const QString* illustrator) {
    return faction.Matches(card.Code) &&
           PassesWordGroup(card.CardType, selection.TypeFilter, kTypeBoxes) &&
           PassesWordGroup(card.Rarity, selection.RarityFilter, kRarityBoxes) &&
           PassesTestGroup(card, selection.AbilityFilter, kFieldTests) &&
           PassesTestGroup(card, selection.FormationFilter, kFormationTests) &&
           (illustrator == nullptr || card.Illustrator == *illustrator);
}

const QString* IllustratorFilter(const QString& selectedIllustrator) {
    return selectedIllustrator == kAllIllustrators ? nullptr : &selectedIllustrator;
}

}  // namespace

bool CardPassesFilters(const CardRecord& card, const SelectionState& selection,
                       const QString& selectedIllustrator) {
    return Passes(card, selection, PatternMatcher(selection.SelectionPattern),
                  IllustratorFilter(selectedIllustrator));
}

void MatchingCardLines(const CardCatalogue& catalogue, const SelectionState& selection,
                       const QString& selectedIllustrator, CardSearch& search, QStringList& lines) {
    lines.clear();
    // Emptying the box before any box was ticked goes back to the empty list start-up left,
    // not to the cards with no code that the first pattern matches.
    if (search.TakeCleared() && selection.SelectionPattern.isEmpty()) {
        return;
    }
    const bool searching = !search.IsEmpty();
    if (searching) {
        search.Follow(catalogue);
    }
    // Typing a name is enough: with no faction ticked the search looks where "ALL" would.
    const bool noFaction = !selection.SelectionPattern.startsWith(u'[');
    const PatternMatcher faction(searching && noFaction ? kAllFactionsPattern
                                                        : QStringView(selection.SelectionPattern));
    const QString* illustrator = IllustratorFilter(selectedIllustrator);
    // Visiting the cards in list order gives the sorted list without sorting it each time.
    for (int i : catalogue.ListOrder()) {
        if (Passes(catalogue.CardTable()[i], selection, faction, illustrator) &&
            (!searching || search.Matches(i))) {
            lines.append(catalogue.CardListLine(i));
        }
    }
}

void MatchingCardLines(const CardCatalogue& catalogue, const SelectionState& selection,
                       const QString& selectedIllustrator, QStringList& lines) {
    CardSearch none;
    MatchingCardLines(catalogue, selection, selectedIllustrator, none, lines);
}

QStringList MatchingCardLines(const CardCatalogue& catalogue, const SelectionState& selection,
                              const QString& selectedIllustrator) {
    QStringList lines;
    MatchingCardLines(catalogue, selection, selectedIllustrator, lines);
    return lines;
}

}  // namespace kestrava
