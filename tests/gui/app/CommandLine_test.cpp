#include <gtest/gtest.h>

#include <QDir>

#include "app/CommandLine.h"
#include "support/QtPrinters.h"

namespace kestrava::test {
namespace {

const QString kCurrentDir = QStringLiteral("/home/user/decks");

CommandLine Parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("/usr/bin/brelvik"));
    return ParseCommandLine(arguments, kCurrentDir);
}

std::string Joined(const QStringList& arguments) {
    return arguments.join(' ').toStdString();
}

QString Native(const char* path) {
    return QDir::toNativeSeparators(QString::fromUtf8(path));
}

TEST(CommandLine, ADeckArgumentBecomesAFullPath) {
    const struct {
        QStringList arguments;
        QString deckPath;
    } cases[] = {
        {{}, {}},
        {{"mine.dek"}, Native("/home/user/decks/mine.dek")},
        {{"/srv/shared/their.dek"}, Native("/srv/shared/their.dek")},
        {{"../old/./mine.dek"}, Native("/home/user/old/mine.dek")},
        {{"--", "-dash.dek"}, Native("/home/user/decks/-dash.dek")},
        {{"デッキ 1.dek"}, Native("/home/user/decks/デッキ 1.dek")},
    };
    for (const auto& c : cases) {
        const CommandLine line = Parse(c.arguments);
        EXPECT_TRUE(line.StartProgram) << Joined(c.arguments);
        EXPECT_EQ(line.DeckPath, c.deckPath) << Joined(c.arguments);
        EXPECT_EQ(line.Output + line.Errors, "") << Joined(c.arguments);
    }
}

TEST(CommandLine, VersionAndHelpPrintAndEndWithoutAWindow) {
    const QString help = Parse({"--help"}).Output;
    EXPECT_TRUE(help.startsWith("Usage: brelvik [options] [DECK]\n")) << help.toStdString();
    for (const char* option : {"-h, --help", "-v, --version", "DECK"}) {
        EXPECT_TRUE(help.contains(QString::fromUtf8(option))) << option;
    }
    const struct {
        QStringList arguments;
        QString output;
    } cases[] = {
        {{"--version"}, "brelvik 0.0.8\n"},
        {{"-v"}, "brelvik 0.0.8\n"},
        {{"mine.dek", "--version"}, "brelvik 0.0.8\n"},
        {{"-h"}, help},
        {{"a.dek", "b.dek", "--help"}, help},
    };
    for (const auto& c : cases) {
        const CommandLine line = Parse(c.arguments);
        EXPECT_FALSE(line.StartProgram) << Joined(c.arguments);
        EXPECT_EQ(line.ExitCode, 0) << Joined(c.arguments);
        EXPECT_EQ(line.Output, c.output) << Joined(c.arguments);
        EXPECT_EQ(line.Errors, "") << Joined(c.arguments);
    }
}

TEST(CommandLine, MisuseGivesTheUsageOnStandardErrorAndStatusTwo) {
    const QString help = Parse({"--help"}).Output;
    const struct {
        QStringList arguments;
        QString error;
        bool unknownOption;
    } cases[] = {
        {{"--bogus"}, "Unknown option 'bogus'.", true},
        {{"-x", "mine.dek"}, "Unknown option 'x'.", true},
        {{"a.dek", "b.dek"}, "Too many arguments: give at most one deck.", false},
        {{""}, "The deck's path is empty.", false},
    };
    for (const auto& c : cases) {
        const CommandLine line = Parse(c.arguments);
        EXPECT_FALSE(line.StartProgram) << Joined(c.arguments);
        EXPECT_EQ(line.ExitCode, 2) << Joined(c.arguments);
        EXPECT_EQ(line.Output, "") << Joined(c.arguments);
        EXPECT_EQ(line.Errors, "brelvik: " + c.error + "\n\n" + help) << Joined(c.arguments);
        EXPECT_EQ(line.UnknownOption, c.unknownOption) << Joined(c.arguments);
    }
}

}  // namespace
}  // namespace kestrava::test
