// Form1's import of a deck list shared as text: the dialog shows what each line becomes, and
// the deck it makes replaces this one as one step, after the unsaved-deck question.
#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>

#include "app/Form1.h"
#include "files/ui/ImportDialog.h"

namespace kestrava {

void Form1::ImportClipboard() {
    auto* dialog = new ImportDialog(catalogue_, document_.CurrentDeck().DeckName, this);
    dialog->ShowText(QGuiApplication::clipboard()->text(), QStringLiteral("クリップボード"));
    connect(dialog, &ImportDialog::ImportRequested, this,
            [this, dialog = QPointer<ImportDialog>(dialog)](const Deck& deck) {
                const auto replace = [this, dialog, deck] {
                    document_.Replace(QStringLiteral("デッキリスト読み込み"), deck);
                    if (dialog != nullptr) {
                        dialog->close();
                    }
                };
                // Cancelled, the dialog stays with the user's choices; a save through the file
                // dialog replaces the deck once it has succeeded.
                if (MayDiscardDeck(replace)) {
                    replace();
                }
            });
    // Modal to the main window only, so the file dialog can still save the deck first.
    dialog->open();
}

}  // namespace kestrava
