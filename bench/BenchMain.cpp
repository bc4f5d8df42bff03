// The benchmark program: a QApplication on the offscreen platform for the window cases, the
// Google Benchmark run, then the verdict table. Exits with 1 when a target is missed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardPaths>

#include <iostream>
#include <vector>

#include "app/Fonts.h"
#include "bench/BenchInputs.h"
#include "bench/MainWindowWorld.h"
#include "bench/MedianReporter.h"
#include "bench/VerdictTable.h"

namespace {

using kestrava::bench::kFrameMilliseconds;

const std::vector<kestrava::bench::Target> kTargets = {
    {"LoadCardList, 1025 cards", "CardListLoad", "CardListLoadBaseline", 1.5, kFrameMilliseconds},
    {"MakeSeq + Change_List into List1, ALL", "CardListRefresh", "CardListRefreshBaseline", 1.5,
     kFrameMilliseconds},
    {"  the same, laid out and painted", "CardListRefreshPainted", nullptr, 0, kFrameMilliseconds},
    {"Search keystroke over ALL, painted", "SearchKeystrokePainted", "CardListRefreshPainted", 1.2,
     kFrameMilliseconds},
    {"  the first after a load (folds 1025 cards)", "SearchFirstKeystrokePainted", nullptr, 0,
     kFrameMilliseconds},
    {"SaveDeckFile + LoadDeckFile, 200 lines", "DeckSaveAndLoad", "DeckSaveAndLoadBaseline", 1.2,
     kFrameMilliseconds},
    {"DecodeCp932, 1025-card list (135 KB)", "Cp932Decode", "Cp932DecodeBaseline", 20,
     kFrameMilliseconds},
    {"TallyCard, per call", "TallyCardCall", nullptr, 0, kFrameMilliseconds},
    {"Card click: ShowCardLine + ShowPanel, painted", "CardClick", nullptr, 0, kFrameMilliseconds},
    {"\">>\" on a 200-line deck, painted", "AddFourCopies", nullptr, 0, kFrameMilliseconds},
    {"Recipe image of a 40-line deck", "RecipeImageDrawn", nullptr, 0, 150},
    {"  its deck code read back from it", "RecipeCodeReadBack", nullptr, 0, 100},
    {"Registration sheet PDF, 40 lines", "SheetPdfWritten", nullptr, 0, 200},
    {"Start-up: Main (show + load) to exposed", "StartUpMain", nullptr, 0, kFrameMilliseconds},
    {"Start-up: Form1 built + Main to exposed", "StartUpWhole", nullptr, 0, 0},
    {"Start-up: launched to main window shown", "StartUpShown", "StartUpShownBareWindow", 1.3, 0,
     true},
};

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The window cases start the program's main window: never on the user's own data.
    QStandardPaths::setTestModeEnabled(true);
    kestrava::InstallFonts();
    kestrava::bench::Inputs();

    // Interleaved repetitions spread the load of a shared machine over case and baseline alike;
    // flags given on the command line come later and win.
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> args = {argv[0], interleave};
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) {
        return 1;
    }

    kestrava::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    kestrava::bench::ReleaseWorld();
    const bool met = kestrava::bench::PrintVerdictTable(reporter, kTargets, std::cout);
    benchmark::Shutdown();
    return met ? 0 : 1;
}
