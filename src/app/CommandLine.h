// The program's command line: at most one deck file to open after start-up, --help and
// --version. Parsing prints nothing and ends nothing, so main() decides and tests read it all.
#pragma once

#include <QString>
#include <QStringList>

namespace kestrava {

// The exit status of a command line that cannot be used.
constexpr int kUsageExitCode = 2;

struct CommandLine {
    bool StartProgram = true;  // false: print the texts and end with ExitCode, no window
    int ExitCode = 0;
    QString Output;    // for standard output
    QString Errors;    // for standard error
    QString DeckPath;  // the deck to open: full path, native separators; empty for none
};

// arguments with the program first, as main() receives them: the toolkit's own options
// (-platform, -style, ...) are let through for it to take. A relative deck path is joined
// to currentDirectory as typed, "." and ".." kept.
CommandLine ParseCommandLine(const QStringList& arguments, const QString& currentDirectory);

// The arguments as main() receives them, before QApplication takes out its own.
QStringList ArgumentsOf(int argc, const char* const* argv);

// Writes Output to standard output and Errors to standard error; gives ExitCode.
int Finish(const CommandLine& commandLine);

}  // namespace kestrava
