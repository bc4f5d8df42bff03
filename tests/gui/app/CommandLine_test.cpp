#include <gtest/gtest.h>

#include <QDir>

#include <tuple>

#include "app/CommandLine.h"
#include "app/Version.h"
#include "support/QtPrinters.h"

namespace kestrava::test {
namespace {

CommandLine Parse(QStringList arguments) {
    arguments.prepend("/usr/bin/brelvik");
    return ParseCommandLine(arguments, "/home/user/decks");
}

TEST(CommandLine, ADeckArgumentBecomesAFullPath) {
    const std::pair<QStringList, const char*> cases[] = {
        {{}, ""},
        {{"mine.dek"}, "/home/user/decks/mine.dek"},
        {{"/srv/their.dek"}, "/srv/their.dek"},
        // Left for the file system: "decks" may be a link to a folder elsewhere.
        {{"../old/./デッキ 1.dek"}, "/home/user/decks/../old/./デッキ 1.dek"},
        {{"--", "-dash.dek"}, "/home/user/decks/-dash.dek"},
        // The toolkit's own options and their values are its to take.
        {{"-platform", "offscreen", "-reverse", "mine.dek", "-style=fusion"},
         "/home/user/decks/mine.dek"}};
    for (const auto& [arguments, deckPath] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CommandLine line = Parse(arguments);
        EXPECT_TRUE(line.StartProgram);
        EXPECT_EQ(line.DeckPath, QDir::toNativeSeparators(QString::fromUtf8(deckPath)));
        EXPECT_EQ(line.Output + line.Errors, "");
    }
}

TEST(CommandLine, HelpVersionAndMisuseEndWithoutStarting) {
    const QString help = Parse({"--help"}).Output;
    ASSERT_TRUE(help.startsWith("Usage: brelvik [options] [DECK]\n")) << help.toStdString();
    const QString version = "brelvik " KESTRAVA_VERSION "\n";
    const std::tuple<QStringList, int, QString, QString> cases[] = {
        {{"--version"}, 0, version, ""},
        {{"mine.dek", "-v"}, 0, version, ""},
        {{"-h", "a.dek", "b.dek"}, 0, help, ""},
        {{"--bogus"}, 2, "", "brelvik: Unknown option 'bogus'.\n\n" + help},
        {{"-vh"}, 2, "", "brelvik: Unknown option 'vh'.\n\n" + help},
        {{"-platform"}, 2, "", "brelvik: Missing value after '-platform'.\n\n" + help},
        {{"a.dek", "b.dek"},
         2,
         "",
         "brelvik: Too many arguments: give at most one deck.\n\n" + help},
        {{""}, 2, "", "brelvik: The deck's path is empty.\n\n" + help}};
    for (const auto& [arguments, exitCode, output, errors] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CommandLine line = Parse(arguments);
        EXPECT_FALSE(line.StartProgram);
        EXPECT_EQ(line.ExitCode, exitCode);
        EXPECT_EQ(line.Output, output);
        EXPECT_EQ(line.Errors, errors);
    }
}

}  // namespace
}  // namespace kestrava::test
