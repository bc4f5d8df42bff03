// Deck files as disks and users hand them over: ten thousand lines, counts that would overflow
// the 16-bit total, binary noise, NUL bytes, megabyte lines, cut-off Shift-JIS characters and
// line ends split between two reads. The reader must keep exactly the entries before the line
// that stops it, and what it keeps must always add up.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <utility>
#include <vector>

#include "catalogue/StringTable.h"
#include "files/DeckFile.h"
#include "platform/Cp932.h"
#include "robustness/NoiseBytes.h"
#include "robustness/ScopedFileLimits.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

constexpr qsizetype kMegabyte = 1024 * 1024;
// The line reader's unit of reading: line ends placed around it must not split or double.
constexpr qsizetype kReadChunk = 64 * 1024;

// G-1 is a common troop, C-1 a rare hero; every other code is unknown.
CardCatalogue Cards() {
    CardCatalogue catalogue;
    const struct {
        const char* Code;
        int Type;
        int Rarity;
    } cards[] = {{"G-1", kWordTroop, kWordCommon}, {"C-1", kWordHero, kWordRare}};
    for (const auto& card : cards) {
        CardRecord& record = catalogue.CardTable[catalogue.CardCount++];
        record.Code = QString::fromLatin1(card.Code);
        record.Faction = FactionOfCode(record.Code, catalogue.FactionNames);
        record.CardType = LoadWord(card.Type);
        record.Rarity = LoadWord(card.Rarity);
    }
    return catalogue;
}

QByteArray Entry(const QString& text, int count) {
    return EncodeCp932(text + QStringLiteral("  × ") + QString::number(count));
}

QByteArray Lines(const QList<QByteArray>& lines, const char* end = "\r\n") {
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line + end;
    }
    return bytes;
}

// Numbered texts of one card, so that where the reading stopped can be seen.
QString NumberedText(const QString& code, int index) {
    return code + QStringLiteral(" 緑の札") + QString::number(index);
}

// A deck and tallies that a load must replace, or keep when it cannot open the file.
Deck PreviousDeck() {
    return {QStringLiteral("前のデッキ"), {{QStringLiteral("C-1 前の札"), 3}}, 3};
}

struct Loaded {
    bool Opened = false;
    Deck Value = PreviousDeck();
    DeckTallies Tallies;
};

// Everything a load keeps can be written again and read back the same: texts with a blank and
// without two in a row, single-digit counts, and a total that is their sum.
void ExpectConsistent(const Deck& deck) {
    int sum = 0;
    for (const DeckLine& line : deck.Lines) {
        EXPECT_TRUE(line.Text.contains(u' ')) << line.Text.toStdString();
        EXPECT_FALSE(line.Text.contains(QStringLiteral("  "))) << line.Text.toStdString();
        EXPECT_FALSE(line.Text.startsWith(u'-')) << line.Text.toStdString();
        EXPECT_GE(line.Count, 0);
        EXPECT_LE(line.Count, 9);
        sum += line.Count;
    }
    EXPECT_EQ(deck.Total, sum);
}

class DeckFileInput : public ::testing::Test {
  protected:
    QString Write(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("deck%1.dek").arg(files_++));
        test::WriteBytes(path, bytes);
        return path;
    }
    Loaded LoadPath(const QString& path) {
        Loaded result;
        result.Tallies.HeroCount = 3;
        result.Opened = LoadDeckFile(path, catalogue_, result.Value, result.Tallies);
        if (result.Opened) {
            ExpectConsistent(result.Value);
        }
        return result;
    }
    Loaded Load(const QByteArray& bytes) { return LoadPath(Write(bytes)); }

    QTemporaryDir dir_;
    int files_ = 0;
    const CardCatalogue catalogue_ = Cards();
};

