#include <array>

#include "files/DeckFile.h"
#include "files/DeckLineLayout.h"
#include "files/DeckSummary.h"
#include "platform/TextFile.h"

namespace kestrava {
namespace {

// The reader ends an entry's text at the first two blanks, so a line that fills the column
// still needs two.
constexpr int kMinimumFilePadding = 2;

// Each prefix is 7 bytes wide in code page 932.
const std::array<QString, kSummaryTypeCount>& TypePrefixes() {
    static const std::array<QString, kSummaryTypeCount> prefixes = {
        QStringLiteral("英雄   "), QStringLiteral("指揮官 "), QStringLiteral("兵力   "),
        QStringLiteral("配下   "), QStringLiteral("戦法   "), QStringLiteral("計略   "),
        QStringLiteral("城     ")};
    return prefixes;
}

}  // namespace

QStringList DeckFileLines(const Deck& deck, const DeckTallies& tallies,
                          const FactionNameList& factionNames) {
    QStringList lines;
    // The name is one line of the file: a pasted line break would end it early and turn the
    // rest into a deck line that stops the reading.
    QString name = deck.DeckName;
    name.replace(u'\r', u' ').replace(u'\n', u' ');
    lines << name << SeparatorLine();
    for (const DeckLine& line : deck.Lines) {
        lines << DeckEntryLine(line, kMinimumFilePadding);
    }
    lines << SeparatorLine() << TotalLine(deck.Total) << QString() << QStringLiteral("デッキ構成");
    for (const FactionSummaryLine& faction : FactionSummary(tallies, factionNames)) {
        lines << faction.Name + faction.Count + QStringLiteral("枚");
    }
    lines << QString();
    const auto counts = TypeSummary(tallies);
    for (int i = 0; i < kSummaryTypeCount; ++i) {
        lines << TypePrefixes()[i] + counts[i] + QStringLiteral("枚");
    }
    return lines;
}

bool SaveDeckFile(QIODevice& device, const Deck& deck, const DeckTallies& tallies,
                  const FactionNameList& factionNames) {
    return WriteCp932Lines(device, DeckFileLines(deck, tallies, factionNames));
}

bool SaveDeckFile(const QString& path, const Deck& deck, const DeckTallies& tallies,
                  const FactionNameList& factionNames) {
    return WriteCp932Lines(path, DeckFileLines(deck, tallies, factionNames));
}

}  // namespace kestrava
