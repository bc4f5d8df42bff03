// The file system as the file dialog sees it: what a save must ask about before it writes.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include "files/DirectoryListing.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

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

}  // namespace
}  // namespace kestrava
