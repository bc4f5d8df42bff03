// Deck codes: every deck reads back as written, and a damaged code is refused, never read as
// another deck.
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "files/DeckCode.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

// What a deck name can hold: any character code page 932 writes but a line end.
const QString kNameCharacters =
    u"碧旗の槍騎兵ｶﾞｰﾃﾞｨｱﾝ ＡＢＣ abc 123 ～〜・、。「」【】!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~¥KDC1."_s;

Deck RandomDeck(QRandomGenerator& random) {
    Deck deck;
    for (int i = int(random.bounded(40)); i > 0; --i) {
        deck.DeckName += kNameCharacters[random.bounded(int(kNameCharacters.size()))];
    }
    for (int i = int(random.bounded(61)); i > 0; --i) {
        const QString code =
            u"%1-%2"_s.arg(QChar(u'A' + random.bounded(26))).arg(random.bounded(1000));
        deck.Lines.push_back({code + u' ' + deck.DeckName, qint16(1 + random.bounded(4))});
        deck.Total = qint16(deck.Total + deck.Lines.back().Count);
    }
    return deck;
}

TEST(DeckCode, EveryDeckReadsBackAsWritten) {
    QRandomGenerator random(20261207);
    for (int round = 0; round < 200; ++round) {
        const Deck deck = RandomDeck(random);
        const QString code = WriteDeckCode(deck);
        ASSERT_EQ(WriteDeckCode(deck), code);
        DeckCodeContent content;
        QString reason;
        ASSERT_EQ(ReadDeckCode(u"デッキコード："_s + code + u" です"_s, content, reason),
                  DeckCodeReading::Read)
            << code.toStdString();
        EXPECT_EQ(content.DeckName, deck.DeckName);
        ASSERT_EQ(content.Entries.size(), deck.Lines.size());
        for (std::size_t i = 0; i < deck.Lines.size(); ++i) {
            EXPECT_EQ(content.Entries[i].Code, deck.Lines[i].Text.section(u' ', 0, 0));
            EXPECT_EQ(content.Entries[i].Count, deck.Lines[i].Count);
        }
    }
}

TEST(DeckCode, WrittenAsDocumented) {
    EXPECT_EQ(WriteDeckCode({u"速攻"_s, {{u"G-001 森の城"_s, 3}, {u"E-030 剣"_s, 1}}, 4}),
              u"KDC1.BumAn-aUuwIrRy0wMDEpRS0wMzBHoACR"_s);
}

TEST(DeckCode, FortyCardsInFifteenLinesFitAQrCodeLine) {
    Deck deck{u"ガイアの森 速攻型"_s, {}, 0};
    for (int i = 0; i < 15; ++i) {
        deck.Lines.push_back({u"G-%1 森羅の義勇兵"_s.arg(i + 100), qint16(i < 10 ? 3 : 2)});
        deck.Total = qint16(deck.Total + deck.Lines.back().Count);
    }
    EXPECT_EQ(deck.Total, 40);
    EXPECT_LE(WriteDeckCode(deck).size(), 200);
}

struct DamagedCode {
    const char* Damage;
    QString Text;
    DeckCodeReading Reading;
};

TEST(DeckCode, DamagedCodeIsRefusedWithItsReason) {
    const QString code =
        WriteDeckCode({u"速攻"_s, {{u"G-001 森の城"_s, 3}, {u"E-030 剣"_s, 1}}, 4});
    QString mistyped = code;
    mistyped[10] = mistyped[10] == u'A' ? u'B' : u'A';
    const DamagedCode cases[] = {
        {"no code", u"G-001 森の城 ×3"_s, DeckCodeReading::NotACode},
        {"one character mistyped", mistyped, DeckCodeReading::Refused},
        {"cut by one", code.chopped(1), DeckCodeReading::Refused},
        {"cut to the checksum", code.left(9), DeckCodeReading::Refused},
        {"only the start", u"KDC1."_s, DeckCodeReading::Refused},
        {"a later version", u"KDC2."_s + code.sliced(5), DeckCodeReading::Refused},
        {"a checksum over nothing", u"KDC1.AAAAAAAA"_s, DeckCodeReading::Refused},
    };
    for (const DamagedCode& c : cases) {
        DeckCodeContent content;
        QString reason;
        EXPECT_EQ(ReadDeckCode(c.Text, content, reason), c.Reading) << c.Damage;
        EXPECT_EQ(reason.isEmpty(), c.Reading != DeckCodeReading::Refused) << c.Damage;
    }
}

}  // namespace
}  // namespace kestrava
