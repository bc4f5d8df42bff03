// Reading a deck list from text: every line with what became of it (一致, 候補 with a choice of
// the cards, 不明 kept or skipped, 無視 with why), and the deck's name, total and statistics as
// they would be. "読み込む" hands the deck on; the caller closes the dialog once it has taken it.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>
#include <vector>

#include "catalogue/CardRecord.h"
#include "deck/Deck.h"
#include "files/DeckListImport.h"

namespace Ui {
class ImportDialog;
}

namespace kestrava {

class ImportDialog : public QDialog {
    Q_OBJECT

  public:
    // keepName is the deck's name now, which the deck keeps when the text names none.
    ImportDialog(const CardCatalogue& catalogue, const QString& keepName,
                 QWidget* parent = nullptr);
    ~ImportDialog() override;

    // Shows the lines of text, read from source (shown as where they came from).
    void ShowText(const QString& text, const QString& source);
    // Shows the lines of the text file at path; false, the lines staying, when it cannot be read.
    bool OpenTextFile(const QString& path);

    // The deck as the lines and the choices make it now.
    const ImportedDeck& Result() const { return result_; }

  signals:
    void ImportRequested(const kestrava::Deck& deck);

  private:
    void FillTable();
    void Choose(int row, int index);
    // The deck, the notes, the total and the statistics after a change of the lines or choices.
    void Rebuild();
    void ChooseTextFile();

    std::unique_ptr<Ui::ImportDialog> ui_;
    const CardCatalogue& catalogue_;
    const QString keepName_;
    DeckListImport import_;
    std::vector<ImportChoice> choices_;
    ImportedDeck result_;
};

}  // namespace kestrava
