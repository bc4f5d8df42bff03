// Card lists as disks and users hand them over: far too long, binary, with NUL bytes or cut-off
// Shift-JIS characters, and paths that are no readable file. The loader must neither crash nor
// hang, keep exactly the usable lines before the first unusable one, and stop reading once the
// table is full.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <limits>

#include "catalogue/CardList.h"
#include "platform/Cp932.h"
#include "robustness/NoiseBytes.h"
#include "robustness/ScopedFileLimits.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#if defined(__SANITIZE_ADDRESS__)
#define KESTRAVA_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTRAVA_SANITIZED 1
#endif
#endif

namespace kestrava {
namespace {

using test::CardLine;

constexpr qsizetype kMegabyte = 1024 * 1024;
const QString kReplacement(QChar(0xFFFD));

// One encoded card line without its line end; "~" in any column stands for the lead byte 82
// on its own, which no text can produce.
QByteArray Line(const QString& code, const QString& name,
                const QList<QPair<int, QString>>& overrides = {}) {
    return EncodeCp932(CardLine(code, name, overrides)).replace('~', '\x82');
}

QByteArray Lines(const QList<QByteArray>& lines, const char* end = "\r\n") {
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line + end;
    }
    return bytes;
}

QString CodeOf(int index) {
    return QStringLiteral("G-%1").arg(index, 4, 10, QChar(u'0'));
}

// A full table's worth of distinct usable lines.
QByteArray TableOfLines() {
    QByteArray bytes;
    for (int i = 0; i < kCardTableSize; ++i) {
        bytes += Line(CodeOf(i), QStringLiteral("緑の札")) + "\r\n";
    }
    return bytes;
}

class CardListInput : public ::testing::Test {
  protected:
    QString Write(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("list%1.csv").arg(files_++));
        test::WriteBytes(path, bytes);
        return path;
    }
    qint16 Load(const QString& path) {
        EXPECT_EQ(LoadCardList(catalogue_, path), CardListLoad::Loaded);
        return catalogue_.CardCount;
    }
    // The quicker of two loads, in milliseconds: a shared machine only ever adds time.
    qint64 QuickestLoad(const QString& path) {
        qint64 quickest = std::numeric_limits<qint64>::max();
        for (int run = 0; run < 2; ++run) {
            QElapsedTimer timer;
            timer.start();
            EXPECT_EQ(LoadCardList(catalogue_, path), CardListLoad::Loaded);
            quickest = std::min(quickest, timer.elapsed());
        }
        return quickest;
    }

    QTemporaryDir dir_;
    int files_ = 0;
    CardCatalogue catalogue_;
};

TEST_F(CardListInput, TwentyMegabytesStopAtTheTableLimitWithoutReadingOn) {
    const QByteArray head = TableOfLines();
    const qsizetype tailSize = 20 * kMegabyte - head.size();
    const QByteArray spare = Line(QStringLiteral("M-9999"), QStringLiteral("余りの札")) + "\r\n";
    const struct {
        const char* Name;
        QByteArray Tail;
    } cases[] = {
        {"usable lines to the end", spare.repeated(tailSize / spare.size())},
        {"binary noise", test::NoiseBytes(20, tailSize)},
        {"one line without a line end", QByteArray(tailSize, 'x')},
        {"NUL bytes", QByteArray(tailSize, '\0')},
    };
    const qint64 baseline = QuickestLoad(Write(head));
    ASSERT_EQ(catalogue_.CardCount, kCardTableSize);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString path = Write(head + c.Tail);
        catalogue_.CardCount = 0;
        // Reading the rest would cost twenty times the table's worth.
        const qint64 elapsed = QuickestLoad(path);
        ASSERT_EQ(catalogue_.CardCount, kCardTableSize);
        EXPECT_EQ(catalogue_.CardTable[0].Code, CodeOf(0));
        EXPECT_EQ(catalogue_.CardTable[1024].Code, CodeOf(1024));
        EXPECT_LE(elapsed, 4 * baseline + 100) << "against " << baseline << " ms";
#if !defined(KESTRAVA_SANITIZED)
        EXPECT_LT(elapsed, 1000);
#endif
        QFile::remove(path);
    }
}

TEST_F(CardListInput, LongLines) {
    const QByteArray good = Line(QStringLiteral("C-1"), QStringLiteral("a"));
    const QByteArray last = Line(QStringLiteral("C-3"), QStringLiteral("c"));
    const struct {
        const char* Name;
        QByteArray Long;
        qint16 Count;  // of good, Long, last
    } cases[] = {
        {"1 MB of columns after the 31st",
         Line(QStringLiteral("C-2"), QStringLiteral("b")) +
             QByteArray("extra,").repeated(kMegabyte / 6),
         3},
        {"1 MB name", Line(QStringLiteral("C-2"), QString(kMegabyte, u'n')), 1},
        {"1 MB without a comma", QByteArray(kMegabyte, 'x'), 1},
        {"1 MB of blanks", QByteArray(kMegabyte, ' '), 1},
        {"1 MB of NUL bytes", QByteArray(kMegabyte, '\0'), 1},
        {"1 MB of commas", QByteArray(kMegabyte, ','), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Load(Write(Lines({good, c.Long, last}))), c.Count);
        EXPECT_EQ(catalogue_.CardTable[0].Code, QStringLiteral("C-1"));
        if (c.Count == 3) {
            EXPECT_EQ(catalogue_.CardTable[1].Name, QStringLiteral("b"));
            EXPECT_EQ(catalogue_.CardTable[1].Flank, QString());
            EXPECT_EQ(catalogue_.CardTable[2].Code, QStringLiteral("C-3"));
        }
    }
}

