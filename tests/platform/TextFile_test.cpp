#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/TextFile.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

QStringList ReadAll(const QString& path) {
    Cp932LineReader reader(path);
    EXPECT_TRUE(reader.IsOpen());
    QStringList lines;
    QString line;
    while (reader.ReadLine(line)) {
        lines << line;
    }
    return lines;
}

TEST(Cp932LineReader, AcceptsEveryLineEnd) {
    QTemporaryDir dir;
    const QString path = dir.filePath("lines.txt");
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"\x82\xa0\r\n\xb1", {QString::fromUtf16(u"あ"), QString::fromUtf16(u"ｱ")}},
    };
    for (const auto& c : cases) {
        test::WriteBytes(path, c.bytes);
        EXPECT_EQ(ReadAll(path), c.lines) << c.bytes.toStdString();
    }
}

TEST(Cp932LineReader, MissingFilesAndDirectoriesDoNotOpen) {
    QTemporaryDir dir;
    EXPECT_FALSE(Cp932LineReader(dir.filePath("none.txt")).IsOpen());
    EXPECT_FALSE(Cp932LineReader(dir.path()).IsOpen());
    QString line;
    Cp932LineReader reader(dir.path());
    EXPECT_FALSE(reader.ReadLine(line));
}

TEST(WriteCp932Lines, WritesCrLfAfterEveryLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    ASSERT_TRUE(WriteCp932Lines(path, {QString::fromUtf16(u"×あ"), "", "€"}));
    EXPECT_EQ(test::ReadBytes(path), QByteArray("\x81\x7e\x82\xa0\r\n\r\n?\r\n"));
}

TEST(WriteCp932Lines, FailureLeavesNothingBehind) {
    QTemporaryDir dir;
    EXPECT_FALSE(WriteCp932Lines(dir.filePath("missing/out.txt"), {"x"}));
    EXPECT_FALSE(WriteCp932Lines(dir.path(), {"x"}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
}

}  // namespace
}  // namespace kestrava
