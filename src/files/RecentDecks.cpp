#include "files/RecentDecks.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace kestrava {

namespace {

const QString kRecentDecksKey = QStringLiteral("RecentDecks");

// The file path reaches. A path that no longer resolves is cleaned as text, which is all there
// is left to go by.
QString FileOf(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

}  // namespace

QStringList WithRecentDeck(QStringList decks, const QString& path) {
    decks = WithoutRecentDeck(std::move(decks), path);
    decks.prepend(path);
    while (decks.size() > kRecentDeckCount) {
        decks.removeLast();
    }
    return decks;
}

QStringList WithoutRecentDeck(QStringList decks, const QString& path) {
    const QString file = FileOf(path);
    decks.removeIf([&file](const QString& deck) { return FileOf(deck) == file; });
    return decks;
}

QString RecentDeckCaption(int number, const QString& path) {
    return QStringLiteral("&%1 ").arg(number) +
           QFileInfo(path).fileName().replace(u'&', QStringLiteral("&&"));
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
