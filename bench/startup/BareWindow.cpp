// The start-up baseline: a bare window of the main window's size showing one Japanese label in
// the main window's font, ended once it is on the screen.
#include <QApplication>
#include <QFont>
#include <QLabel>

#include "app/Fonts.h"
#include "bench/startup/FirstExpose.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kestrava::bench::FirstExpose firstExpose;
    kestrava::InstallFontSubstitutions();
    QApplication::setFont(QFont(kestrava::kFixedFont, 9));
    QLabel window(QStringLiteral("カード情報"));
    window.setFixedSize(670, 578);
    window.show();
    return QApplication::exec();
}
