// Deck file writing: byte-exact golden files, a shorter file replacing a longer one, counts
// and tallies written as they are.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "files/DeckFile.h"
#include "files/FilesTestData.h"

namespace kestrava {
namespace {

using test::ExpectGolden;

TEST(SaveDeckFile, WritesGoldenFiles) {
    QTemporaryDir dir;
    for (const test::GoldenCase& golden : test::GoldenDeckFiles()) {
        const QString path = dir.filePath(QString::fromUtf8(golden.File));
        ASSERT_TRUE(SaveDeckFile(path, golden.Value, golden.Tallies, DefaultFactionNames()));
        ExpectGolden(golden, path);
    }
}

TEST(SaveDeckFile, ReplacesTheWholeOfALongerFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.dek"));
    test::WriteBytes(path, QByteArray(5000, 'x'));
    const test::GoldenCase golden = test::GoldenDeckFiles().front();
    ASSERT_TRUE(SaveDeckFile(path, golden.Value, golden.Tallies, DefaultFactionNames()));
    ExpectGolden(golden, path);
}

TEST(DeckFileLines, WritesCountsAndTalliesAsTheyAre) {
    // A loaded file may hold counts outside 1..4; tallies are written as their labels read,
    // so a negative faction tally still has its line.
    Deck deck = test::MakeDeck(QStringLiteral("n"),
                               {{QStringLiteral("C001 a"), 0}, {QStringLiteral("C002 b"), 12}});
    deck.Total = -3;
    DeckTallies tallies;
    tallies.FactionCountD = -2;
    tallies.CastleCount = 31000;
    const QStringList lines = DeckFileLines(deck, tallies, DefaultFactionNames());
    const QString pad(65, u' ');
    EXPECT_EQ(lines[2], QStringLiteral("C001 a") + pad + QStringLiteral("× 0"));
    EXPECT_EQ(lines[3], QStringLiteral("C002 b") + pad + QStringLiteral("× 12"));
    EXPECT_EQ(lines[5], QString(68, u' ') + QStringLiteral("Total -3"));
    EXPECT_EQ(lines[8], QStringLiteral("デ・バース帝国-2枚"));
    EXPECT_EQ(lines[9], QString());
    EXPECT_EQ(lines.back(), QStringLiteral("城     31000枚"));
}

TEST(DeckFileLines, UsesTheFactionNamesGiven) {
    FactionNameList names = DefaultFactionNames();
    names[4] = QStringLiteral("星の国");
    DeckTallies tallies;
    tallies.FactionCountM = 4;
    EXPECT_TRUE(DeckFileLines(Deck{}, tallies, names).contains(QStringLiteral("星の国4枚")));
}

}  // namespace
}  // namespace kestrava
