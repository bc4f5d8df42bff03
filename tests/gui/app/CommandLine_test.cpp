#include <gtest/gtest.h>

#include <QDir>

#include "app/CommandLine.h"
#include "app/Version.h"
#include "support/QtPrinters.h"

namespace kestrava::test {
namespace {

CommandLine Parse(QStringList arguments) {
    arguments.prepend("/usr/bin/brelvik");
    return ParseCommandLine(arguments, "/home/user/decks");
}

struct PathCase {
    QStringList Arguments;
    const char* DeckPath;
};

TEST(CommandLine, ADeckArgumentBecomesAFullPath) {
    const PathCase cases[] = {
        {{}, ""},
        {{"mine.dek"}, "/home/user/decks/mine.dek"},
        {{"/srv/their.dek"}, "/srv/their.dek"},
        // Left for the file system: "decks" may be a link to a folder elsewhere.
        {{"../old/./デッキ 1.dek"}, "/home/user/decks/../old/./デッキ 1.dek"},
        {{"--", "-dash.dek"}, "/home/user/decks/-dash.dek"},
        // The toolkit's own options and their values are its to take.
        {{"-platform", "offscreen", "-reverse", "mine.dek", "-style=fusion"},
         "/home/user/decks/mine.dek"}};
    for (const PathCase& test : cases) {
        SCOPED_TRACE(test.Arguments.join(' ').toStdString());
        const CommandLine line = Parse(test.Arguments);
        EXPECT_TRUE(line.StartProgram);
        EXPECT_EQ(line.DeckPath, QDir::toNativeSeparators(QString::fromUtf8(test.DeckPath)));
        EXPECT_EQ(line.Output + line.Errors, "");
    }
}

struct AnswerCase {
    QStringList Arguments;
    int ExitCode;
    QString Output;
    QString Errors;
};

TEST(CommandLine, HelpVersionAndMisuseEndWithoutStarting) {
    const QString help = Parse({"--help"}).Output;
    ASSERT_TRUE(help.startsWith("Usage: brelvik [options] [DECK]\n")) << help.toStdString();
    const QString version = "brelvik " KESTRAVA_VERSION "\n";
    const QString usage = "\n\n" + help;
    const AnswerCase cases[] = {
        {{"--version"}, 0, version, ""},
        {{"mine.dek", "-v"}, 0, version, ""},
        {{"-h", "a.dek", "b.dek"}, 0, help, ""},
        {{"--bogus"}, 2, "", "brelvik: Unknown option 'bogus'." + usage},
        {{"-vh"}, 2, "", "brelvik: Unknown option 'vh'." + usage},
        {{"-platform"}, 2, "", "brelvik: Missing value after '-platform'." + usage},
        {{"a.dek", "b.dek"}, 2, "", "brelvik: Too many arguments: give at most one deck." + usage},
        {{""}, 2, "", "brelvik: The deck's path is empty." + usage}};
    for (const AnswerCase& test : cases) {
        SCOPED_TRACE(test.Arguments.join(' ').toStdString());
        const CommandLine line = Parse(test.Arguments);
        EXPECT_FALSE(line.StartProgram);
        EXPECT_EQ(line.ExitCode, test.ExitCode);
        EXPECT_EQ(line.Output, test.Output);
        EXPECT_EQ(line.Errors, test.Errors);
    }
}

}  // namespace
}  // namespace kestrava::test
