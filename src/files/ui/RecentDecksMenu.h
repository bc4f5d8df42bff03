// File → 最近使ったデッキ: the deck files last loaded or saved, read again whenever the menu
// opens (programs side by side share the list), each opening its deck through the keeper.
#pragma once

#include <QMenu>

#include "files/DeckKeeper.h"

namespace kestrava {

class RecentDecksMenu : public QMenu {
    Q_OBJECT

  public:
    RecentDecksMenu(DeckKeeper& keeper, QWidget* parent = nullptr);

  private:
    void ShowDecks();

    DeckKeeper& keeper_;
};

}  // namespace kestrava
