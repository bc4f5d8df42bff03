#include <optional>

#include "deck/DeckEditing.h"
#include "files/DeckFile.h"
#include "platform/TextFile.h"

namespace kestrava {
namespace {

// Whether the writer, padding line with blanks, leaves text as the entry text the reader takes:
// the line up to its first two blanks, counting the padding.
bool CutsShortTo(const QString& line, const QString& text) {
    if (!line.startsWith(text)) {
        return false;
    }
    const QStringView rest = QStringView(line).mid(text.size());
    return rest == u" " || rest.startsWith(u"  ");
}

// The card list line an entry text stands for. The text ends at the first two blanks, so a
// card whose name is empty, starts or ends with a blank or holds two blanks was cut short when
// it was written: the first card with the entry's code that cuts short to the text is the one.
// A text that is some card's whole line stays itself; nullopt when no card fits.
std::optional<QString> ResolveEntryText(const CardCatalogue& catalogue, const QString& text) {
    const QStringView code = CodeOfLine(text);
    const int first = catalogue.FindCardIndexByCode(code);
    if (first < 0) {
        return std::nullopt;
    }
    int cutShort = -1;
    for (int i = first; i < catalogue.CardCount(); ++i) {
        if (catalogue.CardTable()[i].Code != code) {
            continue;
        }
        const QString& line = catalogue.CardListLine(i);
        if (line == text) {
            return line;
        }
        if (cutShort < 0 && CutsShortTo(line, text)) {
            cutShort = i;
        }
    }
    if (cutShort < 0) {
        return std::nullopt;
    }
    return catalogue.CardListLine(cutShort);
}

// Parses one line after the name; false when the line ends the reading.
bool ParseDeckEntry(const QString& line, const CardCatalogue& catalogue, DeckLine& entry) {
    const qsizetype gap = line.indexOf(QStringLiteral("  "));
    if (gap < 0) {
        return false;
    }
    const QChar last = line.back();
    if (last < u'0' || last > u'9') {
        return false;
    }
    // An empty text ends the reading: that is how the total line ends it.
    if (gap == 0) {
        return false;
    }
    entry.Text = line.left(gap);
    if (std::optional<QString> card = ResolveEntryText(catalogue, entry.Text)) {
        entry.Text = std::move(*card);
    } else if (!entry.Text.contains(u' ')) {
        return false;
    }
    entry.Count = static_cast<qint16>(last.unicode() - u'0');
    return true;
}

}  // namespace

bool LoadDeckFile(QIODevice& device, const CardCatalogue& catalogue, Deck& deck,
                  DeckTallies& tallies) {
    // Read into values of their own, taken over only when the whole file could be read.
    Deck loaded;
    loaded.DeckName = deck.DeckName;
    DeckTallies loadedTallies;
    ResetTallies(loadedTallies);

    Cp932LineReader reader(device);
    QString line;
    if (reader.ReadLine(line)) {
        loaded.DeckName = line;
        while (reader.ReadLine(line)) {
            if (line.startsWith(u'-')) {
                continue;
            }
            DeckLine entry;
            // A line that does not parse, or would overflow a count, ends the reading.
            if (!ParseDeckEntry(line, catalogue, entry) ||
                !AppendLoadedLine(loaded, loadedTallies, catalogue, entry.Text, entry.Count)) {
                break;
            }
        }
    }
    if (reader.Failed()) {
        return false;
    }
    deck = std::move(loaded);
    tallies = loadedTallies;
    return true;
}

bool LoadDeckFile(const QString& path, const CardCatalogue& catalogue, Deck& deck,
                  DeckTallies& tallies) {
    QFile file(path);
    return OpenRegularFileForReading(file) && LoadDeckFile(file, catalogue, deck, tallies);
}

}  // namespace kestrava