TEST_F(DeckFileInput, LongDecksStopAtTheLineThatWouldOverflowTheTotal) {
    // Runs of entries: (count, how many lines).
    using Runs = std::vector<std::pair<int, int>>;
    const struct {
        const char* Name;
        QString Code;
        Runs Counts;
        int Kept;
        qint16 Total;
    } cases[] = {
        // 8191 x 4 = 32764; the 8192nd line would make 32768.
        {"10 000 x 4 of a known card", "G-1", {{4, 10000}}, 8191, 32764},
        {"10 000 x 4 of an unknown card", "Z-9", {{4, 10000}}, 8191, 32764},
        {"10 000 x 3 fit", "G-1", {{3, 10000}}, 10000, 30000},
        {"10 000 x 1 fit", "G-1", {{1, 10000}}, 10000, 10000},
        {"10 000 x 0 fit", "G-1", {{0, 10000}}, 10000, 0},
        {"exactly 32767, then nothing more", "G-1", {{9, 3640}, {7, 1}, {1, 5}}, 3641, 32767},
        {"a 0 still fits at the limit", "G-1", {{9, 3640}, {7, 1}, {0, 2}, {1, 1}}, 3643, 32767},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QList<QByteArray> lines = {"Big"};
        for (const auto& [count, repeat] : c.Counts) {
            for (int i = 0; i < repeat; ++i) {
                lines << Entry(NumberedText(c.Code, int(lines.size()) - 1), count);
            }
        }
        const Loaded result = Load(Lines(lines));
        ASSERT_TRUE(result.Opened);
        ASSERT_EQ(int(result.Value.Lines.size()), c.Kept);
        EXPECT_EQ(result.Value.Total, c.Total);
        EXPECT_EQ(result.Value.Lines.back().Text, NumberedText(c.Code, c.Kept - 1));
        // Tallies move only with the entries kept; the old ones are gone.
        const qint16 tallied = c.Code == "G-1" ? c.Total : 0;
        EXPECT_EQ(result.Tallies.FactionCountG, tallied);
        EXPECT_EQ(result.Tallies.TroopCount, tallied);
        EXPECT_EQ(result.Tallies.CommonCount, tallied);
        EXPECT_EQ(result.Tallies.HeroCount, 0);
    }
}

TEST_F(DeckFileInput, BinaryNoiseKeepsTheEntriesBeforeIt) {
    const QList<QByteArray> usable = {"Noise", Entry("G-1 a", 4), Entry("C-1 b", 2)};
    const struct {
        unsigned Seed;
        qsizetype Size;
    } noises[] = {{11, 1}, {12, 64}, {13, 4096}, {14, kReadChunk + 1}, {15, kMegabyte}};
    for (const auto& noise : noises) {
        SCOPED_TRACE(::testing::Message()
                     << "seed " << noise.Seed << ", " << noise.Size << " bytes");
        const QByteArray bytes = test::NoiseBytes(noise.Seed, noise.Size);
        // Alone (the noise's first line is the name) and after two good entries.
        ASSERT_TRUE(Load(bytes).Opened);
        const Loaded after = Load(Lines(usable) + bytes);
        ASSERT_TRUE(after.Opened);
        ASSERT_GE(after.Value.Lines.size(), 2u);
        EXPECT_EQ(after.Value.DeckName, QStringLiteral("Noise"));
        EXPECT_EQ(after.Value.Lines[0].Text, QStringLiteral("G-1 a"));
        EXPECT_EQ(after.Value.Lines[1].Text, QStringLiteral("C-1 b"));
        EXPECT_EQ(after.Tallies.FactionCountG, 4);
        EXPECT_EQ(after.Tallies.HeroCount, 2);
    }
}

