#include "deck/DeckEditing.h"
#include "files/DeckFile.h"
#include "platform/TextFile.h"

namespace kestrava {
namespace {

// Parses one line after the name; false when the line ends the reading.
bool ParseDeckEntry(const QString& line, DeckLine& entry) {
    const qsizetype gap = line.indexOf(QStringLiteral("  "));
    if (gap < 0) {
        return false;
    }
    const QChar last = line.back();
    if (last < u'0' || last > u'9') {
        return false;
    }
    entry.Text = line.left(gap);
    if (!entry.Text.contains(u' ')) {
        return false;
    }
    entry.Count = static_cast<qint16>(last.unicode() - u'0');
    return true;
}

}  // namespace

bool LoadDeckFile(const QString& path, const CardCatalogue& catalogue, Deck& deck,
                  DeckTallies& tallies) {
    Cp932LineReader reader(path);
    if (!reader.IsOpen()) {
        return false;
    }
    ResetTallies(tallies);
    deck.Lines.clear();
    deck.Total = 0;

    QString line;
    if (reader.ReadLine(line)) {
        deck.DeckName = line;
        while (reader.ReadLine(line)) {
            if (line.startsWith(u'-')) {
                continue;
            }
            DeckLine entry;
            // A line that does not parse, or would overflow a count, ends the reading.
            if (!ParseDeckEntry(line, entry) ||
                !AppendLoadedLine(deck, tallies, catalogue, entry.Text, entry.Count)) {
                break;
            }
        }
    }
    return true;
}

}  // namespace kestrava
