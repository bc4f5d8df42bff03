#include "sample/SampleHand.h"

#include <algorithm>
#include <utility>

#include "catalogue/StringTable.h"

namespace kestrava {

bool IsCastleCard(const CardRecord* card) {
    return card != nullptr && card->CardType == LoadWord(kWordCastle);
}

DeckCards SplitDeck(const Deck& deck, const CardCatalogue& catalogue) {
    DeckCards cards;
    for (const DeckLine& line : deck.Lines) {
        QStringList& pile = IsCastleCard(catalogue.FindCardByCode(CodeOfLine(line.Text)))
                                ? cards.Castle
                                : cards.Main;
        for (qint16 copy = 0; copy < line.Count; ++copy) {
            pile.append(line.Text);
        }
    }
    return cards;
}

bool DealtDeck::Read(const Deck& deck, const CardCatalogue& catalogue) {
    DeckCards cards = SplitDeck(deck, catalogue);
    DeckAnalysis analysis = AnalyseDeck(deck, catalogue);
    if (cards == cards_ && analysis == analysis_) {
        return false;
    }
    cards_ = std::move(cards);
    analysis_ = std::move(analysis);
    return true;
}

void SamplePile::Shuffle(const QStringList& cards, std::mt19937& generator) {
    order_ = cards;
    std::shuffle(order_.begin(), order_.end(), generator);
    drawn_ = 0;
}

int SamplePile::Draw(int count) {
    const int moved = std::clamp(count, 0, Left());
    drawn_ += moved;
    return moved;
}

void SampleHand::Shuffle(PileKind kind, const DeckCards& cards) {
    PileOf(kind).Shuffle(kind == PileKind::Main ? cards.Main : cards.Castle, generator_);
}

std::uint32_t FreshSeed() {
    return std::random_device{}();
}

QString CardsLeftText(int left) {
    return QStringLiteral("残り %1枚").arg(left);
}

}  // namespace kestrava