TEST_F(DeckFileInput, OddBytesInALine) {
    const QString nul(QChar(0));
    const QString replacement(QChar(0xFFFD));
    const QByteArray before = Entry("G-1 a", 1);
    const QByteArray after = Entry("C-1 b", 2);
    const struct {
        const char* Name;
        QByteArray FirstLine;
        QByteArray Line;  // between before and after
        QString DeckName;
        std::vector<DeckLine> Lines;  // kept
    } cases[] = {
        {"NUL in the name",
         EncodeCp932("a" + nul + "b"),
         Entry("G-1 c", 3),
         "a" + nul + "b",
         {{"G-1 a", 1}, {"G-1 c", 3}, {"C-1 b", 2}}},
        {"NUL in an entry's text",
         "n",
         Entry("G-1 c" + nul, 3),
         "n",
         {{"G-1 a", 1}, {"G-1 c" + nul, 3}, {"C-1 b", 2}}},
        {"NUL as the count", "n", EncodeCp932("G-1 c  × " + nul), "n", {{"G-1 a", 1}}},
        {"a line of NUL bytes", "n", QByteArray(300, '\0'), "n", {{"G-1 a", 1}}},
        {"1 MB name",
         QByteArray(kMegabyte, 'N'),
         Entry("G-1 c", 3),
         QString(kMegabyte, u'N'),
         {{"G-1 a", 1}, {"G-1 c", 3}, {"C-1 b", 2}}},
        {"1 MB entry text",
         "n",
         Entry("G-1 " + QString(kMegabyte, u'x'), 3),
         "n",
         {{"G-1 a", 1}, {"G-1 " + QString(kMegabyte, u'x'), 3}, {"C-1 b", 2}}},
        {"1 MB of blanks", "n", QByteArray(kMegabyte, ' '), "n", {{"G-1 a", 1}}},
        {"1 MB without two blanks",
         "n",
         QByteArray("G-1 ") + QByteArray(kMegabyte, 'x') + "9",
         "n",
         {{"G-1 a", 1}}},
        {"lead byte before the two blanks",
         "n",
         "G-1 c\x82  \x81\x7e 3",
         "n",
         {{"G-1 a", 1}, {"G-1 c" + replacement, 3}, {"C-1 b", 2}}},
        {"lead byte before the count",
         "n",
         "G-1 c  \x81\x7e \x82"
         "3",
         "n",
         {{"G-1 a", 1}, {"G-1 c", 3}, {"C-1 b", 2}}},
        {"lead byte at the line's end", "n", Entry("G-1 c", 3) + '\x82', "n", {{"G-1 a", 1}}},
        {"lead byte ending the name",
         "n\x82",
         Entry("G-1 c", 3),
         "n" + replacement,
         {{"G-1 a", 1}, {"G-1 c", 3}, {"C-1 b", 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const Loaded result = Load(Lines({c.FirstLine, before, c.Line, after}));
        ASSERT_TRUE(result.Opened);
        EXPECT_EQ(result.Value.DeckName, c.DeckName);
        ASSERT_EQ(result.Value.Lines.size(), c.Lines.size());
        for (size_t i = 0; i < c.Lines.size(); ++i) {
            EXPECT_EQ(result.Value.Lines[i].Text, c.Lines[i].Text) << i;
            EXPECT_EQ(result.Value.Lines[i].Count, c.Lines[i].Count) << i;
        }
    }
}

TEST_F(DeckFileInput, LineEndsAtTheEdgeOfARead) {
    const Deck expected = {QString(), {{"G-1 a", 4}, {"C-1 b", 2}}, 6};
    for (const char* end : {"\r\n", "\r", "\n"}) {
        // The name's line end starts just before, on and just after the edge of the first read.
        for (qsizetype nameSize : {kReadChunk - 2, kReadChunk - 1, kReadChunk, kReadChunk + 1}) {
            SCOPED_TRACE(::testing::Message() << QByteArray(end).toHex().constData() << " after "
                                              << nameSize << " bytes");
            const QByteArray name(nameSize, 'n');
            const Loaded result = Load(Lines({name, Entry("G-1 a", 4), Entry("C-1 b", 2)}, end));
            ASSERT_TRUE(result.Opened);
            EXPECT_EQ(result.Value.DeckName.size(), nameSize);
            ASSERT_EQ(result.Value.Lines.size(), 2u);
            EXPECT_EQ(result.Value.Lines[1].Text, QStringLiteral("C-1 b"));
            EXPECT_EQ(result.Value.Total, expected.Total);
        }
    }
}

TEST_F(DeckFileInput, CrOnlyFileOfTenThousandLines) {
    QList<QByteArray> lines = {"CR"};
    for (int i = 0; i < 10000; ++i) {
        lines << Entry(NumberedText("C-1", i), 1);
    }
    const Loaded result = Load(Lines(lines, "\r"));
    ASSERT_TRUE(result.Opened);
    EXPECT_EQ(result.Value.DeckName, QStringLiteral("CR"));
    ASSERT_EQ(result.Value.Lines.size(), 10000u);
    EXPECT_EQ(result.Value.Lines[9999].Text, NumberedText("C-1", 9999));
    EXPECT_EQ(result.Value.Total, 10000);
    EXPECT_EQ(result.Tallies.HeroCount, 10000);
    EXPECT_EQ(result.Tallies.RareCount, 10000);
}

TEST_F(DeckFileInput, PathsThatAreNoReadableFileChangeNothing) {
    const QString folder = dir_.filePath(QStringLiteral("folder.dek"));
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.dek")));
    const QString locked = Write(Lines({"locked", Entry("G-1 a", 4)}));
    const test::ScopedPermissions noAccess(locked, {});
    const QString dangling = dir_.filePath(QStringLiteral("dangling.dek"));
    ASSERT_TRUE(QFile::link(dir_.filePath(QStringLiteral("gone.dek")), dangling));
    const struct {
        const char* Name;
        QString Path;
        bool NeedsPermissions;
    } cases[] = {
        {"folder", folder, false},
        {"file without read permission", locked, true},
        {"missing file", dir_.filePath(QStringLiteral("missing.dek")), false},
        {"empty path", QString(), false},
        {"dangling link", dangling, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        if (c.NeedsPermissions && !test::PermissionsBind()) {
            continue;  // permissions do not bind the superuser
        }
        const Loaded result = LoadPath(c.Path);
        EXPECT_FALSE(result.Opened);
        EXPECT_EQ(result.Value.DeckName, PreviousDeck().DeckName);
        ASSERT_EQ(result.Value.Lines.size(), 1u);
        EXPECT_EQ(result.Value.Lines[0].Text, PreviousDeck().Lines[0].Text);
        EXPECT_EQ(result.Value.Total, 3);
        EXPECT_EQ(result.Tallies.HeroCount, 3);
    }
}

}  // namespace
}  // namespace kestrava
