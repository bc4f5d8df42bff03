#include "app/Startup.h"

#include <QDir>
#include <QFileInfo>

#include <memory>
#include <optional>

#include "app/Form1.h"
#include "files/ui/FileWindows.h"

namespace kestrava {

namespace {

// Once there is a card list, so that the decks' lines find their cards: the deck a crash left
// behind first, then the one asked for, which replaces it only as any other deck would.
void OpenDecks(Form1& form, const QString& deckPath) {
    form.Keeper().OfferRecovery();
    if (!deckPath.isEmpty()) {
        form.Keeper().OpenDeck(deckPath);
    }
}

// The decks wait for the card list the dialog asks for: they come once the dialog has loaded
// one. When it did anything else the status line tells what, and when it closes untouched the
// deck asked for is reported as not loaded; a left copy waits for the next start.
void OpenDecksAfterCardList(Form1& form, Form2& dialog, const QString& deckPath) {
    auto cardListLoaded = std::make_shared<std::optional<bool>>();
    QObject::connect(&dialog, &Form2::ActionDone, &form,
                     [cardListLoaded](bool loaded) { *cardListLoaded = loaded; });
    QObject::connect(&dialog, &QDialog::finished, &form, [&form, cardListLoaded, deckPath] {
        if (cardListLoaded->value_or(false)) {
            OpenDecks(form, deckPath);
        } else if (!cardListLoaded->has_value() && !deckPath.isEmpty()) {
            form.Status().Loading(deckPath);
            form.Status().Failed();
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
    form.Status().Loading(CardListPath);
    form.show();
    if (!QFileInfo::exists(CardListPath)) {
        form.Files().ShowFileDialogForMissingCardList();
    } else if (form.LoadCardList(CardListPath)) {
        OpenDecks(form, deckPath);
        return;
    }
    if (Form2* dialog = form.Files().FileDialog(); dialog != nullptr) {
        OpenDecksAfterCardList(form, *dialog, deckPath);
    }
    // Otherwise the card list's failure stays on the status line: a deck read against no cards
    // would lose every line that needs one.
}

}  // namespace kestrava
