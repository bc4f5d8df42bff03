// Failed saves of the deck file and the HTML page: false, and the folder left exactly as it
// was (no partial file, no temporary file, an old file byte for byte).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include "files/DeckFile.h"
#include "files/DeckHtml.h"
#include "files/FilesTestData.h"

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace kestrava {
namespace {

using test::ReadBytes;

struct SaveWriter {
    const char* Name;
    std::function<bool(const QString&)> Save;
};

std::vector<SaveWriter> Writers() {
    const test::GoldenCase golden = test::GoldenDeckFiles()[2];
    return {
        {"deck file",
         [golden](const QString& path) {
             return SaveDeckFile(path, golden.Value, golden.Tallies, DefaultFactionNames());
         }},
        {"html",
         [golden](const QString& path) {
             return SaveDeckHtml(path, golden.Value, golden.Tallies, DefaultFactionNames());
         }},
    };
}

QStringList EntriesOf(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

TEST(SaveFailure, MissingFolderCreatesNothing) {
    QTemporaryDir dir;
    for (const SaveWriter& writer : Writers()) {
        SCOPED_TRACE(writer.Name);
        EXPECT_FALSE(writer.Save(dir.filePath(QStringLiteral("absent/deck.dek"))));
        EXPECT_TRUE(EntriesOf(dir.path()).isEmpty());
    }
}

TEST(SaveFailure, PathThatIsAFolderIsLeftAlone) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("deck.dek"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("deck.dek")));
    test::WriteBytes(target + QStringLiteral("/inside.txt"), "keep");
    for (const SaveWriter& writer : Writers()) {
        SCOPED_TRACE(writer.Name);
        EXPECT_FALSE(writer.Save(target));
        EXPECT_EQ(EntriesOf(dir.path()), QStringList{QStringLiteral("deck.dek")});
        EXPECT_EQ(EntriesOf(target), QStringList{QStringLiteral("inside.txt")});
        EXPECT_EQ(ReadBytes(target + QStringLiteral("/inside.txt")), QByteArray("keep"));
    }
}

TEST(SaveFailure, ReadOnlyFolderKeepsTheOldFile) {
#if defined(Q_OS_UNIX)
    if (geteuid() == 0) {
        GTEST_SKIP() << "root ignores folder permissions";
    }
#endif
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    const QString target = folder + QStringLiteral("/deck.dek");
    const QByteArray old("old deck\r\n");
    test::WriteBytes(target, old);
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                              QFileDevice::ReadOther | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(folder, readOnly));
    for (const SaveWriter& writer : Writers()) {
        SCOPED_TRACE(writer.Name);
        EXPECT_FALSE(writer.Save(target));
        EXPECT_EQ(ReadBytes(target), old);
        EXPECT_EQ(EntriesOf(folder), QStringList{QStringLiteral("deck.dek")});
    }
    QFile::setPermissions(folder, readOnly | QFileDevice::WriteOwner);
}

}  // namespace
}  // namespace kestrava
