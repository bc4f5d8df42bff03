// fuzz_deck_list_import: arbitrary bytes as a deck list pasted or opened as text. Every line
// must come back with a status that fits what it holds, the same every time; the deck built
// from it keeps the copy limit and its total, and reads back exactly once saved.
#include <QBuffer>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "deck/DeckEditing.h"
#include "files/DeckFile.h"
#include "files/DeckListImport.h"

namespace kestrava::fuzz {
namespace {

// A few cards with the shapes that make matching hard: a shared code, a name with blanks, a
// katakana name, an empty one.
const CardCatalogue& Cards() {
    static const CardCatalogue catalogue = [] {
        CardCatalogue cards;
        const char16_t* lines[][2] = {{u"G-001", u"森羅の義勇兵"}, {u"G-001", u"森羅の 義勇兵"},
                                      {u"C-010", u"カーバンクル"}, {u"M-1", u""},
                                      {u"E-7", u"a  b"},           {u"D-3", u"ヴァル・ガー"}};
        for (const auto& [code, name] : lines) {
            CardRecord card;
            card.Code = QString::fromUtf16(code);
            card.Name = QString::fromUtf16(name);
            cards.AddCard(card);
        }
        return cards;
    }();
    return catalogue;
}

bool IsCardLine(const QString& line) {
    for (int i = 0; i < Cards().CardCount(); ++i) {
        if (Cards().CardListLine(i) == line) {
            return true;
        }
    }
    return false;
}

void CheckLines(const DeckListImport& import) {
    FUZZ_CHECK(import.Lines.size() <= std::size_t(kMaxImportLines) + 1);
    for (const ImportLine& line : import.Lines) {
        switch (line.Status) {
            case ImportStatus::Matched:
                FUZZ_CHECK(line.Cards.size() == 1);
                // Another number beside the card might be the count meant: never a plain match.
                FUZZ_CHECK(std::none_of(line.Note.begin(), line.Note.end(),
                                        [](QChar c) { return c.isDigit(); }));
                break;
            case ImportStatus::Candidates:
                FUZZ_CHECK(!line.Cards.isEmpty() && line.Cards.size() <= kMaxImportCandidates);
                break;
            case ImportStatus::Unknown:
            case ImportStatus::Ignored:
                FUZZ_CHECK(line.Cards.isEmpty());
                break;
        }
        for (const QString& card : line.Cards) {
            FUZZ_CHECK(IsCardLine(card));
        }
        FUZZ_CHECK(line.Count >= 0);
    }
}

void CheckDeck(const ImportedDeck& imported, std::size_t lineCount) {
    const Deck& deck = imported.Value;
    FUZZ_CHECK(imported.Notes.size() == lineCount);
    int total = 0;
    for (const DeckLine& line : deck.Lines) {
        FUZZ_CHECK(line.Count >= 0 && line.Count <= 4);
        total += line.Count;
    }
    FUZZ_CHECK(total == deck.Total);

    // What an import makes is a deck like any other: saved, it reads back as it was.
    QByteArray bytes;
    QBuffer out(&bytes);
    FUZZ_CHECK(out.open(QIODevice::WriteOnly));
    DeckTallies tallies;
    RecountTallies(tallies, deck, Cards());
    FUZZ_CHECK(SaveDeckFile(out, deck, tallies, Cards().FactionNames));
    out.close();
    QBuffer in(&bytes);
    FUZZ_CHECK(in.open(QIODevice::ReadOnly));
    Deck read;
    DeckTallies readTallies;
    FUZZ_CHECK(LoadDeckFile(in, Cards(), read, readTallies));
    FUZZ_CHECK(read.Lines == deck.Lines);
}

}  // namespace
}  // namespace kestrava::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kestrava;
    const QString text =
        DecodeDeckListText(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    const DeckListImport import = ParseDeckList(text, fuzz::Cards());
    fuzz::CheckLines(import);
    const DeckListImport again = ParseDeckList(text, fuzz::Cards());
    FUZZ_CHECK(again.Lines.size() == import.Lines.size() && again.DeckName == import.DeckName);

    // As chosen by default, and with every unknown line kept and every last candidate taken.
    std::vector<ImportChoice> choices(import.Lines.size());
    fuzz::CheckDeck(BuildImportedDeck(import, choices, QStringLiteral("名前")),
                    import.Lines.size());
    for (std::size_t i = 0; i < choices.size(); ++i) {
        choices[i].KeepUnknown = true;
        choices[i].Candidate = int(import.Lines[i].Cards.size()) - 1;
        choices[i].Count = int(i % 6) - 1;  // as written, then 0 to 4
    }
    fuzz::CheckDeck(BuildImportedDeck(import, choices, {}), import.Lines.size());
    return 0;
}
