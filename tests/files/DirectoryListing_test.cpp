// The file system as the file dialog sees it: the files each mode lists, and what a save must
// ask about before it writes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include "files/DirectoryListing.h"
#include "files/FileDialogMode.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

// Files only, sorted as a user sorts them, *.dek in either case; a card list may be any file.
TEST(MatchingFileNames, ListsTheFilesOfTheMode) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("d.dek"));
    for (const char* name : {"b.dek", "A.dek", "UPPER.DEK", "p.htm", "p.html"}) {
        test::WriteBytes(dir.filePath(name), "");
    }
    const auto files = [&](FileDialogMode mode) {
        return MatchingFileNames(dir.path(), TextsOfMode(mode).Pattern).join(' ');
    };
    EXPECT_EQ(files(FileDialogMode::CardList), "A.dek b.dek p.htm p.html UPPER.DEK");
    EXPECT_EQ(files(FileDialogMode::DeckOpen), "A.dek b.dek UPPER.DEK");
    EXPECT_EQ(files(FileDialogMode::DeckSave), "A.dek b.dek UPPER.DEK");
    EXPECT_EQ(files(FileDialogMode::HtmlSave), "p.htm");
}

#ifdef Q_OS_UNIX
// A file the user cannot read is still there to be replaced, so the question is asked. (As a
// user: root reads every file.)
TEST(FileIsAtPath, UnreadableFileIsThere) {
    QTemporaryDir dir;
    const QString path = dir.filePath("locked.dek");
    const auto check = [&] {
        if (!test::AsUserWrite(dir.path(), path, "", path, 0) ||
            QFile(path).open(QIODevice::ReadOnly)) {
            return 3;  // it must really be unreadable
        }
        return FileIsAtPath(path) ? 0 : 1;
    };
    EXPECT_EXIT(_exit(check()), ::testing::ExitedWithCode(0), "");
}
#endif

}  // namespace
}  // namespace kestrava
