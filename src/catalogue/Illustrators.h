// The illustrator filter's entries: "ALL", then the game's illustrators in their fixed order
// (Latin names alphabetically, then kana names in kana order, then kanji names by code).
#pragma once

#include <QStringList>

namespace kestrava {

inline const QString kAllIllustrators = QStringLiteral("ALL");

// The 67 illustrator names, from the program's resources.
QStringList IllustratorNames();

// "ALL" followed by IllustratorNames().
QStringList IllustratorList();

}  // namespace kestrava
