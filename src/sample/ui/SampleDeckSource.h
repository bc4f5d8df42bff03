// What the sample-hand window asks of the main window: the deck and the card list it is built
// from, and showing a card in the card information panel. The window knows nothing else of it.
#pragma once

#include <QString>

#include "catalogue/CardRecord.h"
#include "deck/Deck.h"

namespace kestrava {

class SampleDeckSource {
  public:
    virtual ~SampleDeckSource() = default;
    virtual const Deck& SampleDeck() const = 0;
    virtual const CardCatalogue& SampleCatalogue() const = 0;
    // Shows the card of a card list line as a click on that line in the card list does; a
    // line the card list does not know empties the panel but for "カード名：" and the line.
    virtual void ShowCardInPanel(const QString& line) = 0;
};

}  // namespace kestrava
