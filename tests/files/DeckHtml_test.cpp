// HTML page writing: byte-exact golden files (empty name, faction rows in letter order,
// escaped markup characters).
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "files/DeckHtml.h"
#include "files/FilesTestData.h"

namespace kestrava {
namespace {

using test::ExpectGolden;

TEST(SaveDeckHtml, WritesGoldenFiles) {
    QTemporaryDir dir;
    for (const test::GoldenCase& golden : test::GoldenHtmlFiles()) {
        const QString path = dir.filePath(QString::fromUtf8(golden.File));
        ASSERT_TRUE(SaveDeckHtml(path, golden.Value, golden.Tallies, DefaultFactionNames()));
        ExpectGolden(golden, path);
    }
}

}  // namespace
}  // namespace kestrava
