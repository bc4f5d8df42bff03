#include "app/Startup.h"

#include <QDir>
#include <QFileInfo>

#include "app/Form1.h"
#include "files/ui/FileWindows.h"

namespace kestrava {

QString CardListPathIn(const QString& directory) {
    return QDir::toNativeSeparators(QDir(directory).filePath(QStringLiteral("kestrava.csv")));
}

void Main(CardCatalogue& catalogue, Form1& form, const QString& CardListPath) {
    catalogue.FactionNames = DefaultFactionNames();
    form.SetStatus(QStringLiteral("Load ") + CardListPath);
    form.show();
    if (!QFileInfo::exists(CardListPath)) {
        form.Files().ShowFileDialogForMissingCardList();
        return;
    }
    // A card list that is there but cannot be read is a failure; the dialog, when it opens
    // for one that cannot be opened, says so too.
    if (!form.LoadCardList(CardListPath)) {
        form.MarkStatusFailed();
    }
}

}  // namespace kestrava
