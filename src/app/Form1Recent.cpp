// Form1's recent-decks submenu of the File menu. The list lives in the user's settings, read
// again whenever the menu opens, so that programs running side by side share it.
#include <QDir>
#include <QMenu>
#include <QSettings>

#include "app/Form1.h"
#include "files/RecentDecks.h"
#include "ui_Form1.h"

namespace kestrava {

void Form1::CreateRecentMenu() {
    recentDecks_ = new QMenu(QStringLiteral("最近使ったデッキ"), this);
    recentDecks_->setObjectName(QStringLiteral("RecentDecks"));
    recentDecks_->setToolTipsVisible(true);
    ui_->mnuFile->insertMenu(ui_->Save, recentDecks_);
    connect(recentDecks_, &QMenu::aboutToShow, this, [this] { ShowRecentDecks(); });
    ShowRecentDecks();
}

void Form1::ShowRecentDecks() {
    // Later, not now: the list changes from inside its own actions' slots.
    for (QAction* old : recentDecks_->actions()) {
        recentDecks_->removeAction(old);
        old->deleteLater();
    }
    const QStringList decks = ReadRecentDecks(QSettings());
    const QStringList captions = RecentDeckCaptions(decks);
    for (int i = 0; i < decks.size(); ++i) {
        const QString& path = decks[i];
        QAction* action = recentDecks_->addAction(captions[i]);
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] { OpenRecentDeck(path); });
    }
    if (decks.isEmpty()) {
        recentDecks_->addAction(QStringLiteral("（履歴なし）"))->setEnabled(false);
    }
    recentDecks_->addSeparator();
    QAction* clear = recentDecks_->addAction(QStringLiteral("履歴を消去"));
    clear->setObjectName(QStringLiteral("ClearRecentDecks"));
    clear->setEnabled(!decks.isEmpty());
    connect(clear, &QAction::triggered, this, [this] {
        QSettings settings;
        WriteRecentDecks(settings, {});
        ShowRecentDecks();
    });
}

void Form1::NoteRecentDeck(const QString& path) {
    // Absolute as typed: a relative path would change meaning with the current folder, and
    // cleaning ".." away would step over symbolic links.
    const QString absolute = QDir::toNativeSeparators(QDir::current().absoluteFilePath(path));
    QSettings settings;
    WriteRecentDecks(settings, WithRecentDeck(ReadRecentDecks(settings), absolute));
    ShowRecentDecks();
}

void Form1::OpenRecentDeck(const QString& path) {
    const auto open = [this, path] {
        if (Open(path, kDeckPattern)) {
            return;
        }
        MarkStatusFailed();
        QSettings settings;
        WriteRecentDecks(settings, WithoutRecentDeck(ReadRecentDecks(settings), path));
        ShowRecentDecks();
    };
    if (MayDiscardDeck(open)) {
        open();
    }
}

}  // namespace kestrava
