#include "app/Program.h"

#include <QApplication>

#include <thread>

#if KESTRAVA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include "app/Fonts.h"
#include "app/Form1.h"
#include "app/Startup.h"

namespace kestrava {
namespace {

// The thread that reads the font configuration; the toolkit's own start-up finds it read.
class FontConfigurationReader {
  public:
    ~FontConfigurationReader() { Wait(); }

    void Start() {
#if KESTRAVA_FONTCONFIG
        thread_ = std::thread([] { FcInit(); });
#endif
    }

    void Wait() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }

  private:
    std::thread thread_;
};

FontConfigurationReader& Reader() {
    static FontConfigurationReader reader;
    return reader;
}

}  // namespace

void StartReadingFontConfiguration() {
    Reader().Start();
}

int RunProgram(const QString& deckPath) {
    // Ties the windows to the desktop entry, so the desktop shows its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("brelvik"));
    // Settings in ~/.config/brelvik/brelvik.conf; without an organisation they would fail.
    QCoreApplication::setOrganizationName(QStringLiteral("brelvik"));
    QCoreApplication::setApplicationName(QStringLiteral("brelvik"));
    Reader().Wait();
    InstallFonts();
    CardCatalogue catalogue;
    Form1 form(catalogue);
    Main(catalogue, form, CardListPathIn(QCoreApplication::applicationDirPath()), deckPath);
    return QApplication::exec();
}

}  // namespace kestrava
