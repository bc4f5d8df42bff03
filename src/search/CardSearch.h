// The search box's matching: the texts of every card folded once per card list, so that a
// keystroke only folds the query and compares.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <utility>
#include <vector>

#include "catalogue/CardRecord.h"

namespace kestrava {

class CardSearch {
  public:
    // The query as typed: split at blanks and folded. Only blanks: no search.
    void SetQuery(QStringView typed);
    bool IsEmpty() const { return words_.isEmpty(); }
    const QStringList& Words() const { return words_; }
    // True once after SetQuery emptied words it had: the listing that follows takes it.
    bool TakeCleared() { return std::exchange(cleared_, false); }

    // Folds the searched texts of catalogue's cards again when they changed since the last
    // call (or this is another catalogue); Matches reads what the last call folded.
    void Follow(const CardCatalogue& catalogue);
    // True when each word is contained in the folded code, name, sub-type, illustrator, upper
    // or lower text of the card at table index (a word in one of them, not across two).
    bool Matches(int index) const;

  private:
    QStringList words_;
    bool cleared_ = false;
    quint64 revision_ = 0;
    // By table index: the folded texts, each ended by a line feed, which folding leaves in
    // no word.
    std::vector<QString> texts_;
};

}  // namespace kestrava
