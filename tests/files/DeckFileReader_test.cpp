// Deck file reading: where reading stops, what it keeps, the name line, line ends, the
// 16-bit total, and files that cannot be opened.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/DeckFile.h"
#include "files/FilesTestData.h"
#include "platform/Cp932.h"

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace kestrava {
namespace {

using test::MakeDeck;
using test::TallyList;

QString S(const char* text) {
    return QString::fromUtf8(text);
}

QByteArray Bytes(const QStringList& lines, const char* end = "\r\n") {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += EncodeCp932(line) + end;
    }
    return bytes;
}

// A deck and tallies that a load must replace.
Deck PreviousDeck() {
    return MakeDeck(S("前のデッキ"), {{S("D014 灰冠の騎士"), 4}, {S("M045 星屑の詠唱"), 2}});
}

DeckTallies PreviousTallies() {
    return test::MakeTallies({4, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1});
}

struct LoadResult {
    bool Opened = false;
    Deck Value;
    DeckTallies Tallies;
};

LoadResult LoadBytes(const QByteArray& bytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("deck.dek"));
    test::WriteBytes(path, bytes);
    LoadResult result{false, PreviousDeck(), PreviousTallies()};
    result.Opened = LoadDeckFile(path, test::TestCatalogue(), result.Value, result.Tallies);
    return result;
}

const char* const kEntry = "C001 錆鉄の番兵  × 3";
const char* const kSecondEntry = "D014 灰冠の騎士  × 2";

struct StopCase {
    const char* Name;
    QStringList Lines;
    Deck Expected;
};

std::vector<StopCase> StopCases() {
    const QString rule(80, u'-');
    const QString a = S("C001 錆鉄の番兵");
    const QString b = S("D014 灰冠の騎士");
    return {
        {"no separator before the lines",
         {S("名"), S(kEntry), S(kSecondEntry)},
         MakeDeck(S("名"), {{a, 3}, {b, 2}})},
        {"separators anywhere are skipped",
         {S("名"), rule, S(kEntry), S("-C002 紛れ  × 4"), rule, S(kSecondEntry)},
         MakeDeck(S("名"), {{a, 3}, {b, 2}})},
        {"empty line ends the reading",
         {S("名"), S(kEntry), QString(), S(kSecondEntry)},
         MakeDeck(S("名"), {{a, 3}})},
        {"line without two blanks ends the reading",
         {S("名"), S(kEntry), S("D014 灰冠の騎士 × 2"), S(kSecondEntry)},
         MakeDeck(S("名"), {{a, 3}})},
        {"full-width blanks are not blanks",
         {S("名"), S("D014 灰冠の騎士　　× 2")},
         MakeDeck(S("名"), {})},
        {"text ends at the first two blanks",
         {S("名"), S("C001 錆鉄  の番兵  × 3")},
         MakeDeck(S("名"), {{S("C001 錆鉄"), 3}})},
        {"two-digit count keeps its last digit",
         {S("名"), S("C001 錆鉄の番兵  × 12")},
         MakeDeck(S("名"), {{a, 2}})},
        {"count 0 and 9 are read",
         {S("名"), S("C001 錆鉄の番兵  × 0"), S("D014 灰冠の騎士  × 9")},
         MakeDeck(S("名"), {{a, 0}, {b, 9}})},
        {"non-digit last character",
         {S("名"), S(kEntry), S("D014 灰冠の騎士  × 2枚")},
         MakeDeck(S("名"), {{a, 3}})},
        {"full-width digit", {S("名"), S("D014 灰冠の騎士  × ２")}, MakeDeck(S("名"), {})},
        {"trailing blank after the count",
         {S("名"), S("D014 灰冠の騎士  × 2 ")},
         MakeDeck(S("名"), {})},
        {"entry text without a blank",
         {S("名"), S(kEntry), S("D014  × 2"), S(kSecondEntry)},
         MakeDeck(S("名"), {{a, 3}})},
        {"unknown and lower-case codes are kept",
         {S("名"), S("Z999 謎の札  × 2"), S("c001 錆鉄の番兵  × 1"), S(kEntry)},
         MakeDeck(S("名"), {{S("Z999 謎の札"), 2}, {S("c001 錆鉄の番兵"), 1}, {a, 3}})},
        {"text after the total line is ignored",
         {S("名"), rule, S(kEntry), rule, QString(68, u' ') + S("Total 3"), S(kSecondEntry),
          S("デッキ構成")},
         MakeDeck(S("名"), {{a, 3}})},
        {"first line starting with - is the name", {rule, S(kEntry)}, MakeDeck(rule, {{a, 3}})},
        {"empty first line is the name", {QString(), S(kEntry)}, MakeDeck(QString(), {{a, 3}})},
        {"name line is taken whatever it holds",
         {S(kEntry), S(kSecondEntry)},
         MakeDeck(S(kEntry), {{b, 2}})},
        {"name only", {S("名")}, MakeDeck(S("名"), {})},
        {"line end only gives an empty name", {QString()}, MakeDeck(QString(), {})},
    };
}

TEST(LoadDeckFile, StopsAndSkipsAsTheFormatSays) {
    for (const StopCase& c : StopCases()) {
        SCOPED_TRACE(c.Name);
        const LoadResult result = LoadBytes(Bytes(c.Lines));
        ASSERT_TRUE(result.Opened);
        test::ExpectSameDeck(result.Value, c.Expected);
    }
}

