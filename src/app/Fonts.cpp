#include "app/Fonts.h"

#include <QFont>
#include <QStringList>

namespace kestrava {

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(
        kFixedFont, {QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                     QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("VL Gothic")});
    QFont::insertSubstitutions(kProportionalFont,
                               {QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic")});
}

}  // namespace kestrava
