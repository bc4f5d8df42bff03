#include <limits>

#include "files/DeckFile.h"
#include "platform/TextFile.h"

namespace kestrava {
namespace {

struct DeckEntry {
    QString Text;
    qint16 Count = 0;
};

// Parses one line after the name; false when the line ends the reading.
bool ParseDeckEntry(const QString& line, DeckEntry& entry) {
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
    qint16 total = 0;

    QString line;
    if (reader.ReadLine(line)) {
        deck.DeckName = line;
        while (reader.ReadLine(line)) {
            if (line.startsWith(u'-')) {
                continue;
            }
            DeckEntry entry;
            if (!ParseDeckEntry(line, entry)) {
                break;
            }
            if (total > std::numeric_limits<qint16>::max() - entry.Count) {
                break;
            }
            if (!TallyCard(tallies, catalogue, entry.Text, entry.Count)) {
                break;
            }
            deck.Lines.push_back({entry.Text, entry.Count});
            total = static_cast<qint16>(total + entry.Count);
        }
    }
    deck.Total = total;
    return true;
}

}  // namespace kestrava
