#include "app/Program.h"

#include <QApplication>
#include <QFont>

#include "app/Fonts.h"
#include "app/Form1.h"
#include "app/Startup.h"

namespace kestrava {

int RunProgram(const QString& deckPath) {
    // Ties the windows to the desktop entry, so the desktop shows its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("brelvik"));
    // Settings in ~/.config/brelvik/brelvik.conf; without an organisation they would fail.
    QCoreApplication::setOrganizationName(QStringLiteral("brelvik"));
    QCoreApplication::setApplicationName(QStringLiteral("brelvik"));
    InstallFontSubstitutions();
    QApplication::setFont(QFont(kFixedFont, 9));
    CardCatalogue catalogue;
    Form1 form(catalogue);
    Main(catalogue, form, CardListPathIn(QCoreApplication::applicationDirPath()), deckPath);
    return QApplication::exec();
}

}  // namespace kestrava
