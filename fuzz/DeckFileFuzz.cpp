// fuzz_deck_file: arbitrary bytes as a deck file. Reading must give a consistent deck that
// does not depend on the deck it replaces, a read error must leave the deck as it was, and
// saving the deck read must read back the same. The same bytes also build a deck of catalogue
// cards that must read back exactly as it was saved.
#include <fuzzer/FuzzedDataProvider.h>

#include <QBuffer>

#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "ReferenceLines.h"
#include "catalogue/StringTable.h"
#include "files/DeckFile.h"
#include "platform/Cp932.h"
#include "platform/TextFile.h"

namespace kestrava::fuzz {
namespace {

// Enough repetitions of a short entry to run into the 16-bit total.
constexpr int kCopies = 4000;
constexpr qsizetype kMaxFileBytes = 48 * 1024;
static_assert(kMaxFileBytes < kMaxLineBytes);

CardRecord Card(const char16_t* code, const QString& name, int type, int rarity) {
    CardRecord card;
    card.Code = QString::fromUtf16(code);
    card.Name = name;
    card.Faction = FactionOfCode(card.Code, DefaultFactionNames());
    card.CardType = LoadWord(type);
    card.Rarity = LoadWord(rarity);
    return card;
}

// start, then wide characters and, for an odd remainder, one narrow one, up to a list line of
// lineBytes bytes after the code and its blank.
QString LongName(const QString& start, int lineBytes) {
    QString name = start;
    int room = lineBytes - 5 - Cp932ByteLength(name);
    for (; room >= 2; room -= 2) {
        name.append(u'兵');
    }
    if (room == 1) {
        name.append(u'x');
    }
    return name;
}

// One card of every type, every rarity and every faction, and one of no faction; names that
// the deck file cuts short (empty, led or ended by a blank, holding two blanks) and list lines
// of 69 to 75 bytes, around the column of the count mark, some after ordinary cards of their
// code that their cut text begins. No line is another card's line followed by blanks (the file
// cannot tell those two apart): then every deck of these cards reads back as it was saved.
const CardCatalogue& SmallCatalogue() {
    static const CardCatalogue catalogue = [] {
        CardCatalogue c;
        const CardRecord cards[] = {
            Card(u"C001", QString(), kWordCastle, kWordCommon),
            Card(u"D014", QStringLiteral("錆鉄の番兵"), kWordHero, kWordRare),
            Card(u"D014", QStringLiteral(" 先頭に空白"), kWordHero, kWordRare),
            Card(u"D014", QStringLiteral("錆鉄の番兵 改"), kWordHero, kWordUncommon),
            Card(u"E027", QStringLiteral("末尾に空白が"), kWordCommander, kWordCommon),
            Card(u"E027", QStringLiteral("二つの  空白"), kWordCommander, kWordRare),
            Card(u"E027", QStringLiteral("末尾に空白 "), kWordCommander, kWordCommon),
            Card(u"G033", LongName(QStringLiteral("Long troop "), 69), kWordTroop, kWordUncommon),
            Card(u"G033", LongName(QStringLiteral("長い兵 "), 70), kWordTroop, kWordUncommon),
            Card(u"G033", LongName(QStringLiteral("Wide "), 71), kWordTroop, kWordRare),
            Card(u"G033", LongName(QStringLiteral("x"), 72), kWordTroop, kWordCommon),
            Card(u"G033", LongName(QStringLiteral("Cut  short"), 75), kWordTroop, kWordCommon),
            Card(u"M045", LongName(QStringLiteral("Ends blank"), 73) + u' ', kWordFollower,
                 kWordCommon),
            Card(u"M045", QStringLiteral("Follower with blanks"), kWordFollower, kWordCommon),
            Card(u"D020", QStringLiteral("奇襲"), kWordTactic, kWordCommon),
            Card(u"G041", QStringLiteral("離間の計"), kWordStratagem, 0),
            Card(u"X900", QStringLiteral("無所属の城"), kWordCastle, kWordRare),
        };
        for (const CardRecord& card : cards) {
            c.AddCard(card);
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

void CheckSameDeck(const Deck& a, const DeckTallies& aTallies, const Deck& b,
                   const DeckTallies& bTallies) {
    FUZZ_CHECK(a.DeckName == b.DeckName);
    FUZZ_CHECK(SameLines(a, b));
    FUZZ_CHECK(Fields(aTallies) == Fields(bTallies));
}

// A deck with content in every part, to be replaced by a load.
Deck UsedDeck() {
    Deck deck;
    deck.DeckName = QStringLiteral("前のデッキ");
    deck.Lines = {{QStringLiteral("D014 錆鉄の番兵"), 4}, {QStringLiteral("Q999 x"), 3}};
    deck.Total = 7;
    return deck;
}

DeckTallies UsedTallies() {
    DeckTallies tallies;
    FUZZ_CHECK(TallyCard(tallies, SmallCatalogue(), UsedDeck().Lines[0].Text, 4));
    return tallies;
}

bool Load(QByteArray& bytes, Deck& deck, DeckTallies& tallies) {
    QBuffer buffer(&bytes);
    FUZZ_CHECK(buffer.open(QIODevice::ReadOnly));
    return LoadDeckFile(buffer, SmallCatalogue(), deck, tallies);
}

constexpr char16_t kReplacement = 0xFFFD;

// What a text becomes once written in code page 932 and read again.
QString Normalised(const QString& text) {
    return DecodeCp932(EncodeCp932(text));
}

void CheckEntries(const Deck& deck, const DeckTallies& tallies) {
    int sum = 0;
    DeckTallies recounted;
    for (const DeckLine& line : deck.Lines) {
        FUZZ_CHECK(line.Count >= 0 && line.Count <= 9);
        FUZZ_CHECK(line.Text.contains(u' '));
        FUZZ_CHECK(!line.Text.startsWith(u'-'));
        FUZZ_CHECK(!line.Text.contains(u'\r') && !line.Text.contains(u'\n'));
        // Two blanks end an entry's text unless it became a card's whole list line.
        const int card = SmallCatalogue().FindCardIndexByCode(CodeOfLine(line.Text));
        if (line.Text.contains(QStringLiteral("  ")) || line.Text.endsWith(u' ')) {
            FUZZ_CHECK(card >= 0);
        }
        FUZZ_CHECK(TallyCard(recounted, SmallCatalogue(), line.Text, line.Count));
        sum += line.Count;
    }
    FUZZ_CHECK(sum == deck.Total);
    FUZZ_CHECK(Fields(recounted) == Fields(tallies));
}

// The deck read, or a deck the program can build: a name chosen by the input or the one
// read, and after the lines read catalogue cards with counts 0 to 9 chosen by the input (read
// from its end) as long as the total stays in range.
Deck DeckToSave(const Deck& read, const uint8_t* data, std::size_t size) {
    static const std::array<QString, 7> names = {
        QString(),
        QStringLiteral("初期デッキ"),
        QStringLiteral("  blanks  around  "),
        QStringLiteral("-dash first"),
        QStringLiteral("改行\r\nを含む\r名前\n"),
        QStringLiteral("        Total 5"),
        QStringLiteral("絵文字😀"),
    };
    FuzzedDataProvider input(data, size);
    Deck deck = read;
    const auto name = input.ConsumeIntegralInRange<std::size_t>(0, names.size());
    if (name < names.size()) {
        deck.DeckName = names[name];
    }
    const CardCatalogue& catalogue = SmallCatalogue();
    const int lineCount = input.ConsumeIntegralInRange(0, 40);
    for (int i = 0; i < lineCount; ++i) {
        const int card = input.ConsumeIntegralInRange(0, catalogue.CardCount() - 1);
        const auto count = input.ConsumeIntegralInRange<qint16>(0, 9);
        if (deck.Total > 32767 - count) {
            break;
        }
        deck.Lines.push_back({catalogue.CardListLine(card), count});
        deck.Total = qint16(deck.Total + count);
    }
    return deck;
}

// Saving deck and reading the file back gives the deck, its name on one line and its texts
// as code page 932 keeps them: texts read from a file lose only what was read as U+FFFD,
// which is written as "?", and the catalogue's texts lose nothing.
void CheckRoundTrip(const Deck& deck) {
    Deck expected = deck;
    expected.DeckName = Normalised(deck.DeckName);
    expected.DeckName.replace(u'\r', u' ').replace(u'\n', u' ');
    DeckTallies tallies;
    for (DeckLine& line : expected.Lines) {
        line.Text.replace(QChar(kReplacement), u'?');
        FUZZ_CHECK(TallyCard(tallies, SmallCatalogue(), line.Text, line.Count));
    }

    QByteArray saved;
    {
        QBuffer buffer(&saved);
        FUZZ_CHECK(buffer.open(QIODevice::WriteOnly));
        FUZZ_CHECK(SaveDeckFile(buffer, deck, tallies, DefaultFactionNames()));
    }
    Deck reread = UsedDeck();
    DeckTallies rereadTallies = UsedTallies();
    FUZZ_CHECK(Load(saved, reread, rereadTallies));
    CheckSameDeck(reread, rereadTallies, expected, tallies);
}

}  // namespace
}  // namespace kestrava::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace kestrava;
    using namespace kestrava::fuzz;

    QByteArray bytes = ExpandInput(data, size, kCopies, kMaxFileBytes);
    Deck deck = UsedDeck();
    DeckTallies tallies = UsedTallies();
    FUZZ_CHECK(Load(bytes, deck, tallies));
    CheckEntries(deck, tallies);

    // A second read into an empty deck, from a device that fails part way when the last byte
    // is 128 or more. A read error either comes after the line that ended the reading or
    // changes nothing, and it always changes nothing before the end of the name line.
    // Otherwise the deck replaced has no influence, and only an empty file keeps its name.
    Deck other;
    other.DeckName = QStringLiteral("初期");
    DeckTallies otherTallies;
    const int choice = size == 0 ? 0 : data[size - 1];
    const qsizetype failAfter =
        choice < 128 ? bytes.size() + 1 : (choice - 128) * bytes.size() / 127;
    FailingDevice device(bytes, failAfter);
    if (LoadDeckFile(device, SmallCatalogue(), other, otherTallies)) {
        FUZZ_CHECK(failAfter > bytes.size() ||
                   !WholeLinesBefore(QByteArrayView(bytes).first(failAfter)).Lines.empty());
        FUZZ_CHECK(SameLines(deck, other));
        FUZZ_CHECK(Fields(tallies) == Fields(otherTallies));
        FUZZ_CHECK((deck.DeckName == other.DeckName) == !bytes.isEmpty());
    } else {
        FUZZ_CHECK(failAfter <= bytes.size());
        FUZZ_CHECK(other.DeckName == QStringLiteral("初期") && other.Lines.empty());
        FUZZ_CHECK(other.Total == 0 && Fields(otherTallies) == Fields(DeckTallies()));
    }

    CheckRoundTrip(DeckToSave(deck, data, size));
    return 0;
}
