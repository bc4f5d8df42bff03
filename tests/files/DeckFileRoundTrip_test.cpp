// Saving then loading gives the deck back: name, lines, counts, total, and tallies rebuilt
// from the lines, for generated decks with lines up to 75 bytes.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <random>

#include "files/DeckFile.h"
#include "files/FilesTestData.h"
#include "platform/Cp932.h"

namespace kestrava {
namespace {

struct GeneratedCard {
    QString Line;
    int Faction;  // index into kFactionLetters, or -1
    int TypeWord;
    int RarityWord;
};

class Generator {
  public:
    explicit Generator(unsigned seed) : random_(seed) {}

    int Pick(int size) { return std::uniform_int_distribution<int>(0, size - 1)(random_); }

    // Name pieces of one, two or three bytes; a single blank is allowed between pieces.
    QString Name(int maxBytes) {
        static const QStringList pieces = {
            QStringLiteral("霧"),  QStringLiteral("の"), QStringLiteral("騎士"),
            QStringLiteral("ｶｹﾞ"), QStringLiteral("A"),  QStringLiteral("z"),
            QStringLiteral("7"),   QStringLiteral("×"),  QStringLiteral("－"),
            QStringLiteral("～"),  QStringLiteral("①"),  QStringLiteral("構"),
            QStringLiteral("表"),  QStringLiteral("ﾞ"),  QStringLiteral("-")};
        QString name = pieces[Pick(int(pieces.size()))];
        const int target = 1 + Pick(maxBytes);
        while (Cp932ByteLength(name) < target) {
            QString piece = pieces[Pick(int(pieces.size()))];
            if (Pick(6) == 0) {
                piece.prepend(u' ');
            }
            if (Cp932ByteLength(name + piece) > maxBytes) {
                break;
            }
            name += piece;
        }
        return name;
    }

    std::vector<GeneratedCard> Cards(int count) {
        static const char16_t letters[] = {u'C', u'D', u'E', u'G', u'M', u'X', u'g'};
        std::vector<GeneratedCard> cards;
        for (int i = 0; i < count; ++i) {
            const int letter = Pick(7);
            const QString code = QChar(letters[letter]) + QString::number(100 + i);
            // Up to 75 bytes in all: the code, a blank and the name.
            const int maxName = 75 - int(code.size()) - 1;
            cards.push_back({code + u' ' + Name(maxName), letter < 5 ? letter : -1,
                             kWordHero + Pick(8), kWordRare + Pick(4)});
        }
        return cards;
    }

  private:
    std::mt19937 random_;
};

// The tallies a deck should have, counted from scratch in the order of test::kTallyOrder:
// words 101..107 are hero..castle, then the five factions, then words 108..110.
DeckTallies Recount(const std::vector<GeneratedCard>& cards, const std::vector<int>& counts) {
    std::vector<int> values(15);
    for (size_t i = 0; i < cards.size(); ++i) {
        const GeneratedCard& card = cards[i];
        if (card.TypeWord <= kWordCastle) {
            values[card.TypeWord - kWordHero] += counts[i];
        }
        if (card.Faction >= 0) {
            values[7 + card.Faction] += counts[i];
        }
        if (card.RarityWord <= kWordCommon) {
            values[12 + card.RarityWord - kWordRare] += counts[i];
        }
    }
    return test::TalliesFromList(values);
}

TEST(DeckFileRoundTrip, GeneratedDecksComeBack) {
    const QStringList names = {QString(), QStringLiteral("Aggro v2"),
                               QStringLiteral("霧の騎士団・改"), QStringLiteral("-試作-"),
                               QStringLiteral("<混成> & ｶｹﾞ 72")};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("round.dek"));
    Generator generator(20240611);
    int longLines = 0;
    for (int round = 0; round < 150; ++round) {
        SCOPED_TRACE(round);
        const std::vector<GeneratedCard> all = generator.Cards(40);
        CardCatalogue catalogue;
        for (const GeneratedCard& card : all) {
            // Some cards are left out of the catalogue: kept in the deck, not tallied.
            if (generator.Pick(8) != 0) {
                const QString code = CodeOfLine(card.Line).toString();
                test::AddCard(catalogue, code, card.Line.mid(code.size() + 1),
                              LoadWord(card.TypeWord), LoadWord(card.RarityWord));
            }
        }
        std::vector<GeneratedCard> used;
        std::vector<int> counts;
        Deck deck;
        deck.DeckName = names[generator.Pick(int(names.size()))];
        for (const GeneratedCard& card : all) {
            if (generator.Pick(2) == 0) {
                continue;
            }
            const int count = 1 + generator.Pick(4);
            deck.Lines.push_back({card.Line, static_cast<qint16>(count)});
            deck.Total = static_cast<qint16>(deck.Total + count);
            longLines += Cp932ByteLength(card.Line) >= 70 ? 1 : 0;
            if (catalogue.FindCardByCode(CodeOfLine(card.Line))) {
                used.push_back(card);
                counts.push_back(count);
            }
        }
        ASSERT_TRUE(SaveDeckFile(path, deck, Recount(used, counts), catalogue.FactionNames));

        Deck loaded = test::MakeDeck(QStringLiteral("old"), {{QStringLiteral("C1 x"), 4}});
        DeckTallies tallies = test::MakeTallies({1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1});
        ASSERT_TRUE(LoadDeckFile(path, catalogue, loaded, tallies));
        test::ExpectSameDeck(loaded, deck);
        EXPECT_EQ(test::TallyList(tallies), test::TallyList(Recount(used, counts)));
        if (HasFailure()) {
            break;
        }
    }
    // The generator must actually reach the lines that need the wider padding.
    EXPECT_GT(longLines, 50);
}

}  // namespace
}  // namespace kestrava
