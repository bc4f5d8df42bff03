#include <QApplication>
#include <QDir>

#include "app/CommandLine.h"
#include "app/Program.h"

int main(int argc, char** argv) {
    // Help, version and misuse are answered before QApplication, which needs a display.
    const kestrava::CommandLine commandLine =
        kestrava::ParseCommandLine(kestrava::ArgumentsOf(argc, argv), QDir::currentPath());
    if (!commandLine.StartProgram) {
        return kestrava::Finish(commandLine);
    }
    kestrava::StartReadingFontConfiguration();
    QApplication app(argc, argv);
    return kestrava::RunProgram(commandLine.DeckPath);
}
