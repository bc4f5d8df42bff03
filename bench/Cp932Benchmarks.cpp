// Decoding code page 932 against the least any reading of those bytes costs: widening them
// into a QString. The text is the generated full card list (about 135 KB of kanji and kana
// between ASCII commas and digits), as every start-up reads it.
#include <benchmark/benchmark.h>

#include <QString>

#include "bench/BenchInputs.h"
#include "bench/BenchSettings.h"
#include "bench/CardListGenerator.h"
#include "platform/Cp932.h"

namespace kestrava::bench {
namespace {

const QByteArray& CardListBytes() {
    static const QByteArray bytes = GenerateCardListBytes(kFullCardCount);
    return bytes;
}

void Cp932Decode(benchmark::State& state) {
    const QByteArray& bytes = CardListBytes();
    QString text;
    for (auto _ : state) {
        text = DecodeCp932(bytes);
        benchmark::DoNotOptimize(text.constData());
    }
    if (text.contains(QChar(0xFFFD))) {
        state.SkipWithError("the card list holds bytes that are not code page 932");
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void Cp932DecodeBaseline(benchmark::State& state) {
    const QByteArray& bytes = CardListBytes();
    QString text;
    for (auto _ : state) {
        text = QString::fromLatin1(bytes);
        benchmark::DoNotOptimize(text.constData());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

}  // namespace

BENCHMARK(Cp932Decode)->Apply(Repeated);
BENCHMARK(Cp932DecodeBaseline)->Apply(Repeated);

}  // namespace kestrava::bench
