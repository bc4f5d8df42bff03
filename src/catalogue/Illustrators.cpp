#include "catalogue/Illustrators.h"

#include <QFile>

namespace kestrava {

QStringList IllustratorNames() {
    QFile file(QStringLiteral(":/catalogue/illustrators.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

QStringList IllustratorList() {
    return QStringList{kAllIllustrators} + IllustratorNames();
}

}  // namespace kestrava
