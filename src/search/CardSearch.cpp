#include "search/CardSearch.h"

#include <algorithm>
#include <utility>

#include "platform/Folding.h"

namespace kestrava {

namespace {

constexpr QChar kFieldEnd = u'\n';

QString SearchedText(const CardRecord& card) {
    QString text;
    for (const QString* field : {&card.Code, &card.Name, &card.SubType, &card.Illustrator,
                                 &card.UpperText, &card.LowerText}) {
        text += FoldForSearch(*field);
        text += kFieldEnd;
    }
    return text;
}

}  // namespace

void CardSearch::SetQuery(QStringView typed) {
    QStringList words = FoldedQueryWords(typed);
    if (words != words_) {
        cleared_ = words.isEmpty();
    }
    words_ = std::move(words);
}

void CardSearch::Follow(const CardCatalogue& catalogue) {
    if (catalogue.Revision() == revision_) {
        return;
    }
    const std::vector<CardRecord>& cards = catalogue.CardTable();
    texts_.clear();
    texts_.reserve(cards.size());
    std::transform(cards.begin(), cards.end(), std::back_inserter(texts_), SearchedText);
    revision_ = catalogue.Revision();
}

bool CardSearch::Matches(int index) const {
    const QString& text = texts_[std::size_t(index)];
    return std::all_of(words_.begin(), words_.end(),
                       [&text](const QString& word) { return text.contains(word); });
}

}  // namespace kestrava
