// One TallyCard call: a card looked up by code in the full catalogue and three tallies moved.
#include <benchmark/benchmark.h>

#include "bench/BenchInputs.h"
#include "bench/BenchSettings.h"
#include "deck/DeckTallies.h"

namespace kestrava::bench {
namespace {

// Walks the deck's lines, which lie all over the catalogue, so the lookup costs what it costs
// on average; each line is added and then taken away, so the tallies never run out of range.
void TallyCardCall(benchmark::State& state) {
    const BenchInputs& inputs = Inputs();
    DeckTallies tallies;
    std::size_t call = 0;
    bool moved = true;
    for (auto _ : state) {
        const DeckLine& line = inputs.LargeDeck.Lines[(call / 2) % inputs.LargeDeck.Lines.size()];
        const qint16 amount = call % 2 == 0 ? 1 : -1;
        moved = TallyCard(tallies, inputs.Catalogue, line.Text, amount) && moved;
        ++call;
    }
    if (!moved) {
        state.SkipWithError("a tally left its range");
    }
}

}  // namespace

BENCHMARK(TallyCardCall)->Apply(Repeated);

}  // namespace kestrava::bench
