// The program as main() runs it, without a deck, ended once its main window is on the screen.
#include <QApplication>

#include "app/Program.h"
#include "bench/startup/FirstExpose.h"

int main(int argc, char** argv) {
    kestrava::StartReadingFontConfiguration();
    QApplication app(argc, argv);
    kestrava::bench::FirstExpose firstExpose;
    return kestrava::RunProgram({});
}
