// The search box in the menu bar's corner: what is typed in it, folded, narrows the card list.
// It tells its owner when the words changed and when Enter or Down asks to go on to the cards
// found; Ctrl+F anywhere in its window focuses it, Esc clears it.
#pragma once

#include <QWidget>

#include <memory>

#include "search/CardSearch.h"

class QMenuBar;

namespace Ui {
class SearchBoxCorner;
}

namespace kestrava {

class SearchBox : public QWidget {
    Q_OBJECT

  public:
    // Sized for bar, whose corner widget the owner makes it: the bar, and with it the window,
    // keeps the height it has without it.
    explicit SearchBox(QMenuBar& bar);
    ~SearchBox() override;

    // The words typed; the card list refresh reads it, and folds the cards' texts into it.
    CardSearch& Search() { return search_; }

  signals:
    void SearchChanged();  // the folded words changed: the list needs a refresh
    void GoToResults();    // Enter or Down

  private:
    std::unique_ptr<Ui::SearchBoxCorner> ui_;
    CardSearch search_;
};

}  // namespace kestrava
