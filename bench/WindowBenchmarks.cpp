// What the user does in the main window over 1025 cards: refill the card list, click a card,
// add four copies to a long deck. The refill is also measured against a plain list widget
// taking the same sorted lines.
#include <benchmark/benchmark.h>

#include <QPushButton>

#include "bench/BenchInputs.h"
#include "bench/BenchSettings.h"
#include "bench/MainWindowWorld.h"

namespace kestrava::bench {
namespace {

void CardListRefresh(benchmark::State& state) {
    MainWindowWorld& world = World();
    for (auto _ : state) {
        world.Window.MakeSeq();
        world.Window.Change_List();
    }
    if (world.List1->count() != kFullCardCount) {
        state.SkipWithError("List1 does not hold every card");
    }
    FinishFrame();
}

void CardListRefreshBaseline(benchmark::State& state) {
    MainWindowWorld& world = World();
    for (auto _ : state) {
        world.PlainList.clear();
        world.PlainList.addItems(world.SortedLines);
    }
    FinishFrame();
}

// The same refill as the user sees it: laid out and painted.
void CardListRefreshPainted(benchmark::State& state) {
    MainWindowWorld& world = World();
    for (auto _ : state) {
        world.Window.MakeSeq();
        world.Window.Change_List();
        FinishFrame();
    }
}

// Each click lands on another line, far from the last, as the card information panel would
// otherwise have nothing to change.
void CardClick(benchmark::State& state) {
    MainWindowWorld& world = World();
    const int count = world.List1->count();
    int row = 0;
    for (auto _ : state) {
        row = (row + 389) % count;
        world.List1->setCurrentRow(row);
        FinishFrame();
    }
}

// ">>" on a card the 200-line deck lacks: a line appended, the deck lists scrolled to it, the
// tallies shown. The deck file puts the deck back between clicks.
void AddFourCopies(benchmark::State& state) {
    MainWindowWorld& world = World();
    const BenchInputs& inputs = Inputs();
    auto* addFour = world.Window.findChild<QPushButton*>(QStringLiteral("Command2"));
    const QList<QListWidgetItem*> found =
        world.List1->findItems(inputs.NewCardLine, Qt::MatchExactly);
    if (addFour == nullptr || found.size() != 1) {
        state.SkipWithError("no \">>\" button or no card to add");
        return;
    }
    world.List1->setCurrentItem(found.first());
    for (auto _ : state) {
        state.PauseTiming();
        world.Window.LoadDeckFile(inputs.DeckPath);
        FinishFrame();
        state.ResumeTiming();
        addFour->click();
        FinishFrame();
    }
    if (world.Window.CurrentDeck().Lines.size() != kLargeDeckLines + 1) {
        state.SkipWithError("the copies were not added");
    }
}

}  // namespace

BENCHMARK(CardListRefresh)->Apply(Repeated);
BENCHMARK(CardListRefreshBaseline)->Apply(Repeated);
BENCHMARK(CardListRefreshPainted)->Apply(Repeated);
BENCHMARK(CardClick)->Apply(Repeated);
BENCHMARK(AddFourCopies)->Apply(Repeated);

}  // namespace kestrava::bench
