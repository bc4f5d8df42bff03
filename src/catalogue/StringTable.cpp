#include "catalogue/StringTable.h"

#include <array>

namespace kestrava {

const QString& LoadWord(int number) {
    static const std::array<QString, 10> words = {
        QStringLiteral("英雄"),  QStringLiteral("指揮官"), QStringLiteral("兵力"),
        QStringLiteral("配下"),  QStringLiteral("戦法"),   QStringLiteral("計略"),
        QStringLiteral("城"),    QStringLiteral("Rare"),   QStringLiteral("Uncommon"),
        QStringLiteral("Common")};
    static const QString none;
    if (number < kWordHero || number > kWordCommon) {
        return none;
    }
    return words[number - kWordHero];
}

}  // namespace kestrava
