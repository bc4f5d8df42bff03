// Reading the card list and saving and reading a deck, each against the bare file work it
// cannot avoid: the same bytes read, decoded and split, or the same lines encoded, written,
// read back and decoded.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QSaveFile>

#include <array>
#include <vector>

#include "bench/BenchInputs.h"
#include "bench/BenchSettings.h"
#include "catalogue/CardList.h"
#include "files/DeckFile.h"
#include "platform/Cp932.h"
#include "platform/TextFile.h"

namespace kestrava::bench {
namespace {

constexpr int kColumnCount = 31;

void CardListLoad(benchmark::State& state) {
    const BenchInputs& inputs = Inputs();
    CardCatalogue catalogue;
    for (auto _ : state) {
        LoadCardList(catalogue, inputs.CardListPath);
    }
    if (catalogue.CardCount() != kFullCardCount) {
        state.SkipWithError("the card list did not load whole");
    }
}

// Every column kept as a text in a table that outlives the loop, as the catalogue does.
void CardListLoadBaseline(benchmark::State& state) {
    const BenchInputs& inputs = Inputs();
    std::vector<std::array<QString, kColumnCount>> table(kCardTableSize);
    int rows = 0;
    for (auto _ : state) {
        QFile file(inputs.CardListPath);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot open the card list");
            break;
        }
        const QString text = DecodeCp932(file.readAll());
        rows = 0;
        for (const QStringView line : QStringView(text).split(u"\r\n", Qt::SkipEmptyParts)) {
            if (rows == kCardTableSize) {
                break;
            }
            int column = 0;
            for (const QStringView field : line.split(u',')) {
                if (column == kColumnCount) {
                    break;
                }
                table[rows][column++] = field.toString();
            }
            ++rows;
        }
    }
    if (rows != kFullCardCount) {
        state.SkipWithError("the card list did not split whole");
    }
}

void DeckSaveAndLoad(benchmark::State& state) {
    const BenchInputs& inputs = Inputs();
    const QString path = inputs.Folder.filePath(QStringLiteral("saved.dek"));
    Deck deck;
    DeckTallies tallies;
    for (auto _ : state) {
        SaveDeckFile(path, inputs.LargeDeck, inputs.LargeDeckTallies,
                     inputs.Catalogue.FactionNames);
        LoadDeckFile(path, inputs.Catalogue, deck, tallies);
    }
    if (deck.Lines.size() != kLargeDeckLines) {
        state.SkipWithError("the deck did not read back whole");
    }
}

void DeckSaveAndLoadBaseline(benchmark::State& state) {
    const BenchInputs& inputs = Inputs();
    const QString path = inputs.Folder.filePath(QStringLiteral("baseline.dek"));
    // The same text lines converted to and from code page 932, as the card list baseline
    // decodes its bytes: the bare cost of any Shift-JIS text file of this size.
    const QStringList text =
        DeckFileLines(inputs.LargeDeck, inputs.LargeDeckTallies, inputs.Catalogue.FactionNames);
    QStringList lines;
    for (auto _ : state) {
        const QByteArray bytes = EncodeCp932Lines(text);
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
            state.SkipWithError("cannot write the deck file");
            break;
        }
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot read the deck file");
            break;
        }
        lines.clear();
        for (const QByteArray& line : in.readAll().split('\n')) {
            lines.append(DecodeCp932(line));
        }
    }
    benchmark::DoNotOptimize(lines);
}

}  // namespace

BENCHMARK(CardListLoad)->Apply(Repeated);
BENCHMARK(CardListLoadBaseline)->Apply(Repeated);
BENCHMARK(DeckSaveAndLoad)->Apply(Repeated);
BENCHMARK(DeckSaveAndLoadBaseline)->Apply(Repeated);

}  // namespace kestrava::bench
