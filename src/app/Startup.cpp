#include "app/Startup.h"

#include <QDir>
#include <QFileInfo>

#include <memory>
#include <optional>

#include "app/Form1.h"
#include "files/ui/FileDialogMode.h"
#include "files/ui/FileWindows.h"

namespace kestrava {

namespace {

void OpenDeck(Form1& form, const QString& deckPath) {
    if (!form.Open(deckPath, kDeckPattern)) {
        form.MarkStatusFailed();
    }
}

// The deck waits for the card list the dialog asks for, so that its lines find their cards:
// it is read once the dialog has loaded one, dropped when the dialog did anything else (the
// status line tells what), and reported as not loaded when the dialog closes untouched.
void OpenDeckAfterCardList(Form1& form, Form2& dialog, const QString& deckPath) {
    auto cardListLoaded = std::make_shared<std::optional<bool>>();
    QObject::connect(&dialog, &Form2::ActionDone, &form,
                     [cardListLoaded](bool loaded) { *cardListLoaded = loaded; });
    QObject::connect(&dialog, &QDialog::finished, &form, [&form, cardListLoaded, deckPath] {
        if (!cardListLoaded->has_value()) {
            form.SetStatus(QStringLiteral("Load ") + deckPath);
            form.MarkStatusFailed();
        } else if (**cardListLoaded) {
            OpenDeck(form, deckPath);
        }
    });
}

}  // namespace

QString CardListPathIn(const QString& directory) {
    return QDir::toNativeSeparators(QDir(directory).filePath(QStringLiteral("kestrava.csv")));
}

void Main(CardCatalogue& catalogue, Form1& form, const QString& CardListPath,
          const QString& deckPath) {
    catalogue.FactionNames = DefaultFactionNames();
    form.SetStatus(QStringLiteral("Load ") + CardListPath);
    form.show();
    bool cardListLoaded = false;
    if (!QFileInfo::exists(CardListPath)) {
        form.Files().ShowFileDialogForMissingCardList();
    } else if (form.LoadCardList(CardListPath)) {
        cardListLoaded = true;
    } else {
        // There but unreadable is a failure; the dialog, when it opens for a card list that
        // cannot be opened, says so too.
        form.MarkStatusFailed();
    }
    // A deck a crash left behind comes before the one asked for, which then replaces it only
    // as any other deck would: after the question whether to save it.
    form.OfferRecovery();
    if (deckPath.isEmpty()) {
        return;
    }
    if (cardListLoaded) {
        const auto open = [&form, deckPath] { OpenDeck(form, deckPath); };
        if (form.MayDiscardDeck(open)) {
            open();
        }
    } else if (Form2* dialog = form.Files().FileDialog(); dialog != nullptr) {
        OpenDeckAfterCardList(form, *dialog, deckPath);
    }
    // Otherwise the card list's failure stays on the status line: a deck read against no cards
    // would lose every line that needs one.
}

}  // namespace kestrava
