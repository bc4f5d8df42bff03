#include "search/SelectionState.h"

#include "catalogue/CardRecord.h"
#include "search/FilterBits.h"

namespace kestrava {

namespace {

template <typename Boxes>
qint16 BitsOfCheckedBoxes(const FilterBoxes& checked, const Boxes& boxes) {
    qint16 bits = 0;
    for (const auto& box : boxes) {
        if (checked[box.Box]) {
            bits = static_cast<qint16>(bits | box.Bit);
        }
    }
    return bits;
}

QString FactionPattern(const FilterBoxes& checked) {
    if (checked[kAllFactionsBox]) {
        return kAllFactionsPattern.toString();
    }
    QString pattern = QStringLiteral("[");
    for (int box = kFirstFactionBox; box <= kLastFactionBox; ++box) {
        if (checked[box]) {
            pattern += QChar(kFactionLetters[box - kFirstFactionBox]);
        }
    }
    if (pattern.size() == 1) {
        return QStringLiteral(" ");
    }
    return pattern + QStringLiteral("]*");
}

}  // namespace

SelectionState MakeSelection(const FilterBoxes& checked) {
    SelectionState selection;
    selection.SelectionPattern = FactionPattern(checked);
    selection.TypeFilter = BitsOfCheckedBoxes(checked, kTypeBoxes);
    selection.RarityFilter = BitsOfCheckedBoxes(checked, kRarityBoxes);
    selection.AbilityFilter = BitsOfCheckedBoxes(checked, kAbilityBoxes);
    selection.FormationFilter = BitsOfCheckedBoxes(checked, kFormationBoxes);
    return selection;
}

PatternMatcher::PatternMatcher(QStringView pattern) : pattern_(pattern) {
    const QStringView open = u"[";
    const QStringView close = u"]*";
    bracket_ = pattern.size() >= open.size() + close.size() && pattern.startsWith(open) &&
               pattern.endsWith(close);
    if (bracket_) {
        letters_ = pattern.mid(open.size(), pattern.size() - open.size() - close.size());
    }
}

bool PatternMatcher::Matches(QStringView code) const {
    if (bracket_) {
        return !code.isEmpty() && letters_.contains(code.front());
    }
    return code == pattern_;
}

}  // namespace kestrava
