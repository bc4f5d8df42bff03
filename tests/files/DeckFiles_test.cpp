// Deck files, HTML pages and clipboard texts: the golden files written byte for byte (over a
// longer old file) and the deck files read back, the lines that end the reading, the columns.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>

#include "files/ClipboardText.h"
#include "files/DeckFile.h"
#include "files/DeckHtml.h"
#include "platform/Cp932.h"
#include "platform/TextFile.h"
#include "support/FailingDevice.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

// A deck from "text|count" entries; its total is their sum.
Deck DeckOf(const QString& name, const QStringList& entries) {
    Deck deck{name, {}, 0};
    for (const QString& entry : entries) {
        deck.Lines.push_back({entry.section('|', 0, 0), qint16(entry.section('|', 1).toInt())});
        deck.Total = qint16(deck.Total + deck.Lines.back().Count);
    }
    return deck;
}

// The name, the entries as "text|count", and the total.
QStringList Shown(const Deck& deck) {
    QStringList shown = {deck.DeckName};
    for (const DeckLine& line : deck.Lines) {
        shown << line.Text + "|" + QString::number(line.Count);
    }
    return shown << QString::number(deck.Total);
}

struct Golden {
    const char* File;  // *.htm is an HTML page, anything else a deck file
    Deck Value;
    // Field order: castle, hero .. stratagem, factions C D E G M, rare, uncommon, common.
    DeckTallies Tallies;
};

TEST(GoldenFiles, WrittenByteForByte) {
    const QString mist = QString("霧").repeated(32), cloud = QString("雲").repeated(33);
    const Golden goldens[] = {
        {"files_empty.dek", DeckOf("新しいデッキ", {}), {}},
        {"files_mixed.dek",
         DeckOf("混成テスト・デッキ",
                {"D014 灰冠の騎士|2", "C001 錆鉄の番兵|4", "G033 苔むす砦|3", "E027 風読みの弓手|1",
                 "M045 星屑の詠唱|4", "D020 黒檀の軍師|1", "G041 樹海の伏兵|2"}),
         {3, 2, 1, 4, 1, 2, 4, 4, 3, 1, 5, 4, 3, 5, 9}},
        // Lines of 68 to 72 bytes get at least two blanks; "é" has no code page 932 form.
        {"files_widths.dek",
         DeckOf("幅の確認",
                {"C100 " + QString("灯").repeated(31) + "A|1", "C101 " + mist + "|2",
                 "C102 " + mist + "a|3", "C103 " + cloud + "|4", "C104 " + cloud + "b|1",
                 "C105 ｶｽﾐﾉﾓﾘ|2", "C106 カスミノモリ|3", "C107 Café守衛|4"}),
         {0, 0, 0, 20, 0, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0}},
        {"files_empty.htm", {}, {}},
        // Deck lines M, C, M: the faction rows still come C first.
        {"files_two_factions.htm",
         DeckOf("二色テスト", {"M045 星屑の詠唱|2", "C001 錆鉄の番兵|3", "M046 月影の祈り|1"}),
         {0, 0, 0, 3, 0, 1, 2, 3, 0, 0, 0, 3, 0, 0, 0}},
        {"files_escaped.htm",
         DeckOf("<試作> & 改", {"E060 光<影>&闇|1", "E061 \"引用\" の札|2"}),
         {0, 0, 0, 0, 3, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0}},
    };
    QTemporaryDir dir;
    for (const Golden& golden : goldens) {
        const QString path = dir.filePath(golden.File);
        test::WriteBytes(path, QByteArray(5000, 'x'));  // must be replaced as a whole
        const bool html = path.endsWith(".htm");
        ASSERT_TRUE(html ? SaveDeckHtml(path, golden.Value, golden.Tallies, DefaultFactionNames())
                         : SaveDeckFile(path, golden.Value, golden.Tallies, DefaultFactionNames()));
        const QByteArray expected = test::ReadBytes(QString(KESTRAVA_TEST_DATA "/") + golden.File);
        // Compared as text so that a difference shows where it is.
        EXPECT_EQ(test::ReadBytes(path).toStdString(), expected.toStdString()) << golden.File;
    }
}

