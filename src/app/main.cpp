#include <QApplication>
#include <QFont>

#include "app/Fonts.h"
#include "app/Form1.h"
#include "app/Startup.h"
#include "platform/Cp932.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!kestrava::Cp932Available()) {
        qCritical("This Qt has no code page 932 converter; card lists and decks cannot be read.");
        return 1;
    }
    kestrava::InstallFontSubstitutions();
    QApplication::setFont(QFont(kestrava::kFixedFont, 9));
    kestrava::CardCatalogue catalogue;
    kestrava::Form1 form(catalogue);
    kestrava::Main(catalogue, form,
                   kestrava::CardListPathIn(QCoreApplication::applicationDirPath()));
    return app.exec();
}
