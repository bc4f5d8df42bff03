#include "files/RecentDecks.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace kestrava {

namespace {

const QString kRecentDecksKey = QStringLiteral("RecentDecks");

// Windows finds a file by its name in any case.
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseSensitive;
#endif

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, kFileNameCase) == 0;
}

// The file path reaches. A path that no longer resolves is cleaned as text, which is all there
// is left to go by.
QString FileOf(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString NoMnemonic(QString text) {
    return text.replace(u'&', QStringLiteral("&&"));
}

// The last count names of folder ("x/decks"); all of it, from the root, when it has fewer,
// so that "/decks" is told from "x/decks".
QString FolderEnd(const QString& folder, qsizetype count) {
    const QStringList names = folder.split(u'/', Qt::SkipEmptyParts);
    const QString end =
        count > names.size() ? folder : names.sliced(names.size() - count).join(u'/');
    return QDir::toNativeSeparators(end);
}

// The shortest end of folder that differs from the end of as many names of each of others.
QString DistinctFolderEnd(const QString& folder, const QStringList& others) {
    const qsizetype depth = folder.split(u'/', Qt::SkipEmptyParts).size();
    for (qsizetype count = 1;; ++count) {
        const QString end = FolderEnd(folder, count);
        const bool told = std::none_of(others.begin(), others.end(), [&](const QString& other) {
            return SameName(FolderEnd(other, count), end);
        });
        // The same folder twice (a list not tidied) is shown whole.
        if (told || count > depth) {
            return end;
        }
    }
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
    decks.removeIf([&file](const QString& deck) { return SameName(FileOf(deck), file); });
    return decks;
}

QStringList RecentDeckCaptions(const QStringList& decks) {
    QStringList names, folders;
    for (const QString& deck : decks) {
        const QFileInfo info(deck);
        names << info.fileName();
        folders << QDir::cleanPath(info.absolutePath());
    }
    QStringList captions;
    for (qsizetype i = 0; i < decks.size(); ++i) {
        QString caption = QStringLiteral("&%1 ").arg(i + 1) + NoMnemonic(names[i]);
        QStringList namesakes;
        for (qsizetype j = 0; j < decks.size(); ++j) {
            if (j != i && SameName(names[j], names[i])) {
                namesakes << folders[j];
            }
        }
        if (!namesakes.isEmpty()) {
            caption +=
                QStringLiteral(" (%1)").arg(NoMnemonic(DistinctFolderEnd(folders[i], namesakes)));
        }
        captions << caption;
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
