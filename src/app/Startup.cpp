#include "app/Startup.h"

#include <QDir>
#include <QFileInfo>

#include "app/Form1.h"
#include "files/ui/FileDialogMode.h"
#include "files/ui/FileWindows.h"

namespace kestrava {

QString CardListPathIn(const QString& directory) {
    return QDir::toNativeSeparators(QDir(directory).filePath(QStringLiteral("kestrava.csv")));
}

void Main(CardCatalogue& catalogue, Form1& form, const QString& CardListPath,
          const QString& deckPath) {
    catalogue.FactionNames = DefaultFactionNames();
    form.SetStatus(QStringLiteral("Load ") + CardListPath);
    form.show();
    if (!QFileInfo::exists(CardListPath)) {
        form.Files().ShowFileDialogForMissingCardList();
    } else if (!form.LoadCardList(CardListPath)) {
        // There but unreadable is a failure; the dialog, when it opens for a card list that
        // cannot be opened, says so too.
        form.MarkStatusFailed();
    }
    // After the card list, so the deck's lines are tallied against its cards; with the dialog
    // still asking for a card list, they count against an empty one until the user picks it.
    if (!deckPath.isEmpty() && !form.Open(deckPath, kDeckPattern)) {
        form.MarkStatusFailed();
    }
}

}  // namespace kestrava
