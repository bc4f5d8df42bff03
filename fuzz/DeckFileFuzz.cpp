// fuzz_deck_file: arbitrary bytes as a deck file. Reading must give a consistent deck that
// does not depend on the deck it replaces, and saving that deck must read back the same.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <tuple>

#include "FuzzCheck.h"
#include "FuzzFiles.h"
#include "catalogue/StringTable.h"
#include "files/DeckFile.h"
#include "platform/Cp932.h"

namespace kestrava::fuzz {
namespace {

// Enough repetitions of a short entry to run into the 16-bit total.
constexpr int kCopies = 4000;
constexpr qsizetype kMaxFileBytes = 48 * 1024;

CardRecord Card(const char16_t* code, int type, int rarity) {
    CardRecord card;
    card.Code = QString::fromUtf16(code);
    card.Faction = FactionOfCode(card.Code, DefaultFactionNames());
    card.CardType = LoadWord(type);
    card.Rarity = LoadWord(rarity);
    return card;
}

// One card of every type, every rarity and every faction, and one of no faction.
const CardCatalogue& SmallCatalogue() {
    static const CardCatalogue catalogue = [] {
        CardCatalogue c;
        const CardRecord cards[] = {
            Card(u"C001", kWordCastle, kWordCommon),   Card(u"D014", kWordHero, kWordRare),
            Card(u"E027", kWordCommander, kWordRare),  Card(u"G033", kWordTroop, kWordUncommon),
            Card(u"M045", kWordFollower, kWordCommon), Card(u"D020", kWordTactic, kWordCommon),
            Card(u"G041", kWordStratagem, 0),          Card(u"X900", kWordCastle, kWordRare),
        };
        for (const CardRecord& card : cards) {
            c.CardTable[c.CardCount++] = card;
        }
        return c;
    }();
    return catalogue;
}

auto Fields(const DeckTallies& t) {
    return std::tie(t.CastleCount, t.HeroCount, t.CommanderCount, t.TroopCount, t.FollowerCount,
                    t.TacticCount, t.StratagemCount, t.FactionCountC, t.FactionCountD,
                    t.FactionCountE, t.FactionCountG, t.FactionCountM, t.RareCount, t.UncommonCount,
                    t.CommonCount);
}

bool SameLines(const Deck& a, const Deck& b) {
    if (a.Total != b.Total || a.Lines.size() != b.Lines.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.Lines.size(); ++i) {
        if (a.Lines[i].Text != b.Lines[i].Text || a.Lines[i].Count != b.Lines[i].Count) {
            return false;
        }
    }
    return true;
}

// A deck with content in every part, to be replaced by a load.
Deck UsedDeck() {
    Deck deck;
    deck.DeckName = QStringLiteral("前のデッキ");
    deck.Lines = {{QStringLiteral("C001 錆鉄の番兵"), 4}, {QStringLiteral("Q999 x"), 3}};
    deck.Total = 7;
    return deck;
}

// What a text becomes once written in code page 932 and read again: bytes that were not
// valid code page 932 were read as U+FFFD and are written as "?".
QString Normalised(const QString& text) {
    return DecodeCp932(EncodeCp932(text));
}

void CheckEntries(const Deck& deck, const DeckTallies& tallies) {
    int sum = 0;
    DeckTallies recounted;
    for (const DeckLine& line : deck.Lines) {
        FUZZ_CHECK(line.Count >= 0 && line.Count <= 9);
        FUZZ_CHECK(line.Text.contains(u' '));
        FUZZ_CHECK(!line.Text.contains(QStringLiteral("  ")));
        FUZZ_CHECK(!line.Text.startsWith(u'-'));
        FUZZ_CHECK(!line.Text.contains(u'\r') && !line.Text.contains(u'\n'));
        FUZZ_CHECK(TallyCard(recounted, SmallCatalogue(), line.Text, line.Count));
        sum += line.Count;
    }
    FUZZ_CHECK(sum == deck.Total);
    FUZZ_CHECK(Fields(recounted) == Fields(tallies));
}

void CheckRoundTrip(const Deck& deck, const DeckTallies& tallies) {
    static const QString savedPath = FuzzFilePath(QStringLiteral("saved.dek"));
    FUZZ_CHECK(SaveDeckFile(savedPath, deck, tallies, DefaultFactionNames()));

    Deck expected = deck;
    expected.DeckName = Normalised(deck.DeckName);
    DeckTallies expectedTallies;
    for (DeckLine& line : expected.Lines) {
        line.Text = Normalised(line.Text);
        FUZZ_CHECK(TallyCard(expectedTallies, SmallCatalogue(), line.Text, line.Count));
    }

    Deck reread = UsedDeck();
    DeckTallies rereadTallies;
    FUZZ_CHECK(LoadDeckFile(savedPath, SmallCatalogue(), reread, rereadTallies));
    FUZZ_CHECK(reread.DeckName == expected.DeckName);
    FUZZ_CHECK(SameLines(reread, expected));
    FUZZ_CHECK(Fields(rereadTallies) == Fields(expectedTallies));
}

}  // namespace
}  // namespace kestrava::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace kestrava;
    using namespace kestrava::fuzz;
    static const QString path = FuzzFilePath(QStringLiteral("input.dek"));

    const QByteArray bytes = ExpandInput(data, size, kCopies, kMaxFileBytes);
    WriteFuzzFile(path, bytes);

    Deck deck;
    deck.DeckName = QStringLiteral("初期");
    DeckTallies tallies;
    FUZZ_CHECK(LoadDeckFile(path, SmallCatalogue(), deck, tallies));
    CheckEntries(deck, tallies);

    Deck replaced = UsedDeck();
    DeckTallies replacedTallies;
    FUZZ_CHECK(TallyCard(replacedTallies, SmallCatalogue(), replaced.Lines[0].Text, 4));
    FUZZ_CHECK(LoadDeckFile(path, SmallCatalogue(), replaced, replacedTallies));
    FUZZ_CHECK(SameLines(deck, replaced));
    FUZZ_CHECK(Fields(tallies) == Fields(replacedTallies));
    // Only an empty file keeps the name of the deck it replaces.
    FUZZ_CHECK((deck.DeckName == replaced.DeckName) == !bytes.isEmpty());

    CheckRoundTrip(deck, tallies);
    return 0;
}
