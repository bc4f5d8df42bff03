// The main window: the filter panel, the card list, the card information panel, the deck
// lists with their commands and statistics, and the menus. Its handlers read controls, call
// the logic and show the result; the deck lives in one deck document, which the views follow.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

#include "app/frmSplash.h"
#include "catalogue/CardRecord.h"
#include "deck/Deck.h"
#include "deck/DeckDocument.h"
#include "deck/DeckEditing.h"
#include "deck/DeckTallies.h"
#include "files/RecoveryCopy.h"
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
class SearchBox;

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
    const Deck& SampleDeck() const override { return document_.CurrentDeck(); }
    const CardCatalogue& SampleCatalogue() const override { return catalogue_; }
    void ShowCardInPanel(const QString& line) override;

    FileWindows& Files() { return *fileWindows_; }
    Form4* SampleHandWindow() const { return sampleHand_; }  // nullptr until first opened

    // Offers the deck a program that did not close normally left in the recovery folder.
    void OfferRecovery();
    // True when an unsaved deck may go now (nothing unsaved, saved, or the user lets it go);
    // when the user saves through the file dialog, then runs after that save succeeds.
    bool MayDiscardDeck(std::function<void()> then);
    // Keeps this program's recovery copy in folder instead of the per-user one.
    void UseRecoveryFolder(const QString& folder);

    // State the tests and the dialogs read.
    DeckDocument& Document() { return document_; }
    const Deck& CurrentDeck() const { return document_.CurrentDeck(); }
    const DeckTallies& Tallies() const { return document_.Tallies(); }
    const SelectionState& Selection() const { return selection_; }
    const QString& SelectedIllustrator() const { return SelectedIllustrator_; }
    kestrava::PopupSource PopupSource() const { return PopupSource_; }
    QMenu* ContextMenu() const { return contextmenu_; }
    frmSplash* Splash() const { return splash_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Initialise();
    void ConnectFilters();
    void ConnectDeckCommands();
    void ConnectMenus();
    void CreateEditMenu();
    // Every change of the deck: the name box, the title bar, the sample hand, the recovery copy.
    void FollowDeck(DeckUpdate update);
    void ShowTitle();
    void WriteRecoveryCopy();
    void OpenDeck();
    // Reads the clipboard's text into the import dialog.
    void ImportClipboard();
    // The recent-decks submenu; a deck loaded or saved goes to the top of its list.
    void CreateRecentMenu();
    void ShowRecentDecks();
    void NoteRecentDeck(const QString& path);
    void OpenRecentDeck(const QString& path);

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
    // Every change of the deck or the card list ends here, so the sample hand follows it.
    void SampleDeckChanged();

    std::unique_ptr<Ui::Form1> ui_;
    CardCatalogue& catalogue_;
    DeckDocument document_;
    std::unique_ptr<RecoveryCopy> recovery_;
    QString recoveryFolder_;
    QTimer recoveryTimer_;
    // What a question's 保存 interrupted, when the file dialog makes the save.
    std::function<void()> afterSave_;
    bool closing_ = false;  // the question was answered: the next close goes through
    SelectionState selection_;
    QString SelectedIllustrator_;
    QStringList cardLines_;  // kept between refreshes to spare the allocator
    CardPanelTexts panel_;
    bool SecondFormationShown_ = false;
    kestrava::PopupSource PopupSource_ = kestrava::PopupSource::None;
    std::array<QCheckBox*, kFilterBoxCount + 1> boxes_{};
    QMenu* contextmenu_ = nullptr;
    QMenu* recentDecks_ = nullptr;
    DeckListViews* deckViews_ = nullptr;
    FileWindows* fileWindows_ = nullptr;
    SearchBox* searchBox_ = nullptr;  // what it holds narrows the card list; empty, nothing
    QPointer<frmSplash> splash_;
    QPointer<Form4> sampleHand_;
};

}  // namespace kestrava
