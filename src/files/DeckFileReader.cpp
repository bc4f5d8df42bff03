#include <algorithm>
#include <cstring>
#include <optional>

#include "deck/DeckEditing.h"
#include "files/DeckFile.h"
#include "platform/Cp932.h"
#include "platform/TextFile.h"

namespace kestrava {
namespace {

// The card list line an entry text stands for. The text ends at the first two blanks, so a
// card whose name is empty, starts or ends with a blank or holds two blanks was cut short when
// it was written: the first card with the entry's code that cuts short to the text is the one.
// A text that is some card's whole line stays itself; nullopt when no card fits.
std::optional<QString> ResolveEntryText(const CardCatalogue& catalogue, QStringView text) {
    const QStringView code = CodeOfLine(text);
    // Most often the text is the whole line of the first card of its code.
    const int first = catalogue.FindCardIndexByCode(code);
    if (first < 0) {
        return std::nullopt;
    }
    if (catalogue.CardListLine(first) == text) {
        return catalogue.CardListLine(first);
    }
    // Otherwise the lines that begin with the text: they stand together in list order, and
    // those cut short to it (going on with one blank alone or with two) come before any that
    // goes on with a character above the blank in one of its next two places.
    const std::vector<int>& order = catalogue.ListOrder();
    auto at = std::lower_bound(order.begin(), order.end(), text, [&](int card, QStringView t) {
        return QStringView(catalogue.CardListLine(card)) < t;
    });
    int cutShort = -1;
    for (; at != order.end(); ++at) {
        const QString& line = catalogue.CardListLine(*at);
        if (!line.startsWith(text)) {
            break;
        }
        const QStringView rest = QStringView(line).mid(text.size());
        if (!rest.isEmpty() &&
            (rest[0] > u' ' || (rest[0] == u' ' && rest.size() > 1 && rest[1] > u' '))) {
            break;
        }
        if (catalogue.CardTable()[*at].Code != code) {
            continue;
        }
        if (rest.isEmpty()) {
            return line;
        }
        const bool cut = rest == u" " || rest.startsWith(u"  ");
        if (cut && (cutShort < 0 || *at < cutShort)) {
            cutShort = *at;
        }
    }
    if (cutShort < 0) {
        return std::nullopt;
    }
    return catalogue.CardListLine(cutShort);
}

// Index of the first two blanks in line, or -1.
qsizetype FindTwoBlanks(QByteArrayView line) {
    const char* begin = line.data();
    const char* end = begin + line.size();
    for (const char* blank = begin;
         (blank = static_cast<const char*>(std::memchr(blank, ' ', size_t(end - blank)))) &&
         blank + 1 < end;
         ++blank) {
        if (blank[1] == ' ') {
            return blank - begin;
        }
    }
    return -1;
}

// Parses one line after the name; false when the line ends the reading. The line is read as
// bytes: blanks, digits and "-" are never the second byte of a pair, so each byte of them is
// that character in the decoded line, and the text before two blanks decodes alone as it does
// within the line.
bool ParseDeckEntry(QByteArrayView line, const CardCatalogue& catalogue, DeckLine& entry) {
    const qsizetype gap = FindTwoBlanks(line);
    if (gap < 0) {
        return false;
    }
    const char last = line.back();
    if (last < '0' || last > '9') {
        return false;
    }
    // An empty text ends the reading: that is how the total line ends it.
    if (gap == 0) {
        return false;
    }
    entry.Text = DecodeCp932(line.first(gap));
    // No card has a longer line, and the deck list would be slow to show it.
    if (entry.Text.size() > kMaxCardLineLength) {
        return false;
    }
    if (std::optional<QString> card = ResolveEntryText(catalogue, entry.Text)) {
        entry.Text = std::move(*card);
    } else if (!entry.Text.contains(u' ')) {
        return false;
    }
    entry.Count = static_cast<qint16>(last - '0');
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
    QByteArrayView line;
    if (reader.ReadRawLine(line)) {
        loaded.DeckName = DecodeCp932(line);
        qsizetype bytes = line.size();
        while (reader.ReadRawLine(line)) {
            // Past a limit, as at a line that does not parse or would overflow a count, the
            // reading ends.
            bytes += line.size();
            if (bytes > kMaxDeckFileBytes) {
                break;
            }
            if (line.startsWith('-')) {
                continue;
            }
            DeckLine entry;
            if (loaded.Lines.size() == std::size_t(kMaxDeckLines) ||
                !ParseDeckEntry(line, catalogue, entry) ||
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
