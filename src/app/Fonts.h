// The two Japanese font names every window asks for, mapped to what the platform has: a
// fixed-pitch face whose full-width characters are exactly two blanks wide, and a
// proportional one.
#pragma once

#include <QString>

namespace kestrava {

inline const QString kFixedFont = QStringLiteral("ＭＳ ゴシック");
inline const QString kProportionalFont = QStringLiteral("ＭＳ Ｐゴシック");

// Registers the substitutions; call before the first window exists.
void InstallFontSubstitutions();

}  // namespace kestrava