TEST_F(CardListInput, BinaryNoiseEndsTheLoadAtItsFirstLine) {
    const QByteArray usable = Lines({Line(QStringLiteral("D-1"), QStringLiteral("a")),
                                     Line(QStringLiteral("E-1"), QStringLiteral("b")),
                                     Line(QStringLiteral("M-1"), QStringLiteral("c"))});
    const struct {
        unsigned Seed;
        qsizetype Size;
    } noises[] = {{1, 1}, {2, 17}, {3, 4096}, {4, 65536 + 3}, {5, kMegabyte}, {6, 3 * kMegabyte}};
    for (const auto& noise : noises) {
        SCOPED_TRACE(::testing::Message()
                     << "seed " << noise.Seed << ", " << noise.Size << " bytes");
        const QByteArray bytes = test::NoiseBytes(noise.Seed, noise.Size);
        EXPECT_EQ(Load(Write(bytes)), 0);
        EXPECT_EQ(Load(Write(usable + bytes)), 3);
        EXPECT_EQ(catalogue_.FindCardIndexByCode(QStringLiteral("M-1")), 2);
    }
}

TEST_F(CardListInput, NulBytesAreCharactersOfTheirColumn) {
    const QString nul(QChar(0));
    const struct {
        const char* Name;
        QString Line;
        bool Usable;
        QString Code;
        QString CardName;
    } cases[] = {
        {"inside the name", CardLine("C-1", "a" + nul + "b"), true, "C-1", "a" + nul + "b"},
        {"as the whole code", CardLine(nul, "a"), true, nul, "a"},
        {"after the last column", CardLine("C-1", "a") + nul + nul, true, "C-1", "a"},
        {"inside a number column", CardLine("C-1", "a", {{5, "1" + nul}}), false, "", ""},
        {"the whole line", QString(200, QChar(0)), false, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QByteArray file = Lines({EncodeCp932(c.Line), Line("G-1", "after")});
        ASSERT_EQ(Load(Write(file)), c.Usable ? 2 : 0);
        if (c.Usable) {
            EXPECT_EQ(catalogue_.CardTable[0].Code, c.Code);
            EXPECT_EQ(catalogue_.CardTable[0].Name, c.CardName);
            EXPECT_EQ(catalogue_.CardTable[0].Faction,
                      FactionOfCode(c.Code, catalogue_.FactionNames));
            EXPECT_EQ(catalogue_.CardTable[1].Name, QStringLiteral("after"));
        }
    }
}

TEST_F(CardListInput, CutOffLeadByteNeverSwallowsCommaOrLineEnd) {
    const QByteArray second = Line("G-2", "b");
    const struct {
        const char* Name;
        QByteArray File;
        qint16 Count;
        QString FirstName;
        QString FirstFlank;
    } cases[] = {
        {"before a text column's comma", Lines({Line("G-1", "~", {{3, "Aria"}}), second}), 2,
         kReplacement, ""},
        {"before the last comma", Lines({Line("G-1", "a", {{31, "~"}}), second}), 2, "a",
         kReplacement},
        {"before CR LF", Lines({Line("G-1", "a") + '\x82', second}), 2, "a", ""},
        {"before a lone LF", Lines({Line("G-1", "a") + '\x82', second}, "\n"), 2, "a", ""},
        {"before a lone CR", Lines({Line("G-1", "a") + '\x82', second}, "\r"), 2, "a", ""},
        {"as the last byte of the file", Lines({Line("G-1", "a")}) + second + '\x82', 2, "a", ""},
        {"before a number column's comma", Lines({Line("G-1", "a", {{5, "1~"}}), second}), 0, "",
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_EQ(Load(Write(c.File)), c.Count);
        if (c.Count == 2) {
            EXPECT_EQ(catalogue_.CardTable[0].Name, c.FirstName);
            EXPECT_EQ(catalogue_.CardTable[0].Flank, c.FirstFlank);
            EXPECT_EQ(catalogue_.CardTable[1].Code, QStringLiteral("G-2"));
            EXPECT_EQ(catalogue_.CardTable[1].Name, QStringLiteral("b"));
        }
    }
}

TEST_F(CardListInput, PathsThatAreNoReadableFileChangeNothing) {
    ASSERT_EQ(Load(Write(Lines({Line("C-1", "a"), Line("D-1", "b"), Line("E-1", "c")}))), 3);
    const QString folder = dir_.filePath(QStringLiteral("folder.csv"));
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.csv")));
    const QString locked = Write(Lines({Line("M-1", "x")}));
    const test::ScopedPermissions noAccess(locked, {});
    const QString dangling = dir_.filePath(QStringLiteral("dangling.csv"));
    ASSERT_TRUE(QFile::link(dir_.filePath(QStringLiteral("gone.csv")), dangling));
    const struct {
        const char* Name;
        QString Path;
        bool NeedsPermissions;
    } cases[] = {
        {"folder", folder, false},
        {"file without read permission", locked, true},
        {"missing file", dir_.filePath(QStringLiteral("missing.csv")), false},
        {"empty path", QString(), false},
        {"dangling link", dangling, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        if (c.NeedsPermissions && !test::PermissionsBind()) {
            continue;  // permissions do not bind the superuser
        }
        EXPECT_EQ(LoadCardList(catalogue_, c.Path), CardListLoad::OpenFailed);
        EXPECT_EQ(catalogue_.CardCount, 3);
        EXPECT_EQ(catalogue_.CardTable[0].Code, QStringLiteral("C-1"));
        EXPECT_EQ(catalogue_.CardTable[2].Code, QStringLiteral("E-1"));
    }
}

}  // namespace
}  // namespace kestrava