TEST(LoadDeckFile, AnyLineEndReadsTheSame) {
    const QStringList lines = {S("名"), QString(80, u'-'), S(kEntry), S(kSecondEntry)};
    const Deck expected = MakeDeck(S("名"), {{S("C001 錆鉄の番兵"), 3}, {S("D014 灰冠の騎士"), 2}});
    for (const char* end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(QByteArray(end).toHex().toStdString());
        test::ExpectSameDeck(LoadBytes(Bytes(lines, end)).Value, expected);
        // A last line without its line end is still a line.
        QByteArray cut = Bytes(lines, end);
        cut.chop(int(qstrlen(end)));
        test::ExpectSameDeck(LoadBytes(cut).Value, expected);
    }
}

TEST(LoadDeckFile, TalliesOnlyCardsOfTheCatalogue) {
    const LoadResult result = LoadBytes(Bytes(
        {S("名"), S("Z999 謎の札  × 2"), S("c001 錆鉄の番兵  × 1"), S(kEntry), S(kSecondEntry)}));
    // C001: troop, C, common x3; D014: hero, D, rare x2. The old tallies are gone.
    EXPECT_EQ(TallyList(result.Tallies),
              TallyList(test::MakeTallies({2, 0, 3, 0, 0, 0, 0}, {3, 2, 0, 0, 0}, {2, 0, 3})));
    EXPECT_EQ(result.Value.Total, 8);
}

TEST(LoadDeckFile, EmptyFileKeepsTheNameAndEmptiesTheDeck) {
    const LoadResult result = LoadBytes(QByteArray());
    ASSERT_TRUE(result.Opened);
    test::ExpectSameDeck(result.Value, MakeDeck(PreviousDeck().DeckName, {}));
    EXPECT_EQ(TallyList(result.Tallies), TallyList(DeckTallies{}));
}

TEST(LoadDeckFile, TotalOverflowStopsKeepingWhatWasRead) {
    // 3640 x 9 = 32760 fits; one more 9 does not, nor does anything after it. The total is
    // checked whether or not the card is tallied.
    for (const char* entry : {"C001 錆鉄の番兵  × 9", "Z999 謎の札  × 9"}) {
        SCOPED_TRACE(entry);
        QStringList lines = {S("大量")};
        for (int i = 0; i < 3641; ++i) {
            lines << S(entry);
        }
        lines << S("D014 灰冠の騎士  × 1");
        const LoadResult result = LoadBytes(Bytes(lines));
        ASSERT_TRUE(result.Opened);
        EXPECT_EQ(result.Value.Lines.size(), 3640u);
        EXPECT_EQ(result.Value.Total, 32760);
        const bool known = QByteArray(entry).startsWith("C001");
        EXPECT_EQ(result.Tallies.FactionCountC, known ? 32760 : 0);
        EXPECT_EQ(result.Tallies.TroopCount, known ? 32760 : 0);
        EXPECT_EQ(result.Tallies.FactionCountD, 0);
    }
    // Up to the limit itself everything is kept: 3640 x 9 + 7 = 32767.
    QStringList lines = {S("上限")};
    for (int i = 0; i < 3640; ++i) {
        lines << S("Z999 謎の札  × 9");
    }
    lines << S("Z998 謎の札  × 7");
    const LoadResult result = LoadBytes(Bytes(lines));
    EXPECT_EQ(result.Value.Lines.size(), 3641u);
    EXPECT_EQ(result.Value.Total, 32767);
}

TEST(LoadDeckFile, GoldenFilesReadBack) {
    for (test::GoldenCase golden : test::GoldenDeckFiles()) {
        SCOPED_TRACE(golden.File);
        Deck deck = PreviousDeck();
        DeckTallies tallies = PreviousTallies();
        ASSERT_TRUE(
            LoadDeckFile(test::DataPath(golden.File), test::TestCatalogue(), deck, tallies));
        // Characters without a code page 932 form come back as "?".
        for (DeckLine& line : golden.Value.Lines) {
            line.Text.replace(u'é', u'?');
        }
        test::ExpectSameDeck(deck, golden.Value);
        if (QByteArray(golden.File) != "files_widths.dek") {
            EXPECT_EQ(TallyList(tallies), TallyList(golden.Tallies));
        }
    }
}

TEST(LoadDeckFile, UnopenablePathChangesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.dek")));
    QStringList paths = {dir.filePath(QStringLiteral("missing.dek")),
                         dir.filePath(QStringLiteral("folder.dek")), QString()};
#if defined(Q_OS_UNIX)
    // Root reads every file whatever its permissions.
    if (geteuid() != 0) {
        paths << dir.filePath(QStringLiteral("locked.dek"));
        test::WriteBytes(paths.back(), Bytes({S("名"), S(kEntry)}));
        ASSERT_TRUE(QFile::setPermissions(paths.back(), QFileDevice::WriteOwner));
    }
#endif
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        Deck deck = PreviousDeck();
        DeckTallies tallies = PreviousTallies();
        EXPECT_FALSE(LoadDeckFile(path, test::TestCatalogue(), deck, tallies));
        test::ExpectSameDeck(deck, PreviousDeck());
        EXPECT_EQ(TallyList(tallies), TallyList(PreviousTallies()));
    }
}

}  // namespace
}  // namespace kestrava
