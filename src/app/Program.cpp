#include "app/Program.h"

#include <QApplication>

#include "app/Fonts.h"
#include "app/Form1.h"
#include "app/Startup.h"

namespace kestrava {

int RunProgram(const QString& deckPath) {
    // Ties the windows to the desktop entry, so the desktop shows its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("brelvik"));
    InstallFonts();
    CardCatalogue catalogue;
    Form1 form(catalogue);
    Main(catalogue, form, CardListPathIn(QCoreApplication::applicationDirPath()), deckPath);
    return QApplication::exec();
}

}  // namespace kestrava
