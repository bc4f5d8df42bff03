// Start-up with the full card list beside the program: the whole of it (main window built,
// Main run, window on the screen) and the part after the window exists (Main: show and load).
// Each iteration starts from a fresh catalogue and a fresh window, made and dropped untimed.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/Form1.h"
#include "app/Startup.h"
#include "bench/BenchInputs.h"
#include "bench/BenchSettings.h"
#include "bench/MainWindowWorld.h"

namespace kestrava::bench {
namespace {

void StartUp(benchmark::State& state, bool timeWindowConstruction) {
    const QString path = Inputs().CardListPath;
    for (auto _ : state) {
        state.PauseTiming();
        auto catalogue = std::make_unique<CardCatalogue>();
        if (timeWindowConstruction) {
            state.ResumeTiming();
        }
        auto window = std::make_unique<Form1>(*catalogue);
        if (!timeWindowConstruction) {
            state.ResumeTiming();
        }
        Main(*catalogue, *window, path);
        const bool shown = WaitUntilExposed(*window);
        state.PauseTiming();
        const bool loaded = catalogue->CardCount() == kFullCardCount;
        window.reset();
        FinishFrame();
        state.ResumeTiming();
        if (!shown || !loaded) {
            state.SkipWithError("the window did not come up with every card");
            break;
        }
    }
}

void StartUpWhole(benchmark::State& state) {
    StartUp(state, true);
}

void StartUpMain(benchmark::State& state) {
    StartUp(state, false);
}

}  // namespace

BENCHMARK(StartUpWhole)->Apply(Repeated);
BENCHMARK(StartUpMain)->Apply(Repeated);

}  // namespace kestrava::bench
