// Sharing a 40-line deck: the recipe image drawn, its QR code read back, the sheet's PDF.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

#include "bench/BenchInputs.h"
#include "bench/BenchSettings.h"
#include "share/QrCode.h"
#include "share/RecipeImage.h"
#include "share/RegistrationSheet.h"

namespace kestrava::bench {
namespace {

Deck FortyLines() {
    Deck deck = Inputs().LargeDeck;
    deck.DeckName = QStringLiteral("速攻 第四十版");
    deck.Lines.resize(40);
    deck.Total = 0;
    for (const DeckLine& line : deck.Lines) {
        deck.Total = qint16(deck.Total + line.Count);
    }
    return deck;
}

void RecipeImageDrawn(benchmark::State& state) {
    const Deck deck = FortyLines();
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawRecipeImage(deck, Inputs().Catalogue));
    }
}

void RecipeCodeReadBack(benchmark::State& state) {
    const QImage image = DrawRecipeImage(FortyLines(), Inputs().Catalogue);
    QString text;
    for (auto _ : state) {
        if (!ReadQrCode(image, text)) {
            state.SkipWithError("no code read");
        }
    }
}

void SheetPdfWritten(benchmark::State& state) {
    const Deck deck = FortyLines();
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}));
        pdf.setResolution(300);
        if (!PaintRegistrationSheet(pdf, deck, Inputs().Catalogue)) {
            state.SkipWithError("the sheet was not painted");
        }
    }
}

}  // namespace

BENCHMARK(RecipeImageDrawn)->Apply(Repeated);
BENCHMARK(RecipeCodeReadBack)->Apply(Repeated);
BENCHMARK(SheetPdfWritten)->Apply(Repeated);

}  // namespace kestrava::bench
