// The main window: the filter panel, the card list, the card information panel, the deck
// lists with their commands and statistics, and the menus. Its handlers read controls, call
// the logic and show the result. The deck's life (its document, file, recovery copy, recent
// decks and the question before it goes) is the keeper's; the views follow its document.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

#include "app/frmSplash.h"
#include "catalogue/CardRecord.h"
#include "deck/Deck.h"
#include "deck/DeckDocument.h"
#include "deck/DeckTallies.h"
#include "files/DeckKeeper.h"
#include "files/DeckPrompts.h"
#include "files/FileActions.h"
#include "files/StatusLine.h"
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
class SearchBox;

// Which area last opened the context menu, for its clipboard command; the values are those the
// program has always used.
enum class PopupSource : qint32 { None = 0, DeckList = 1, CardPanel = 4 };

class Form1 : public QMainWindow, public FileActions, public SampleDeckSource, private DeckPrompts {
    Q_OBJECT

  public:
    // Recovery copies go to recoveryFolder (the per-user one unless a test says otherwise).
    explicit Form1(CardCatalogue& catalogue,
                   const QString& recoveryFolder = DefaultRecoveryFolder(),
                   QWidget* parent = nullptr);
    ~Form1() override;

    void MakeSeq();
    void Change_List();
    // Reads the card list at path; on a file that cannot be opened the file dialog asks for
    // another. False when nothing was loaded.
    bool LoadCardList(const QString& path);

    // FileActions: what the file dialog and the confirmation ask of the main window.
    StatusLine& Status() override { return status_; }
    FileOutcome Open(const QString& path, FileKind kind) override;
    FileOutcome Save(const QString& path, FileKind kind) override;

    // SampleDeckSource: what the sample-hand window asks of the main window.
    const Deck& SampleDeck() const override { return CurrentDeck(); }
    const CardCatalogue& SampleCatalogue() const override { return catalogue_; }
    void ShowCardInPanel(const QString& line) override;

    DeckKeeper& Keeper() { return keeper_; }
    FileWindows& Files() { return *fileWindows_; }
    Form4* SampleHandWindow() const { return sampleHand_; }  // nullptr until first opened

    // State the tests and the dialogs read.
    DeckDocument& Document() { return keeper_.Document(); }
    const Deck& CurrentDeck() const { return keeper_.Document().CurrentDeck(); }
    const DeckTallies& Tallies() const { return keeper_.Document().Tallies(); }
    const SelectionState& Selection() const { return selection_; }
    const QString& SelectedIllustrator() const { return SelectedIllustrator_; }
    kestrava::PopupSource PopupSource() const { return PopupSource_; }
    QMenu* ContextMenu() const { return contextmenu_; }
    frmSplash* Splash() const { return splash_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    // A .dek file dropped opens; a picture dropped imports its QR code.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // DeckPrompts: the keeper's questions, as message boxes over this window.
    SaveAnswer AskToSave(const QString& deckName) override;
    RestoreAnswer AskToRestore() override;
    void ChooseSavePath() override;

    void Initialise();
    void ConnectFilters();
    void ConnectDeckCommands();
    void ConnectMenus();
    void CreateEditMenu();
    // Every change of the deck: the name box and the title bar.
    void FollowDeck();
    void ShowTitle();
    // Reads the clipboard's text (or, without text, its picture's QR code) into the import
    // dialog.
    void ImportClipboard();
    // The import dialog over text read from source; 読み込む replaces the deck through the keeper.
    void ShowImport(const QString& text, const QString& source);

    // Sharing (Form1Share.cpp): the deck code, the recipe image and the registration sheet.
    void ConnectShareMenu();
    bool SaveShared(const QString& path, FileKind kind);
    void PrintSheet();
    FileOutcome ImportImageFile(const QString& path);
    // The deck the QR code in image carries, or the text it holds, into the import dialog; a
    // picture without one is said so.
    FileOutcome ImportImage(const QImage& image, const QString& source);

    void ShowSelectedCard();
    void ToggleFormation();
    void AddCopies(qint16 requested);
    void RemoveOneCopy();
    void RemoveLine();
    void ShowPanel();
    void OpenContextMenu(kestrava::PopupSource source, const QPoint& globalPos);
    void CopyToClipboard();
    void ShowAbout();
    void ShowSampleHand();

    std::unique_ptr<Ui::Form1> ui_;
    CardCatalogue& catalogue_;
    StatusLine status_;
    DeckKeeper keeper_;
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
    SearchBox* searchBox_ = nullptr;  // what it holds narrows the card list; empty, nothing
    QPointer<frmSplash> splash_;
    QPointer<Form4> sampleHand_;
};

}  // namespace kestrava
