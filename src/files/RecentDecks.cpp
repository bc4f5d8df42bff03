#include "files/RecentDecks.h"

#include <QFileInfo>

namespace kestrava {

namespace {

const QString kRecentDecksKey = QStringLiteral("RecentDecks");

}  // namespace

QStringList WithRecentDeck(QStringList decks, const QString& path) {
    decks.removeAll(path);
    decks.prepend(path);
    while (decks.size() > kRecentDeckCount) {
        decks.removeLast();
    }
    return decks;
}

QStringList WithoutRecentDeck(QStringList decks, const QString& path) {
    decks.removeAll(path);
    return decks;
}

QString RecentDeckCaption(int number, const QString& path) {
    return QStringLiteral("&%1 ").arg(number) +
           QFileInfo(path).fileName().replace(u'&', QStringLiteral("&&"));
}

QStringList RecentDeckCaptions(const QStringList& decks) {
    QStringList captions;
    for (int i = 0; i < decks.size(); ++i) {
        captions << RecentDeckCaption(i + 1, decks[i]);
    }
    return captions;
}

QStringList ReadRecentDecks(const QSettings& settings) {
    const QStringList stored = settings.value(kRecentDecksKey).toStringList();
    QStringList decks;
    for (auto it = stored.crbegin(); it != stored.crend(); ++it) {
        if (!it->isEmpty()) {
            decks = WithRecentDeck(decks, *it);
        }
    }
    return decks;
}

void WriteRecentDecks(QSettings& settings, const QStringList& decks) {
    settings.setValue(kRecentDecksKey, decks);
}

}  // namespace kestrava
