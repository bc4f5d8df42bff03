// The recent-decks list: the deck files last loaded or saved, newest first, kept in the user's
// settings so that the next start offers them too.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

namespace kestrava {

constexpr int kRecentDeckCount = 9;

// Entries are compared by the file they reach, however written (a "..", a symbolic link, a
// relative path): the file's canonical path, or its cleaned absolute path when it is gone.
// decks with path in front, as given: an older entry for its file goes, and the oldest beyond
// the count.
QStringList WithRecentDeck(QStringList decks, const QString& path);
QStringList WithoutRecentDeck(QStringList decks, const QString& path);

// The menu captions of decks, numbered from 1: "&1 name.dek". A name that two entries share is
// followed by the shortest end of its folder that tells it from the others ("&2 a.dek
// (x/decks)"). An "&" in a name or folder is no mnemonic.
QStringList RecentDeckCaptions(const QStringList& decks);

// The list kept in settings, tidied as WithRecentDeck keeps it whatever a hand edit left there.
QStringList ReadRecentDecks(const QSettings& settings);
void WriteRecentDecks(QSettings& settings, const QStringList& decks);

}  // namespace kestrava
