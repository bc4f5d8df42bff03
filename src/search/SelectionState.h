// The selection state built from the 32 filter boxes, and the faction pattern it matches card
// codes against.
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <array>

namespace kestrava {

struct SelectionState {
    QString SelectionPattern;  // empty until the first rebuild: matches only an empty code
    qint16 TypeFilter = 0, AbilityFilter = 0, RarityFilter = 0, FormationFilter = 0;
};

constexpr int kFilterBoxCount = 32;
// Index = box number (Check1..Check32); [0] is unused.
using FilterBoxes = std::array<bool, kFilterBoxCount + 1>;

// The "ALL" box and the faction boxes (Check1..Check5, letters C D E G M).
constexpr int kAllFactionsBox = 24;
constexpr int kFirstFactionBox = 1;
constexpr int kLastFactionBox = 5;
constexpr bool IsFactionBox(int box) {
    return box >= kFirstFactionBox && box <= kLastFactionBox;
}
// The pattern "ALL" sets; a pattern that does not start with "[" means no faction is ticked.
inline constexpr QStringView kAllFactionsPattern = u"[CDEGM]*";

// Rebuilds the whole state from the boxes: "[CDEGM]*" with "ALL", "[" + the checked letters +
// "]*" otherwise, one blank when no faction is checked; a bit per checked box of the other
// four groups.
SelectionState MakeSelection(const FilterBoxes& checked);

// The faction test of a card code: "[letters]*" matches a code whose first character is one of
// the letters; any other pattern (the one-blank and the empty form) matches only itself. Exact
// and case-sensitive. The pattern is taken apart once, and must outlive the matcher.
class PatternMatcher {
  public:
    explicit PatternMatcher(QStringView pattern);
    bool Matches(QStringView code) const;

  private:
    QStringView pattern_;
    QStringView letters_;
    bool bracket_ = false;
};

}  // namespace kestrava
