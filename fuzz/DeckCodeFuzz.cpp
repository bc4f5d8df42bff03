// Deck codes typed or pasted by anyone, and codes written for any deck: reading never crashes,
// every code reads back to its deck, and a code with one character changed is refused.
#include <cstddef>
#include <cstdint>

#include <QStringList>

#include "FuzzCheck.h"
#include "files/DeckCode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kestrava;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                           qsizetype(std::min<std::size_t>(size, 4096)));
    DeckCodeContent content;
    QString reason;
    const DeckCodeReading reading = ReadDeckCode(text, content, reason);
    FUZZ_CHECK((reading == DeckCodeReading::Refused) == !reason.isEmpty());
    Deck deck;
    if (reading == DeckCodeReading::Read) {
        deck.DeckName = content.DeckName;
        for (const DeckCodeEntry& entry : content.Entries) {
            FUZZ_CHECK(!entry.Code.isEmpty() && entry.Count >= 1 && entry.Count <= 7);
            deck.Lines.push_back({entry.Code, qint16(entry.Count)});
        }
    } else {
        // The input as a deck: its first line the name, each further line a card line whose
        // first byte's low bits give the count.
        const QStringList lines = text.split(u'\n');
        deck.DeckName = lines.front();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            if (!lines[i].isEmpty() && !lines[i].startsWith(u' ')) {
                deck.Lines.push_back({lines[i], qint16(1 + lines[i].front().unicode() % 4)});
            }
        }
        content.DeckName = deck.DeckName;
        content.Entries.resize(deck.Lines.size());
    }
    // What was read or made, written, is a code that reads back the same.
    const QString code = WriteDeckCode(deck);
    DeckCodeContent again;
    FUZZ_CHECK(ReadDeckCode(code, again, reason) == DeckCodeReading::Read);
    FUZZ_CHECK(again.DeckName == content.DeckName &&
               again.Entries.size() == content.Entries.size());
    // One character of the written code changed: refused, never another deck.
    QString mutated = code;
    const qsizetype at = 5 + qsizetype(size % std::size_t(code.size() - 5));
    mutated[at] = mutated[at] == u'A' ? u'B' : u'A';
    DeckCodeContent other;
    FUZZ_CHECK(ReadDeckCode(mutated, other, reason) == DeckCodeReading::Refused);
    return 0;
}
