#include <QApplication>
#include <QDir>

#include "app/CommandLine.h"
#include "app/Program.h"
#include "platform/Cp932.h"

int main(int argc, char** argv) {
    // Help, version and misuse are answered before QApplication, which needs a display.
    const kestrava::CommandLine commandLine =
        kestrava::ParseCommandLine(kestrava::ArgumentsOf(argc, argv), QDir::currentPath());
    if (!commandLine.StartProgram) {
        return kestrava::Finish(commandLine);
    }
    QApplication app(argc, argv);
    if (!kestrava::Cp932Available()) {
        qCritical("This Qt has no code page 932 converter; card lists and decks cannot be read.");
        return 1;
    }
    return kestrava::RunProgram(commandLine.DeckPath);
}
