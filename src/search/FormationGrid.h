// The three text rows of a 3 × 3 formation grid.
#pragma once

#include <QString>
#include <QStringView>

#include <array>

namespace kestrava {

// Characters 1–3, 4–6 and 7–9 of grid as rows: "兵" for '1', "指" for '2', two blanks for any
// other character or a missing one. Characters after the ninth are ignored.
std::array<QString, 3> FormationGridRows(QStringView grid);

}  // namespace kestrava
