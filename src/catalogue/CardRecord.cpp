#include "catalogue/CardRecord.h"

#include <algorithm>
#include <numeric>

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

namespace {

// Indexes 0 to lines.size() - 1 in ascending order of their lines, table order among equals.
void SortByLine(std::vector<int>& order, const QStringList& lines) {
    order.resize(lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return lines[a] < lines[b]; });
}

}  // namespace

void CardCatalogue::IndexCodes() {
    codeIndex_.clear();
    codeIndex_.reserve(CardCount);
    lines_.clear();
    lines_.reserve(CardCount);
    for (int i = 0; i < CardCount; ++i) {
        if (!codeIndex_.contains(CardTable[i].Code)) {
            codeIndex_.insert(CardTable[i].Code, i);  // the first of equal codes is found
        }
        lines_.append(kestrava::CardListLine(CardTable[i]));
    }
    SortByLine(listOrder_, lines_);
    indexedCount_ = CardCount;
}

const std::vector<int>& CardCatalogue::ListOrder() const {
    if (indexedCount_ == CardCount) {
        return listOrder_;
    }
    QStringList lines;
    for (int i = 0; i < std::clamp<int>(CardCount, 0, int(CardTable.size())); ++i) {
        lines.append(kestrava::CardListLine(CardTable[i]));
    }
    SortByLine(unindexedOrder_, lines);
    return unindexedOrder_;
}

QString CardCatalogue::CardListLine(int index) const {
    return indexedCount_ == CardCount ? lines_[index] : kestrava::CardListLine(CardTable[index]);
}

int CardCatalogue::FindCardIndexByCode(QStringView code) const {
    if (indexedCount_ == CardCount) {
        // A key over the caller's characters: no copy for a lookup.
        return codeIndex_.value(QString::fromRawData(code.data(), code.size()), -1);
    }
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

QString CardListLine(const CardRecord& card) {
    QString line;
    line.reserve(card.Code.size() + 1 + card.Name.size());  // one allocation per line
    line.append(card.Code).append(u' ').append(card.Name);
    return line;
}

QStringView CodeOfLine(QStringView line) {
    const qsizetype blank = line.indexOf(u' ');
    return blank < 0 ? line : line.left(blank);
}

}  // namespace kestrava
