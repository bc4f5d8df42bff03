// What every case works on, made once per run in a temporary folder: the full card list file,
// the catalogue read from it, a large deck and its deck file. Making them also checks them, so
// that no case measures a load that stopped early.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include "catalogue/CardRecord.h"
#include "deck/Deck.h"
#include "deck/DeckTallies.h"

namespace kestrava::bench {

constexpr int kFullCardCount = kCardTableSize;
constexpr int kLargeDeckLines = 200;

struct BenchInputs {
    QTemporaryDir Folder;
    QString CardListPath;
    QString DeckPath;
    CardCatalogue Catalogue;  // kFullCardCount cards
    Deck LargeDeck;           // kLargeDeckLines lines, spread over the catalogue
    DeckTallies LargeDeckTallies;
    QString NewCardLine;  // a card list line that LargeDeck does not hold
};

// Made on first use; ends the program with a message when an input is not what it should be.
const BenchInputs& Inputs();

}  // namespace kestrava::bench
