#include <QApplication>
#include <QDir>
#include <QFont>

#include "app/CommandLine.h"
#include "app/Fonts.h"
#include "app/Form1.h"
#include "app/Startup.h"

int main(int argc, char** argv) {
    // Help, version and misuse are answered before QApplication, which needs a display.
    const kestrava::CommandLine commandLine =
        kestrava::ParseCommandLine(kestrava::ArgumentsOf(argc, argv), QDir::currentPath());
    if (!commandLine.StartProgram) {
        return kestrava::Finish(commandLine);
    }
    QApplication app(argc, argv);
    // Ties the windows to the desktop entry, so the desktop shows its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("brelvik"));
    kestrava::InstallFontSubstitutions();
    QApplication::setFont(QFont(kestrava::kFixedFont, 9));
    kestrava::CardCatalogue catalogue;
    kestrava::Form1 form(catalogue);
    kestrava::Main(catalogue, form,
                   kestrava::CardListPathIn(QCoreApplication::applicationDirPath()),
                   commandLine.DeckPath);
    return app.exec();
}
