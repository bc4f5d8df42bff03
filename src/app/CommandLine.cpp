#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QDir>

#include <cstdio>

#include "app/Version.h"

namespace kestrava {

namespace {

// Written out rather than taken from the parser, which can only name the program once a
// QCoreApplication exists; help and version are answered before there is one.
const QString kHelp = QStringLiteral(
    "Usage: brelvik [options] [DECK]\n"
    "Kestrava Deck Builder: builds, saves and exports decks for the Kestrava card game.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Displays this help.\n"
    "  -v, --version  Displays the version.\n"
    "\n"
    "Arguments:\n"
    "  DECK           A deck file (*.dek) to open after start-up.\n");

CommandLine UsageError(const QString& error) {
    CommandLine result;
    result.StartProgram = false;
    result.ExitCode = kUsageExitCode;
    result.Errors = QStringLiteral("brelvik: ") + error + QStringLiteral("\n\n") + kHelp;
    return result;
}

CommandLine Finished(const QString& output) {
    CommandLine result;
    result.StartProgram = false;
    result.Output = output;
    return result;
}

// Where a shell finds the file: the path as typed, joined to the current folder. ".." is left
// for the file system to resolve; taken out by hand it would climb out of a linked folder's
// name instead of its target.
QString FullPath(const QString& argument, const QString& currentDirectory) {
    return QDir::toNativeSeparators(QDir(currentDirectory).filePath(argument));
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments, const QString& currentDirectory) {
    QCommandLineParser parser;
    // Qt's own options are single-dash words ("-platform offscreen"), not bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    // The toolkit takes these itself once it starts; known here, with their values, so that
    // everything else can be refused before it starts (it needs a display to).
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display", "geometry",
          "qmljsdebugger", "name", "title", "visual"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        return UsageError(parser.errorText());
    }
    if (parser.isSet(version)) {
        return Finished(QStringLiteral("brelvik " KESTRAVA_VERSION "\n"));
    }
    if (parser.isSet(help)) {
        return Finished(kHelp);
    }
    const QStringList decks = parser.positionalArguments();
    if (decks.size() > 1) {
        return UsageError(QStringLiteral("Too many arguments: give at most one deck."));
    }
    CommandLine result;
    if (!decks.isEmpty()) {
        if (decks.front().isEmpty()) {
            return UsageError(QStringLiteral("The deck's path is empty."));
        }
        result.DeckPath = FullPath(decks.front(), currentDirectory);
    }
    return result;
}

QStringList ArgumentsOf(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

int Finish(const CommandLine& commandLine) {
    std::fputs(commandLine.Output.toLocal8Bit().constData(), stdout);
    std::fputs(commandLine.Errors.toLocal8Bit().constData(), stderr);
    return commandLine.ExitCode;
}

}  // namespace kestrava
