// The start-up baseline: a bare window showing one Japanese label in the main window's font,
// ended once it is on the screen. It has the main window's size and place (centred, where the
// pointer of a fresh X server sits), so both fill as many pixels and get the same events.
#include <QApplication>
#include <QLabel>
#include <QScreen>

#include "app/Fonts.h"
#include "bench/startup/FirstExpose.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kestrava::bench::FirstExpose firstExpose;
    kestrava::InstallFonts();
    QLabel window(QStringLiteral("カード情報"));
    window.setFixedSize(670, 578);
    window.move(window.screen()->geometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
