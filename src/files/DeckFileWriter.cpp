#include <algorithm>
#include <array>
#include <charconv>

#include "files/DeckFile.h"
#include "files/DeckLineLayout.h"
#include "files/DeckSummary.h"
#include "platform/Cp932.h"
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

// The name is one line of the file: a pasted line break would end it early and turn the rest
// into a deck line that stops the reading.
QStringList HeadLines(const Deck& deck) {
    QString name = deck.DeckName;
    name.replace(u'\r', u' ').replace(u'\n', u' ');
    return {name, SeparatorLine()};
}

// The lines after the deck lines: separator, total and summary.
QStringList TailLines(const Deck& deck, const DeckTallies& tallies,
                      const FactionNameList& factionNames) {
    QStringList lines;
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

// The deck lines encoded as DeckEntryLine lays them out, written straight into out: the text's
// encoded length is the byte length that sets the padding, so no line is built as text first.
void AppendDeckLines(const std::vector<DeckLine>& lines, QByteArray& out) {
    static const QByteArray mark = EncodeCp932(kCountMark);
    constexpr int kCountRoom = 6;  // "-32768"
    qsizetype room = 0;
    for (const DeckLine& line : lines) {
        room += 2 * line.Text.size() + kCountMarkColumn + mark.size() + kCountRoom + 2;
    }
    const qsizetype start = out.size();
    out.resize(start + room);
    char* const begin = out.data();
    char* dst = begin + start;
    for (const DeckLine& line : lines) {
        char* const textEnd = EncodeCp932Into(line.Text, dst);
        dst = std::fill_n(textEnd, EntryPadding(textEnd - dst, kMinimumFilePadding), ' ');
        dst = std::copy(mark.begin(), mark.end(), dst);
        dst = std::to_chars(dst, dst + kCountRoom, int(line.Count)).ptr;
        *dst++ = '\r';
        *dst++ = '\n';
    }
    out.truncate(dst - begin);
}

QByteArray DeckFileBytes(const Deck& deck, const DeckTallies& tallies,
                         const FactionNameList& factionNames) {
    QByteArray bytes = EncodeCp932Lines(HeadLines(deck));
    AppendDeckLines(deck.Lines, bytes);
    bytes += EncodeCp932Lines(TailLines(deck, tallies, factionNames));
    return bytes;
}

}  // namespace

QStringList DeckFileLines(const Deck& deck, const DeckTallies& tallies,
                          const FactionNameList& factionNames) {
    QStringList lines = HeadLines(deck);
    for (const DeckLine& line : deck.Lines) {
        lines << DeckEntryLine(line, kMinimumFilePadding);
    }
    return lines << TailLines(deck, tallies, factionNames);
}

bool SaveDeckFile(QIODevice& device, const Deck& deck, const DeckTallies& tallies,
                  const FactionNameList& factionNames) {
    const QByteArray bytes = DeckFileBytes(deck, tallies, factionNames);
    return device.write(bytes) == bytes.size();
}

bool SaveDeckFile(const QString& path, const Deck& deck, const DeckTallies& tallies,
                  const FactionNameList& factionNames) {
    const QByteArray bytes = DeckFileBytes(deck, tallies, factionNames);
    return SaveFileAtomically(
        path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

}  // namespace kestrava
