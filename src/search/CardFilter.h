// The card list: which loaded cards pass the selection state and the illustrator filter, as
// the sorted lines the list shows.
#pragma once

#include <QString>
#include <QStringList>

#include "catalogue/CardRecord.h"
#include "catalogue/Illustrators.h"
#include "search/CardSearch.h"
#include "search/SelectionState.h"

namespace kestrava {

// Faction pattern, then type, rarity, ability, formation and illustrator. Within a group the
// checked boxes are alternatives; a group with no box checked does not restrict.
bool CardPassesFilters(const CardRecord& card, const SelectionState& selection,
                       const QString& selectedIllustrator);

// Lines of every loaded record (0..CardCount-1) that passes, in ascending UTF-16 order
// (stable, duplicates kept).
QStringList MatchingCardLines(const CardCatalogue& catalogue, const SelectionState& selection,
                              const QString& selectedIllustrator);
// The same into lines, whose storage a caller refreshing often can keep from one call to the
// next.
void MatchingCardLines(const CardCatalogue& catalogue, const SelectionState& selection,
                       const QString& selectedIllustrator, QStringList& lines);
// The same narrowed by a search (folding catalogue's texts first when they changed): each card
// listed also matches it, and with no faction box ticked the cards "ALL" would list are the
// ones searched. An empty search narrows nothing and changes nothing, except that the listing
// just after the search was emptied, with no box ticked yet, is empty as at start-up.
void MatchingCardLines(const CardCatalogue& catalogue, const SelectionState& selection,
                       const QString& selectedIllustrator, CardSearch& search, QStringList& lines);

}  // namespace kestrava