// The deck read from bytes over an older deck and its tallies, none of which may be left over.
Deck LoadedFromBytes(QByteArray bytes, const CardCatalogue& catalogue = {}) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    Deck deck = DeckOf("前", {"C001 前|4"});
    DeckTallies tallies{4, 4, 4, 4};
    EXPECT_TRUE(LoadDeckFile(buffer, catalogue, deck, tallies));
    EXPECT_EQ(tallies.CastleCount + tallies.TroopCount, 0) << "old tallies left over";
    return deck;
}

struct Entries {
    const char* What;
    QString File;  // written with CR LF; an entry as "text|count"
    QString Name;
    QStringList Kept;
};

TEST(LoadDeckFile, KeepsTheEntriesBeforeTheFirstLineThatIsNone) {
    // Three separators of the longest line and one that brings the file to the byte limit
    // before an entry of 9 bytes (line ends not counted, the name's 1 byte counted).
    const QString toLimit = "n\n" + (QString(kMaxLineBytes, '-') + "\n").repeated(3) +
                            QString(kMaxDeckFileBytes - 3 * kMaxLineBytes - 1 - 9, '-');
    const QString t1024 = "D " + QString(1022, 'b');
    const Entries cases[] = {
        {"empty file: the name stays", "", "前", {}},
        {"name taken as it is", "-C001 a  × 4\nC001 a  × 3\n", "-C001 a  × 4", {"C001 a|3"}},
        {"- skipped", "n\n-\nC001 a  × 3\n-C b  × 4\nD b  × 2\n", "n", {"C001 a|3", "D b|2"}},
        {"empty line", "n\nC001 a  × 3\n\nD b  × 2\n", "n", {"C001 a|3"}},
        {"one blank only", "n\nC001 a  × 3\nD b × 2\nD c  × 2\n", "n", {"C001 a|3"}},
        {"full-width blanks", "n\nC001 a　　× 3\n", "n", {}},
        {"count = last character", "n\nC001 a  b  × 0\nD c  × 19\n", "n", {"C001 a|0", "D c|9"}},
        {"full-width digit", "n\nC001 a  × ３\n", "n", {}},
        {"blank after the count", "n\nC001 a  × 3 \n", "n", {}},
        {"text without a blank", "n\nC001  × 3\n", "n", {}},
        {"total past 32767", "n\n" + QString("D b  × 9\n").repeated(3641) + "C001 a  × 1\n", "n",
         QStringList(3640, "D b|9")},
        {"lines of count 0 past the line limit", "n\n" + QString("D b  × 0\n").repeated(32768), "n",
         QStringList(kMaxDeckLines, "D b|0")},
        {"bytes up to the limit", toLimit + "\nD b  × 1\n", "n", {"D b|1"}},
        {"a byte past the limit", toLimit + "-\nD b  × 1\n", "n", {}},
        {"text of 1025", "n\n" + t1024 + "  × 1\n" + t1024 + "b  × 1\n", "n", {t1024 + "|1"}}};
    for (const Entries& entries : cases) {
        const QByteArray file = EncodeCp932(QString(entries.File).replace("\n", "\r\n"));
        EXPECT_EQ(Shown(LoadedFromBytes(file)), Shown(DeckOf(entries.Name, entries.Kept)))
            << entries.What;
    }
}

// Cards whose list lines the reader's two-blank rule cuts short (an empty name, one led or
// ended by a blank, two blanks in it), each after an ordinary card of its code that the
// cut-short text begins. The next two read back as the card whose whole line is their cut-short
// text: the file cannot tell them apart. The last three cut short to one text: the first in the
// file is taken, whatever their order by name.
CardCatalogue OddNames(bool withShadowedCards = true) {
    const QStringList cards = {"G001|x",      "G001|",       "G002|leader",    "G002| lead",
                               "G003|trails", "G003|trail ", "G004|two blank", "G004|two  blanks",
                               "G005|a",      "G006|plain",  "G005|a  b",      "G006|plain  too",
                               "G007|one  m", "G007|one  z", "G007|one  a"};
    return test::CatalogueOf(withShadowedCards ? cards : cards.mid(0, 10));
}

