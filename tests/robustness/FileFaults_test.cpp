// Card lists and deck files as disks and users hand them over, and saves the disk cuts short:
// readers keep the usable lines before the first unusable one; failed saves lose nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <signal.h>
#include <sys/resource.h>

#include "catalogue/CardList.h"
#include "files/DeckFile.h"
#include "platform/Cp932.h"
#include "platform/TextFile.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

using test::CardLine;
using test::CardListBytes;
constexpr qsizetype kReadChunk = 64 * 1024;  // the line reader's unit of reading

class FileFaults : public ::testing::Test {
  protected:
    QString Write(const QByteArray& bytes) {
        const QString path = dir_.filePath(QString::number(files_++));
        test::WriteBytes(path, bytes);
        return path;
    }
    qint64 Milliseconds(const QString& path) {
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(LoadCardList(cards_, path), CardListLoad::Loaded);
        return timer.elapsed();
    }

    QTemporaryDir dir_;
    int files_ = 0;
    CardCatalogue cards_;
};

// A NUL inside a name is no reason to stop; binary bytes over a whole read are.
TEST_F(FileFaults, CardListKeepsTheLinesBeforeTheFirstUnusableOne) {
    const QString nul(QChar(0));
    const QStringList lines = {CardLine("C-1", "a" + nul), CardLine("G-2", "after")};
    const QString path = Write(CardListBytes(lines) + QByteArray(kReadChunk + 1, '\xff'));
    ASSERT_EQ(LoadCardList(cards_, path), CardListLoad::Loaded);
    ASSERT_EQ(cards_.CardCount(), 2);
    EXPECT_EQ(cards_.CardTable()[0].Name, "a" + nul);
    EXPECT_EQ(cards_.CardTable()[1].Name, QStringLiteral("after"));
}

TEST_F(FileFaults, FullCardTableEndsTheReading) {
    // About 20 MB of usable lines after a full table, which would take hundreds of times as long
    // to read. The quicker of two loads: a shared machine only ever adds time.
    const QByteArray full = CardListBytes({CardLine("G-1", "a")}).repeated(kCardTableSize);
    const QByteArray spare = CardListBytes({CardLine("M-9", "spare")}).repeated(400000);
    const QString table = Write(full), large = Write(full + spare);
    const qint64 baseline = std::min(Milliseconds(table), Milliseconds(table));
    const qint64 elapsed = std::min(Milliseconds(large), Milliseconds(large));
    EXPECT_EQ(cards_.CardCount(), kCardTableSize);
    EXPECT_EQ(cards_.CardTable()[kCardTableSize - 1].Code, QStringLiteral("G-1"));
    EXPECT_LE(elapsed, 4 * baseline + 100) << "against " << baseline << " ms";
}

// A line break in the name line would end it early and the reading at its second half.
TEST_F(FileFaults, DeckNameWithLineBreaksIsSavedAsOneLine) {
    const Deck saved{"a\rb\nc", {{"G-1 a", 4}, {"C-1 b", 2}}, 6};
    const QByteArray file =
        EncodeCp932Lines(DeckFileLines(saved, DeckTallies(), DefaultFactionNames()));
    Deck deck{"old", {{"C-1 old", 3}}, 3};
    DeckTallies tallies;
    ASSERT_TRUE(LoadDeckFile(Write(file), CardCatalogue(), deck, tallies));
    EXPECT_EQ(deck.DeckName, "a b c");
    EXPECT_EQ(deck.Lines.size(), 2u);
    EXPECT_EQ(deck.Total, 6);
}

// A file size limit makes every write past it fail: at the first byte, in the middle, at the
// last byte. The save reports failure, an old file keeps every byte and no other file is left.
// (Both savers share one writer.)
TEST_F(FileFaults, SaveCutShortLosesNothing) {
    signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead of ending us
    rlimit unlimited{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    const QString path = dir_.filePath("deck");
    const auto all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    // Three lines reach the disk only when the save is committed; four hundred on the way.
    for (int lines : {3, 400}) {
        const Deck deck{"cut", std::vector<DeckLine>(lines, DeckLine{"G-1 a", 4}), 0};
        ASSERT_TRUE(SaveDeckFile(path, deck, DeckTallies(), DefaultFactionNames()));
        const QByteArray full = test::ReadBytes(path);
        const rlim_t size = rlim_t(full.size());
        for (const QByteArray old : {"old", ""}) {  // "": no old file
            for (rlim_t limit : {rlim_t(0), size / 2, size - 1, size}) {
                SCOPED_TRACE(::testing::Message() << lines << old.constData() << limit);
                QFile::remove(path);
                if (!old.isEmpty()) {
                    test::WriteBytes(path, old);
                }
                const rlimit cut{limit, unlimited.rlim_max};  // the soft limit goes back
                ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &cut), 0);
                const bool saved = SaveDeckFile(path, deck, DeckTallies(), DefaultFactionNames());
                ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &unlimited), 0);
                const bool fits = limit == size;
                EXPECT_EQ(saved, fits);
                EXPECT_EQ(test::ReadBytes(path), fits ? full : old);
                EXPECT_EQ(QDir(dir_.path()).entryList(all),
                          fits || !old.isEmpty() ? QStringList{"deck"} : QStringList{});
            }
        }
    }
}

}  // namespace
}  // namespace kestrava
