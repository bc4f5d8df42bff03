// Saves that the disk cuts short: a limit on the file size makes every write past it fail, at
// the first byte, in the middle of the file or at its last byte. Whatever the point, the save
// reports failure, an existing file keeps every byte and no partial or temporary file is left;
// a limit that the file just fits lets the save through.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <functional>

#include "catalogue/StringTable.h"
#include "files/DeckFile.h"
#include "files/DeckHtml.h"
#include "platform/TextFile.h"
#include "robustness/ScopedFileLimits.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

struct Writer {
    const char* Name;
    std::function<QStringList(const Deck&, const DeckTallies&)> Lines;
    std::function<bool(const QString&, const Deck&, const DeckTallies&)> Save;
};

std::vector<Writer> Writers() {
    const FactionNameList names = DefaultFactionNames();
    return {
        {"deck file",
         [names](const Deck& deck, const DeckTallies& tallies) {
             return DeckFileLines(deck, tallies, names);
         },
         [names](const QString& path, const Deck& deck, const DeckTallies& tallies) {
             return SaveDeckFile(path, deck, tallies, names);
         }},
        {"html page",
         [names](const Deck& deck, const DeckTallies& tallies) {
             return DeckHtmlLines(deck, tallies, names);
         },
         [names](const QString& path, const Deck& deck, const DeckTallies& tallies) {
             return SaveDeckHtml(path, deck, tallies, names);
         }},
    };
}

// A deck of the given number of four-copy lines. Three lines fit in the file device's write
// buffer and reach the disk only at the end; four hundred do not and are written on the way.
Deck DeckOf(int lines) {
    Deck deck{QStringLiteral("途中で切れるデッキ"), {}, 0};
    for (int i = 0; i < lines; ++i) {
        deck.Lines.push_back({QStringLiteral("G-%1 緑の札").arg(i), 4});
        deck.Total = static_cast<qint16>(deck.Total + 4);
    }
    return deck;
}

QStringList EntriesOf(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

#if defined(Q_OS_UNIX)
// Saves a deck of the given number of lines under limits from nothing to its exact size.
void ExpectOnlyWholeFiles(int lines) {
    const QByteArray old("前の中身\r\n");
    DeckTallies tallies;
    tallies.FactionCountG = 12;
    tallies.TroopCount = 12;
    const Deck deck = DeckOf(lines);
    for (const Writer& writer : Writers()) {
        const QByteArray full = EncodeCp932Lines(writer.Lines(deck, tallies));
        const rlim_t size = rlim_t(full.size());
        for (bool oldFile : {true, false}) {
            for (rlim_t limit : {rlim_t(0), rlim_t(1), size / 2, size - 1, size}) {
                SCOPED_TRACE(::testing::Message()
                             << writer.Name << ", " << (oldFile ? "over a file" : "new file")
                             << ", limit " << limit << " of " << size);
                QTemporaryDir dir;
                const QString path = dir.filePath(QStringLiteral("デッキ.dek"));
                if (oldFile) {
                    test::WriteBytes(path, old);
                }
                bool saved = false;
                {
                    const test::ScopedFileSizeLimit fileSizeLimit(limit);
                    ASSERT_TRUE(fileSizeLimit.Active());
                    saved = writer.Save(path, deck, tallies);
                }
                if (limit == size) {
                    EXPECT_TRUE(saved);
                    EXPECT_EQ(test::ReadBytes(path), full);
                } else {
                    EXPECT_FALSE(saved);
                    EXPECT_EQ(test::ReadBytes(path), oldFile ? old : QByteArray());
                }
                const bool fileThere = oldFile || limit == size;
                EXPECT_EQ(EntriesOf(dir.path()),
                          fileThere ? QStringList{QStringLiteral("デッキ.dek")} : QStringList{});
            }
        }
    }
}
#endif

TEST(InterruptedSaves, FailureWhileTheLinesAreWrittenLosesNothing) {
#if defined(Q_OS_UNIX)
    ExpectOnlyWholeFiles(400);
#else
    GTEST_SKIP() << "file size limits are a POSIX facility";
#endif
}

// A small file reaches the disk only when the save is committed, and Qt 6.4's commit ignores a
// failure there: the cut-off file must not replace the old one nor count as saved.
TEST(InterruptedSaves, FailureOfTheFinalWriteLosesNothing) {
#if defined(Q_OS_UNIX)
    ExpectOnlyWholeFiles(3);
#else
    GTEST_SKIP() << "file size limits are a POSIX facility";
#endif
}

}  // namespace
}  // namespace kestrava
