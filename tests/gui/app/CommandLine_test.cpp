#include <gtest/gtest.h>

#include <QDir>

#include "app/CommandLine.h"
#include "support/QtPrinters.h"

namespace kestrava::test {
namespace {

CommandLine Parse(QStringList arguments) {
    arguments.prepend("/usr/bin/brelvik");
    return ParseCommandLine(arguments, "/home/user/decks");
}

TEST(CommandLine, ADeckArgumentBecomesAFullPath) {
    const struct {
        QStringList arguments;
        const char* deckPath;
    } cases[] = {
        {{}, ""},
        {{"mine.dek"}, "/home/user/decks/mine.dek"},
        {{"/srv/their.dek"}, "/srv/their.dek"},
        {{"../old/./デッキ 1.dek"}, "/home/user/old/デッキ 1.dek"},
        {{"--", "-dash.dek"}, "/home/user/decks/-dash.dek"},
    };
    for (const auto& c : cases) {
        const CommandLine line = Parse(c.arguments);
        const std::string arguments = c.arguments.join(' ').toStdString();
        EXPECT_TRUE(line.StartProgram) << arguments;
        EXPECT_EQ(line.DeckPath, QDir::toNativeSeparators(QString::fromUtf8(c.deckPath)))
            << arguments;
        EXPECT_EQ(line.Output + line.Errors, "") << arguments;
    }
}

TEST(CommandLine, HelpVersionAndMisuseEndWithoutStarting) {
    const QString help = Parse({"--help"}).Output;
    ASSERT_TRUE(help.startsWith("Usage: brelvik [options] [DECK]\n")) << help.toStdString();
    const QString version = "brelvik 0.0.8\n";
    const struct {
        QStringList arguments;
        int exitCode;
        QString output;
        QString errors;
        bool unknownOption;
    } cases[] = {
        {{"--version"}, 0, version, "", false},
        {{"mine.dek", "-v"}, 0, version, "", false},
        {{"-h", "a.dek", "b.dek"}, 0, help, "", false},
        {{"--bogus"}, 2, "", "brelvik: Unknown option 'bogus'.\n\n" + help, true},
        {{"a.dek", "b.dek"},
         2,
         "",
         "brelvik: Too many arguments: give at most one deck.\n\n" + help,
         false},
        {{""}, 2, "", "brelvik: The deck's path is empty.\n\n" + help, false},
    };
    for (const auto& c : cases) {
        const CommandLine line = Parse(c.arguments);
        const std::string arguments = c.arguments.join(' ').toStdString();
        EXPECT_FALSE(line.StartProgram) << arguments;
        EXPECT_EQ(line.ExitCode, c.exitCode) << arguments;
        EXPECT_EQ(line.Output, c.output) << arguments;
        EXPECT_EQ(line.Errors, c.errors) << arguments;
        EXPECT_EQ(line.UnknownOption, c.unknownOption) << arguments;
    }
}

}  // namespace
}  // namespace kestrava::test
