#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/TextFile.h"
#include "support/FailingDevice.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

using State = Cp932LineReader::State;

// Bytes, the lines read from them and how the reading ended.
struct Reading {
    QByteArray Bytes;
    QStringList Lines;
    State End;
};

Reading ReadAll(QIODevice& device) {
    Cp932LineReader reader(device);
    Reading read{{}, {}, State::AtEnd};
    for (QString line; reader.ReadLine(line);) {
        read.Lines << line;
    }
    read.End = reader.ReadState();
    return read;
}

// Lines end with CR LF, LF or CR, the last one also without. A line over the limit ends the
// reading however it ends, and whatever follows it.
TEST(Cp932LineReader, ReadsEveryLineToTheEndOrALineOverTheLimit) {
    const QByteArray limit(kMaxLineBytes, 'x');
    const Reading cases[] = {
        {"", {}, State::AtEnd},
        {"a\r\n", {"a"}, State::AtEnd},
        {"a\r\rb", {"a", "", "b"}, State::AtEnd},
        {"a\n\rb", {"a", "", "b"}, State::AtEnd},
        {"a\nb\rc\r\nd", {"a", "b", "c", "d"}, State::AtEnd},
        {"\x82\xa0\r\n\xb1", {QString::fromUtf16(u"あ"), QString::fromUtf16(u"ｱ")}, State::AtEnd},
        {"a\r\n" + limit + "\r\nb", {"a", limit, "b"}, State::AtEnd},
        {"a\r\n" + limit, {"a", limit}, State::AtEnd},
        {"a\r\n" + limit + "x\r\nb", {"a"}, State::LineTooLong},
        {"a\n" + limit + "x", {"a"}, State::LineTooLong}};
    for (const Reading& test : cases) {
        SCOPED_TRACE(test.Bytes.left(8).toHex().toStdString() + " of " +
                     std::to_string(test.Bytes.size()));
        QBuffer buffer;
        buffer.setData(test.Bytes);
        buffer.open(QIODevice::ReadOnly);
        const Reading read = ReadAll(buffer);
        EXPECT_EQ(read.Lines, test.Lines);
        EXPECT_EQ(read.End, test.End);
    }
}

// A failing read is never taken for the end of the file, wherever it falls.
TEST(Cp932LineReader, ReadErrorIsNoEndOfFile) {
    const QByteArray bytes = QByteArray("first\r\nsecond\r\n").repeated(20000);
    for (qint64 failAfter : {qint64(0), qint64(3), qint64(7), qint64(65536), bytes.size() - 1}) {
        test::FailingDevice device(bytes, failAfter);
        const Reading read = ReadAll(device);
        EXPECT_EQ(read.End, State::ReadError) << failAfter;
        // Only whole lines before the failure, never the cut-off one.
        EXPECT_LE(read.Lines.size() * 7, failAfter) << failAfter;
    }
    test::FailingDevice whole(bytes);
    EXPECT_EQ(ReadAll(whole).Lines.size(), 40000);
}

struct OddFile {
    const char* Name;
    bool Regular;  // read, and replaced by the lines written
};

#ifdef Q_OS_UNIX
// Only a regular file is read or replaced, also behind a link: a pipe (which would block) or a
// link that leads nowhere stays, and no file is left behind. A folder or a device takes the
// pipe's path here, a link that loops the dangling one's.
TEST(TextFile, OnlyRegularFilesAreReadOrReplaced) {
    QTemporaryDir dir;
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
    test::WriteBytes(dir.filePath("file"), "old");
    for (const auto& [link, target] :
         {std::pair{"dangling", "none"}, {"link to pipe", "pipe"}, {"link to file", "file"}}) {
        ASSERT_EQ(symlink(target, QFile::encodeName(dir.filePath(link)).constData()), 0);
    }
    const OddFile cases[] = {{"pipe", false},         {"missing/file", false}, {"dangling", false},
                             {"link to pipe", false}, {"link to file", true},  {"file", true}};
    for (const OddFile& odd : cases) {
        const QString path = dir.filePath(odd.Name);
        QFile file(path);
        EXPECT_EQ(OpenRegularFileForReading(file), odd.Regular) << odd.Name;
        EXPECT_EQ(WriteCp932Lines(path, {"x"}), odd.Regular) << odd.Name;
        const QFileInfo kept(path);
        EXPECT_EQ(kept.isFile() && !kept.isSymbolicLink(), odd.Name == std::string("file"))
            << odd.Name;
    }
    EXPECT_EQ(test::ReadBytes(dir.filePath("file")), "x\r\n");
    const auto all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    EXPECT_EQ(QDir(dir.path()).entryList(all).size(), 5);
}

