// What the user does in the main window over 1025 cards: refill the card list, type in the
// search box, click a card, add four copies to a long deck. The refill is also measured against
// a plain list widget taking the same sorted lines, a keystroke against the refill.
#include <benchmark/benchmark.h>

#include <QLineEdit>
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

QLineEdit* SearchBox(benchmark::State& state, MainWindowWorld& world) {
    auto* box = world.Window.findChild<QLineEdit*>(QStringLiteral("SearchBox"));
    if (box == nullptr) {
        state.SkipWithError("no search box");
    }
    return box;
}

// Texts typed over "ALL" in turn, each changing the words so each refreshes: from nine cards in
// ten listed (the costliest keystroke) down to about one in ten.
const QStringList kKeystrokes = {QStringLiteral("の"), QStringLiteral("カ"),
                                 QStringLiteral("カード"), QStringLiteral("カード 枚引く")};

// The box emptied again: "ALL" lists every card, as the other cases expect.
void EmptySearch(benchmark::State& state, MainWindowWorld& world, QLineEdit& box) {
    box.clear();
    FinishFrame();
    if (world.List1->count() != kFullCardCount) {
        state.SkipWithError("an empty search does not list every card");
    }
}

// A keystroke as the user sees it: the list refilled, laid out and painted.
void SearchKeystrokePainted(benchmark::State& state) {
    MainWindowWorld& world = World();
    QLineEdit* box = SearchBox(state, world);
    if (box == nullptr) {
        return;
    }
    qsizetype next = 0;
    for (auto _ : state) {
        box->setText(kKeystrokes[next]);
        FinishFrame();
        next = (next + 1) % kKeystrokes.size();
    }
    EmptySearch(state, world, *box);
}

// The first keystroke after a card list is loaded, which folds the texts of every card first.
void SearchFirstKeystrokePainted(benchmark::State& state) {
    MainWindowWorld& world = World();
    QLineEdit* box = SearchBox(state, world);
    if (box == nullptr) {
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        box->clear();
        world.Window.Open(Inputs().CardListPath, FileKind::CardList);
        FinishFrame();
        state.ResumeTiming();
        box->setText(kKeystrokes[0]);
        FinishFrame();
    }
    EmptySearch(state, world, *box);
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
        world.Window.Document().LoadFrom(inputs.LargeDeck, inputs.DeckPath);
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
BENCHMARK(SearchKeystrokePainted)->Apply(Repeated);
BENCHMARK(SearchFirstKeystrokePainted)->Apply(Repeated);
BENCHMARK(CardClick)->Apply(Repeated);
BENCHMARK(AddFourCopies)->Apply(Repeated);

}  // namespace kestrava::bench
