// The main window: the filter panel, the card list, the card information panel, the deck
// lists with their commands and statistics, and the menus. Its handlers read controls, call
// the logic and show the result; the deck lives in one Deck value and one DeckTallies value.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

#include "app/frmSplash.h"
#include "catalogue/CardRecord.h"
#include "deck/Deck.h"
#include "deck/DeckEditing.h"
#include "deck/DeckTallies.h"
#include "files/ui/FileActions.h"
#include "sample/ui/Form4.h"
#include "sample/ui/SampleDeckSource.h"
#include "search/CardPanel.h"
#include "search/SelectionState.h"

class QCheckBox;
class QMenu;

namespace Ui {
class Form1;
}

namespace kestrava {

class DeckListViews;
class FileWindows;

// Which area last opened the context menu, for its clipboard command; the values are those the
// program has always used.
enum class PopupSource : qint32 { None = 0, DeckList = 1, CardPanel = 4 };

class Form1 : public QMainWindow, public FileActions, public SampleDeckSource {
    Q_OBJECT

  public:
    explicit Form1(CardCatalogue& catalogue, QWidget* parent = nullptr);
    ~Form1() override;

    void MakeSeq();
    void Change_List();

    // FileActions: what the file dialog and the confirmation ask of the main window.
    void SetStatus(const QString& text) override;
    void MarkStatusFailed() override;
    bool LoadCardList(const QString& path) override;
    void RefreshCardList() override;
    bool LoadDeckFile(const QString& path) override;
    bool SaveDeckFile(const QString& path) override;
    bool SaveDeckHtml(const QString& path) override;

    // SampleDeckSource: what the sample-hand window asks of the main window.
    const Deck& SampleDeck() const override { return deck_; }
    const CardCatalogue& SampleCatalogue() const override { return catalogue_; }
    void ShowCardInPanel(const QString& line) override;

    FileWindows& Files() { return *fileWindows_; }
    Form4* SampleHandWindow() const { return sampleHand_; }  // nullptr until first opened

    // State the tests and the dialogs read.
    const Deck& CurrentDeck() const { return deck_; }
    const DeckTallies& Tallies() const { return tallies_; }
    const SelectionState& Selection() const { return selection_; }
    const QString& SelectedIllustrator() const { return SelectedIllustrator_; }
    kestrava::PopupSource PopupSource() const { return PopupSource_; }
    QMenu* ContextMenu() const { return contextmenu_; }
    frmSplash* Splash() const { return splash_; }

  private:
    void Initialise();
    void ConnectFilters();
    void ConnectDeckCommands();
    void ConnectMenus();

    void ShowSelectedCard();
    void ToggleFormation();
    void AddCopies(qint16 requested);
    void RemoveOneCopy();
    void RemoveLine();
    using RemoveCommand = DeckChange (*)(Deck&, DeckTallies&, const CardCatalogue&, int);
    void Remove(RemoveCommand command);
    void ShowDeck();
    void ShowPanel();
    void OpenContextMenu(kestrava::PopupSource source, const QPoint& globalPos);
    void CopyToClipboard();
    void ShowAbout();
    void ShowSampleHand();
    // Every change of the deck or the card list ends here, so the sample hand follows it.
    void SampleDeckChanged();

    std::unique_ptr<Ui::Form1> ui_;
    CardCatalogue& catalogue_;
    Deck deck_;
    DeckTallies tallies_;
    SelectionState selection_;
    QString SelectedIllustrator_;
    QStringList cardLines_;  // kept between refreshes to spare the allocator
    CardPanelTexts panel_;
    bool SecondFormationShown_ = false;
    kestrava::PopupSource PopupSource_ = kestrava::PopupSource::None;
    std::array<QCheckBox*, kFilterBoxCount + 1> boxes_{};
    QMenu* contextmenu_ = nullptr;
    DeckListViews* deckViews_ = nullptr;
    FileWindows* fileWindows_ = nullptr;
    QPointer<frmSplash> splash_;
    QPointer<Form4> sampleHand_;
};

}  // namespace kestrava
