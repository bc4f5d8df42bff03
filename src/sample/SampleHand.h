// A sample hand: the deck's copies split into a main pile and a castle pile, each shuffled and
// drawn from the top. The random generator is handed in, so a fixed seed gives a fixed order.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <random>

#include "catalogue/CardRecord.h"
#include "deck/Deck.h"
#include "sample/DeckAnalysis.h"

namespace kestrava {

// Every copy of the deck as card list lines, in deck order: the "城" cards in Castle, all
// others (cards the card list does not know included) in Main.
struct DeckCards {
    QStringList Main;
    QStringList Castle;

    friend bool operator==(const DeckCards& a, const DeckCards& b) {
        return a.Main == b.Main && a.Castle == b.Castle;
    }
    friend bool operator!=(const DeckCards& a, const DeckCards& b) { return !(a == b); }
};

// True for a loaded card of type "城"; a card the list does not know is no castle.
bool IsCastleCard(const CardRecord* card);

// A line holding no copies or fewer adds nothing.
DeckCards SplitDeck(const Deck& deck, const CardCatalogue& catalogue);

// What the hand deals from and the window shows beside it: the deck's copies split into piles
// and the main deck's analysis. Read again on every change of the deck or the card list; a read
// that gives other cards or another analysis deals both piles afresh, one that leaves them as
// they were keeps the hand.
class DealtDeck {
  public:
    // Reads deck against catalogue; true when the hand is to be dealt afresh.
    bool Read(const Deck& deck, const CardCatalogue& catalogue);
    const DeckCards& Cards() const { return cards_; }
    const DeckAnalysis& Analysis() const { return analysis_; }

  private:
    DeckCards cards_;
    DeckAnalysis analysis_;
};

class SamplePile {
  public:
    // Takes cards in a uniformly random order; nothing is drawn.
    void Shuffle(const QStringList& cards, std::mt19937& generator);
    // Moves the top min(count, Left()) cards to the end of the drawn list; returns how many.
    int Draw(int count);
    int Left() const { return static_cast<int>(order_.size()) - drawn_; }
    // The cards drawn since the last shuffle, first drawn first.
    QStringList Drawn() const { return order_.mid(0, drawn_); }

  private:
    QStringList order_;
    int drawn_ = 0;
};

enum class PileKind { Main, Castle };

class SampleHand {
  public:
    explicit SampleHand(std::uint32_t seed) : generator_(seed) {}

    // Rebuilds the pile of kind from cards and shuffles it.
    void Shuffle(PileKind kind, const DeckCards& cards);
    int Draw(PileKind kind, int count) { return PileOf(kind).Draw(count); }
    const SamplePile& Pile(PileKind kind) const { return piles_[Index(kind)]; }

  private:
    static std::size_t Index(PileKind kind) { return kind == PileKind::Main ? 0 : 1; }
    SamplePile& PileOf(PileKind kind) { return piles_[Index(kind)]; }

    std::mt19937 generator_;
    std::array<SamplePile, 2> piles_;
};

// A seed from the platform's random source, for a hand that differs on every run.
std::uint32_t FreshSeed();

// "残り N枚".
QString CardsLeftText(int left);

}  // namespace kestrava