struct CutShort {
    const char* What;
    QString Entry;  // the entry line's text before "× 1"
    QStringList Kept;
};

TEST(LoadDeckFile, EntryCutShortBecomesItsCardsWholeLine) {
    const CardCatalogue catalogue = OddNames();
    const CutShort cases[] = {
        {"a whole line stays itself", "G005 a  ", {"G005 a|1", "M900 end|1"}},
        {"two cut short alike: the first", "G007 one  ", {"G007 one  m|1", "M900 end|1"}},
        {"a code alone is no named card", "G006  ", {}},
        {"text of no card with a blank", "G005 b  ", {"G005 b|1", "M900 end|1"}},
        {"empty text", "    ", {}}};
    for (const CutShort& cut : cases) {
        const QString file = "n\r\n" + cut.Entry + "× 1\r\nM900 end  × 1\r\n";
        EXPECT_EQ(Shown(LoadedFromBytes(EncodeCp932(file), catalogue)),
                  Shown(DeckOf("n", cut.Kept)))
            << cut.What;
    }
}

// A deck of the odd cards, each cut short on saving and read back as itself, and of long
// Japanese ones, their names led or split by blanks and 64 to 75 bytes long in all, around the
// width where the padding turns to two blanks. A
// line break in the deck's name would end the name line early and the reading at its second
// half: the name is saved as one line.
TEST(LoadDeckFile, EverySavedDeckReadsBack) {
    CardCatalogue catalogue = OddNames(false);
    for (const char* name :
         {"", " ", "  x", "x  ", "a b  c", "霧の  森", "　全角", "ｶﾀｶﾅ ", "末尾 "}) {
        for (int width = 29; width < 35; ++width) {
            for (const char* end : {"", "a"}) {
                CardRecord record;
                record.Code = QString("E%1").arg(100 + catalogue.CardCount());
                record.Name = name + QString("霧").repeated(width) + end;
                catalogue.AddCard(record);
            }
        }
    }
    QStringList entries;
    for (int card = 0; card < catalogue.CardCount(); ++card) {
        entries << catalogue.CardListLine(card) + "|" + QString::number(1 + card % 4);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(SaveDeckFile(buffer, DeckOf("デ\rッ\nキ", entries), {}, DefaultFactionNames()));
    EXPECT_EQ(Shown(LoadedFromBytes(bytes, catalogue)), Shown(DeckOf("デ ッ キ", entries)));
}

// A read that fails is no end of the file: the deck, its name and its tallies stay, also after
// thousands of entries were read. Where a read may fail is the line reader's.
TEST(LoadDeckFile, ReadErrorChangesNothing) {
    const QByteArray file = EncodeCp932(QString("n\r\n") + QString("D b  × 1\r\n").repeated(9000));
    test::FailingDevice device(file, 70000);
    Deck deck = DeckOf("前", {"C001 前|4"});
    DeckTallies tallies{4, 4};
    EXPECT_FALSE(LoadDeckFile(device, CardCatalogue(), deck, tallies));
    EXPECT_EQ(Shown(deck), Shown(DeckOf("前", {"C001 前|4"})));
    EXPECT_EQ(tallies.CastleCount + tallies.HeroCount, 8);
}

// The clipboard keeps the deck file's columns but not its two-blank minimum.
TEST(DeckClipboardText, LineReachingTheCountColumnGetsNoBlank) {
    const QString bytes71 = "C110 " + QString("雲").repeated(33);
    EXPECT_EQ(DeckClipboardText(DeckOf("n", {bytes71 + "|2"})).split("\r\n")[0], bytes71 + "× 2");
}

}  // namespace
}  // namespace kestrava
