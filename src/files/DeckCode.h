// A deck as a short text code to paste or carry in a QR code: the deck name and every line's
// card code and count, versioned and checked. The format is described in docs/deck-code.md.
#pragma once

#include <QString>
#include <QStringView>

#include <vector>

#include "deck/Deck.h"

namespace kestrava {

struct DeckCodeEntry {
    QString Code;  // the line's text up to its first blank
    int Count = 0;
};

struct DeckCodeContent {
    QString DeckName;
    std::vector<DeckCodeEntry> Entries;
};

// "KDC1." and the checked content in base64url; the same deck always gives the same code.
QString WriteDeckCode(const Deck& deck);

enum class DeckCodeReading {
    NotACode,  // the text holds no "KDC<version>." start
    Read,
    Refused,  // a code, cut short, mistyped or of a later version: reason says which
};

// Reads the first code in text (a line may hold words around it).
DeckCodeReading ReadDeckCode(QStringView text, DeckCodeContent& content, QString& reason);

}  // namespace kestrava
