#include "catalogue/CardRecord.h"

#include <algorithm>
#include <atomic>
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

bool CardCatalogue::AddCard(CardRecord card) {
    if (cards_.size() >= std::size_t(kCardTableSize)) {
        return false;
    }
    cards_.push_back(std::move(card));
    IndexFrom(CardCount() - 1);
    return true;
}

void CardCatalogue::ReplaceCards(std::vector<CardRecord> cards) {
    if (cards.size() > std::size_t(kCardTableSize)) {
        cards.resize(kCardTableSize);
    }
    cards_ = std::move(cards);
    codeIndex_.clear();
    lines_.clear();
    listOrder_.clear();
    IndexFrom(0);
}

void CardCatalogue::IndexFrom(int first) {
    static std::atomic<quint64> lastRevision{0};
    revision_ = ++lastRevision;
    const int count = CardCount();
    codeIndex_.reserve(count);
    lines_.reserve(count);
    for (int i = first; i < count; ++i) {
        if (!codeIndex_.contains(cards_[i].Code)) {
            codeIndex_.insert(cards_[i].Code, i);  // the first of equal codes is found
        }
        lines_.append(kestrava::CardListLine(cards_[i]));
    }
    // One card: its place among the sorted ones, after its equals. Many: one sort.
    const auto byLine = [this](int a, int b) { return lines_[a] < lines_[b]; };
    if (count - first == 1) {
        listOrder_.insert(std::upper_bound(listOrder_.begin(), listOrder_.end(), first, byLine),
                          first);
        return;
    }
    listOrder_.resize(count);
    std::iota(listOrder_.begin() + first, listOrder_.end(), first);
    std::stable_sort(listOrder_.begin(), listOrder_.end(), byLine);
}

int CardCatalogue::FindCardIndexByCode(QStringView code) const {
    // A key over the caller's characters: no copy for a lookup.
    return codeIndex_.value(QString::fromRawData(code.data(), code.size()), -1);
}

const CardRecord* CardCatalogue::FindCardByCode(QStringView code) const {
    const int index = FindCardIndexByCode(code);
    return index < 0 ? nullptr : &cards_[index];
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