// A file size limit makes every write past it fail: at the first byte, in the middle, at the
// last byte. The save reports failure, an old file keeps every byte and no other file is left.
TEST(WriteCp932Lines, SaveCutShortLosesNothing) {
    signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead of ending us
    rlimit unlimited{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    QTemporaryDir temp;
    const QDir dir(temp.path());
    const QString path = dir.filePath("deck");
    // Three lines reach the disk only when the save is committed; four hundred on the way.
    for (int count : {3, 400}) {
        const QStringList lines(count, "G-1 a  × 4");
        const QByteArray full = EncodeCp932Lines(lines);
        const rlim_t size = rlim_t(full.size());
        for (const QByteArray old : {"old", ""}) {  // "": no old file
            for (rlim_t limit : {rlim_t(0), size / 2, size - 1, size}) {
                SCOPED_TRACE(::testing::Message() << count << old.constData() << limit);
                QFile::remove(path);
                if (!old.isEmpty()) {
                    test::WriteBytes(path, old);
                }
                const rlimit cut{limit, unlimited.rlim_max};  // the soft limit goes back
                ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &cut), 0);
                const bool saved = WriteCp932Lines(path, lines);
                ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &unlimited), 0);
                EXPECT_EQ(saved, limit == size);
                EXPECT_EQ(test::ReadBytes(path), limit == size ? full : old);
                EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                          limit == size || !old.isEmpty() ? QStringList{"deck"} : QStringList{});
            }
        }
    }
}

// No file can be made beside it, but the file itself may be written: it is, in place, and
// kept as it was when that fails or the old bytes are too many to keep. (As a user: root
// writes into any folder.)
TEST(WriteCp932Lines, WritableFileInReadOnlyFolderIsSavedInPlace) {
    const QByteArray oldDeck = QByteArray("old deck line\r\n").repeated(200);
    const QByteArray huge(kMaxInPlaceSaveBytes + 1, 'x');
    const QStringList longDeck(1000, "new deck line");
    struct Case {
        const char* What;
        QByteArray Old;
        QStringList Lines;
        rlim_t SizeLimit;
        bool Saves;
    };
    const Case cases[] = {{"shorter", oldDeck, {"new"}, RLIM_INFINITY, true},
                          {"over the file size limit", oldDeck, longDeck, 4096, false},
                          {"old file too large", huge, {"new"}, RLIM_INFINITY, false}};
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("deck.dek");
        const auto save = [&] {
            if (!test::AsUserWrite(dir.path(), path, c.Old, dir.path(), 0500) ||
                QFile(dir.filePath("probe")).open(QIODevice::WriteOnly)) {
                return 3;  // the folder must really refuse new files
            }
            // Past the limit a write fails with EFBIG instead of killing the process.
            const rlimit limit{c.SizeLimit, c.SizeLimit};
            if (signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limit) != 0) {
                return 4;
            }
            const bool saved = WriteCp932Lines(path, c.Lines);
            const QByteArray expected = saved ? EncodeCp932Lines(c.Lines) : c.Old;
            return saved == c.Saves && test::ReadBytes(path) == expected ? 0 : 1;
        };
        EXPECT_EXIT(_exit(save()), ::testing::ExitedWithCode(0), "") << c.What;
    }
}

#endif  // Q_OS_UNIX

#ifdef Q_OS_WIN
// A device name reaches a device in any folder and with any extension: it is never read or
// written, nor is a folder; a regular file is both.
TEST(TextFile, DeviceNamesAreNeitherReadNorReplaced) {
    QTemporaryDir dir;
    test::WriteBytes(dir.filePath("file"), "old");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    const QString devices[] = {"NUL",
                               "CON",
                               "nul.txt",
                               "COM1",
                               dir.filePath("NUL"),
                               dir.filePath("con.dek"),
                               dir.filePath("folder")};
    for (const QString& path : devices) {
        QFile file(path);
        EXPECT_FALSE(OpenRegularFileForReading(file)) << path.toStdString();
        EXPECT_FALSE(WriteCp932Lines(path, {"x"})) << path.toStdString();
    }
    {
        QFile file(dir.filePath("file"));
        EXPECT_TRUE(OpenRegularFileForReading(file));
    }
    EXPECT_TRUE(WriteCp932Lines(dir.filePath("file"), {"x"}));
    EXPECT_EQ(test::ReadBytes(dir.filePath("file")), "x\r\n");
}
#endif  // Q_OS_WIN

}  // namespace
}  // namespace kestrava
