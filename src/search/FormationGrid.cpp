#include "search/FormationGrid.h"

namespace kestrava {

namespace {

constexpr int kGridSide = 3;

// Two blanks are as wide as one full-width mark in the panel's fixed-pitch font, so the
// columns line up.
QStringView CellText(QChar cell) {
    if (cell == u'1') {
        return u"兵";
    }
    if (cell == u'2') {
        return u"指";
    }
    return u"  ";
}

}  // namespace

std::array<QString, 3> FormationGridRows(QStringView grid) {
    std::array<QString, 3> rows;
    for (int row = 0; row < kGridSide; ++row) {
        for (int column = 0; column < kGridSide; ++column) {
            const int position = row * kGridSide + column;
            rows[row] += CellText(position < grid.size() ? grid[position] : QChar());
        }
    }
    return rows;
}

}  // namespace kestrava
