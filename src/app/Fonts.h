// The two Japanese font names every window asks for, mapped to what the platform has: a
// fixed-pitch face whose full-width characters are exactly two blanks wide, and a
// proportional one.
#pragma once

#include <QString>

namespace kestrava {

inline const QString kFixedFont = QStringLiteral("ＭＳ ゴシック");
inline const QString kProportionalFont = QStringLiteral("ＭＳ Ｐゴシック");

// Registers the substitutions and makes the fixed-pitch font, 9 points, the application's.
// Where the platform lacks a name but has one of its substitutes, a widget's own font that
// asks for the name asks for that substitute instead: the same face, found without first
// searching for the missing one for every script and size. Call before the first window
// exists; calling again changes nothing.
void InstallFonts();

}  // namespace kestrava
