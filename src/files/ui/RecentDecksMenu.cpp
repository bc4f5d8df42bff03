#include "files/ui/RecentDecksMenu.h"

#include "files/RecentDecks.h"

namespace kestrava {

RecentDecksMenu::RecentDecksMenu(DeckKeeper& keeper, QWidget* parent)
    : QMenu(QStringLiteral("最近使ったデッキ"), parent), keeper_(keeper) {
    setObjectName(QStringLiteral("RecentDecks"));
    setToolTipsVisible(true);
    connect(this, &QMenu::aboutToShow, this, &RecentDecksMenu::ShowDecks);
    connect(&keeper_, &DeckKeeper::RecentDecksChanged, this, &RecentDecksMenu::ShowDecks);
    ShowDecks();
}

void RecentDecksMenu::ShowDecks() {
    // Later, not now: the list changes from inside its own actions' slots.
    for (QAction* old : actions()) {
        removeAction(old);
        old->deleteLater();
    }
    const QStringList decks = keeper_.RecentDecks();
    const QStringList captions = RecentDeckCaptions(decks);
    for (int i = 0; i < decks.size(); ++i) {
        const QString path = decks[i];
        QAction* action = addAction(captions[i]);
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] { keeper_.OpenRecentDeck(path); });
    }
    if (decks.isEmpty()) {
        addAction(QStringLiteral("（履歴なし）"))->setEnabled(false);
    }
    addSeparator();
    QAction* clear = addAction(QStringLiteral("履歴を消去"));
    clear->setObjectName(QStringLiteral("ClearRecentDecks"));
    clear->setEnabled(!decks.isEmpty());
    connect(clear, &QAction::triggered, &keeper_, &DeckKeeper::ClearRecentDecks);
}

}  // namespace kestrava
