#include "catalogue/CardRecord.h"

namespace kestrava {

FactionNameList DefaultFactionNames() {
    return {QStringLiteral("カオスフォーマー"), QStringLiteral("デ・バース帝国"),
            QStringLiteral("エレアル旅団"), QStringLiteral("ガイア族"), QStringLiteral("マナ王国")};
}

int FactionIndexOfCode(QStringView code) {
    if (code.isEmpty()) {
        return -1;
    }
    for (int i = 0; i < kFactionCount; ++i) {
        if (code.front() == QChar(kFactionLetters[i])) {
            return i;
        }
    }
    return -1;
}

QString FactionOfCode(QStringView code, const FactionNameList& names) {
    const int index = FactionIndexOfCode(code);
    return index < 0 ? QStringLiteral("UNKNOWN") : names[index];
}

int CardCatalogue::FindCardIndexByCode(QStringView code) const {
    for (int i = 0; i < CardCount; ++i) {
        if (CardTable[i].Code == code) {
            return i;
        }
    }
    return -1;
}

const CardRecord* CardCatalogue::FindCardByCode(QStringView code) const {
    const int index = FindCardIndexByCode(code);
    return index < 0 ? nullptr : &CardTable[index];
}

QStringView CodeOfLine(QStringView line) {
    const qsizetype blank = line.indexOf(u' ');
    return blank < 0 ? line : line.left(blank);
}

}  // namespace kestrava
