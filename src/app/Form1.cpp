#include "app/Form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPointer>

#include "app/DeckQuestions.h"
#include "app/frmSplash.h"
#include "catalogue/CardList.h"
#include "catalogue/Illustrators.h"
#include "deck/DeckEditing.h"
#include "deck/ui/DeckListViews.h"
#include "files/ClipboardText.h"
#include "files/ui/FileWindows.h"
#include "files/ui/ImportDialog.h"
#include "files/ui/RecentDecksMenu.h"
#include "files/ui/ScreenCentre.h"
#include "search/CardFilter.h"
#include "search/ui/ComboPicks.h"
#include "search/ui/SearchBox.h"
#include "ui_Form1.h"

namespace kestrava {

Form1::Form1(CardCatalogue& catalogue, const QString& recoveryFolder, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::Form1>()),
      catalogue_(catalogue),
      keeper_(catalogue, *this, status_, recoveryFolder) {
    ui_->setupUi(this);
    ui_->Combo3->hide();
    for (int box = 1; box <= kFilterBoxCount; ++box) {
        boxes_[box] = findChild<QCheckBox*>(QStringLiteral("Check%1").arg(box));
        Q_ASSERT(boxes_[box] != nullptr);
    }
    contextmenu_ = new QMenu(QStringLiteral("コンテキストメニュー"), this);
    contextmenu_->setObjectName(QStringLiteral("contextmenu"));
    contextmenu_->addAction(ui_->ToClipboard);
    deckViews_ = new DeckListViews(ui_->List2, ui_->List3, ui_->Text1, this);
    fileWindows_ = new FileWindows(*this, this);
    deckViews_->Follow(Document());
    ui_->Frame6->Follow(Document());
    connect(&Document(), &DeckDocument::Changed, this, &Form1::FollowDeck);
    connect(&status_, &StatusLine::Changed, ui_->Frame6->StatusLabel(), &QLabel::setText);
    // A save the question asked for that never happened lets its action go.
    connect(fileWindows_, &FileWindows::AllClosed, &keeper_, &DeckKeeper::DropWaitingAction);
    ui_->mnuFile->insertMenu(ui_->Save, new RecentDecksMenu(keeper_, this));

    ConnectFilters();
    ConnectDeckCommands();
    ConnectMenus();
    CreateEditMenu();
    searchBox_ = new SearchBox(*menuBar());
    menuBar()->setCornerWidget(searchBox_, Qt::TopRightCorner);
    connect(searchBox_, &SearchBox::SearchChanged, this, &Form1::Change_List);
    connect(searchBox_, &SearchBox::GoToResults, this, [this] {
        // The first line found, chosen as a click would.
        if (ui_->List1->count() > 0) {
            ui_->List1->setFocus(Qt::OtherFocusReason);
            ui_->List1->setCurrentRow(0);
        }
    });
    Initialise();
}

Form1::~Form1() = default;

void Form1::Initialise() {
    // The window keeps the size of its design: 670 x 557 below the menu bar.
    ui_->centralwidget->setFixedSize(670, 557);
    setFixedSize(670, 557 + menuBar()->sizeHint().height());
    CentreOnScreen(*this);
    panel_ = InitialCardPanel();
    ShowPanel();
    ui_->Frame6->ShowTallies(Tallies());
    ShowTitle();
    SelectedIllustrator_ = kAllIllustrators;
    ui_->Combo1->addItems(IllustratorList());
    ui_->Combo1->setCurrentIndex(-1);
    ui_->Combo1->setEditText(kAllIllustrators);
}

void Form1::ConnectFilters() {
    for (int box = 1; box <= kFilterBoxCount; ++box) {
        const bool faction = IsFactionBox(box);
        connect(boxes_[box], &QCheckBox::toggled, this, [this, faction] {
            if (faction) {
                // Unticking "ALL" raises its own handler first, as a click would.
                boxes_[kAllFactionsBox]->setChecked(false);
            }
            MakeSeq();
            Change_List();
        });
    }
    ConnectUserPicks(*ui_->Combo1, *this, [this](int index) {
        SelectedIllustrator_ = ui_->Combo1->itemText(index);
        ui_->Combo1->setEditText(SelectedIllustrator_);
        Change_List();
    });
    connect(ui_->Combo3, &QComboBox::activated, this, [this](int index) {
        ui_->Combo3->setEditText(ui_->Combo3->itemText(index));
        Change_List();
    });
    // A change of the selected line, never of the current row alone: focus makes the first row
    // current without selecting it.
    connect(ui_->List1, &QListWidget::itemSelectionChanged, this, [this] { ShowSelectedCard(); });
    connect(ui_->Frame3, &CardInfoPanel::FormationToggleRequested, this,
            [this] { ToggleFormation(); });
    connect(ui_->Frame3, &CardInfoPanel::PopupRequested, this,
            [this](const QPoint& pos) { OpenContextMenu(PopupSource::CardPanel, pos); });
}

void Form1::ConnectDeckCommands() {
    connect(ui_->Command4, &QPushButton::clicked, this, [this] { AddCopies(1); });
    connect(ui_->Command2, &QPushButton::clicked, this, [this] { AddCopies(4); });
    connect(ui_->List1, &QListWidget::itemDoubleClicked, this, [this] { AddCopies(1); });
    connect(ui_->Command3, &QPushButton::clicked, this, [this] { RemoveOneCopy(); });
    connect(ui_->Command1, &QPushButton::clicked, this, [this] { RemoveLine(); });
    // Typed by the user only: the box showing the document's name never makes a step.
    connect(ui_->Text2, &QLineEdit::textEdited, this,
            [this](const QString& text) { Document().Rename(text); });
    connect(deckViews_, &DeckListViews::PopupRequested, this,
            [this](const QPoint& pos) { OpenContextMenu(PopupSource::DeckList, pos); });
}

void Form1::ConnectMenus() {
    connect(ui_->Open, &QAction::triggered, this,
            [this] { fileWindows_->ShowFileDialog(FileDialogMode::CardList); });
    connect(ui_->DeckOpen, &QAction::triggered, this,
            [this] { fileWindows_->ShowFileDialog(FileDialogMode::DeckOpen); });
    connect(ui_->ImportClipboard, &QAction::triggered, this, [this] { ImportClipboard(); });
    connect(ui_->Save, &QAction::triggered, this,
            [this] { fileWindows_->ShowFileDialog(FileDialogMode::DeckSave); });
    connect(ui_->print_HTML, &QAction::triggered, this,
            [this] { fileWindows_->ShowFileDialog(FileDialogMode::HtmlSave); });
    connect(ui_->Quit, &QAction::triggered, this, &QWidget::close);
    connect(ui_->About, &QAction::triggered, this, [this] { ShowAbout(); });
    connect(ui_->SampleHand, &QAction::triggered, this, [this] { ShowSampleHand(); });
    connect(ui_->ToClipboard, &QAction::triggered, this, [this] { CopyToClipboard(); });
    ConnectShareMenu();
}

void Form1::MakeSeq() {
    FilterBoxes checked{};
    for (int box = 1; box <= kFilterBoxCount; ++box) {
        checked[box] = boxes_[box]->isChecked();
    }
    selection_ = MakeSelection(checked);
}

void Form1::Change_List() {
    ui_->List1->clear();
    MatchingCardLines(catalogue_, selection_, SelectedIllustrator_, searchBox_->Search(),
                      cardLines_);
    ui_->List1->addItems(cardLines_);
}

void Form1::ShowSelectedCard() {
    const QList<QListWidgetItem*> selected = ui_->List1->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    // Unlike a drawn card's, a line no card matches leaves what the reset leaves.
    ShowCardLine(panel_, catalogue_, selected.front()->text());
    ShowPanel();
}

void Form1::ToggleFormation() {
    kestrava::ToggleFormation(panel_, SecondFormationShown_, catalogue_);
    ShowPanel();
}

void Form1::ShowPanel() {
    ui_->Frame3->ShowPanel(panel_);
}

void Form1::AddCopies(qint16 requested) {
    const QListWidgetItem* item = ui_->List1->currentItem();
    if (item != nullptr && item->isSelected()) {
        Document().AddCopies(item->text(), requested);
    }
}

void Form1::RemoveOneCopy() {
    Document().RemoveOneCopy(deckViews_->SelectedIndex());
}

void Form1::RemoveLine() {
    Document().RemoveLine(deckViews_->SelectedIndex());
}

void Form1::OpenContextMenu(kestrava::PopupSource source, const QPoint& globalPos) {
    PopupSource_ = source;
    contextmenu_->popup(globalPos);
}

void Form1::CopyToClipboard() {
    QString text;
    if (PopupSource_ == PopupSource::DeckList) {
        text = DeckClipboardText(CurrentDeck());
    } else if (PopupSource_ == PopupSource::CardPanel) {
        text = CardClipboardText(panel_.CardName, panel_.Abilities, panel_.UpperText);
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

void Form1::ShowAbout() {
    if (splash_ == nullptr) {
        splash_ = new frmSplash();
    }
    splash_->show();
    splash_->raise();
    splash_->activateWindow();
}

void Form1::ShowSampleHand() {
    if (sampleHand_ == nullptr) {
        sampleHand_ = new Form4(*this, FreshSeed(), this);
        sampleHand_->Follow(Document());
    }
    // Not over the panel its drawn cards fill.
    sampleHand_->Open(QRect(ui_->Frame3->mapToGlobal(QPoint(0, 0)), ui_->Frame3->size()));
}

void Form1::ShowCardInPanel(const QString& line) {
    if (!ShowCardLine(panel_, catalogue_, line)) {
        // A drawn deck line the card list does not know: the panel shows that line and
        // nothing left of the card shown before.
        panel_ = CardPanelTexts{};
        panel_.CardName = QStringLiteral("カード名：") + line;
    }
    ShowPanel();
}

bool Form1::LoadCardList(const QString& path) {
    status_.Loading(path);
    switch (kestrava::LoadCardList(catalogue_, path)) {
        case CardListLoad::OpenFailed:
            status_.Failed();
            fileWindows_->ShowFileDialogForMissingCardList();
            return false;
        case CardListLoad::ReadFailed:
            status_.Failed();
            return false;
        case CardListLoad::Loaded:
            break;
    }
    // The deck stays; its statistics follow the cards its lines now stand for.
    Document().RecountTallies();
    return true;
}

FileOutcome Form1::Open(const QString& path, FileKind kind) {
    if (kind == FileKind::DeckFile) {
        return keeper_.OpenDeck(path);
    }
    if (kind == FileKind::DeckImage) {
        return ImportImageFile(path);
    }
    const bool loaded = LoadCardList(path);
    MakeSeq();
    Change_List();
    return loaded ? FileOutcome::Done : FileOutcome::Failed;
}

FileOutcome Form1::Save(const QString& path, FileKind kind) {
    bool saved = false;
    switch (kind) {
        case FileKind::HtmlPage:
            saved = keeper_.SaveHtml(path);
            break;
        case FileKind::RecipeImage:
        case FileKind::SheetPdf:
            saved = SaveShared(path, kind);
            break;
        default:
            saved = keeper_.SaveDeck(path);
            break;
    }
    return saved ? FileOutcome::Done : FileOutcome::Failed;
}

void Form1::ImportClipboard() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QString text = clipboard->text();
    if (text.isEmpty() && clipboard->mimeData() != nullptr && clipboard->mimeData()->hasImage()) {
        ImportImage(clipboard->image(), QStringLiteral("クリップボードの画像"));
        return;
    }
    ShowImport(text, QStringLiteral("クリップボード"));
}

void Form1::ShowImport(const QString& text, const QString& source) {
    auto* dialog = new ImportDialog(catalogue_, CurrentDeck().DeckName, this);
    dialog->ShowText(text, source);
    connect(dialog, &ImportDialog::ImportRequested, this,
            [this, dialog = QPointer<ImportDialog>(dialog)](const Deck& deck) {
                // Cancelled, the dialog stays with the user's choices.
                keeper_.ReplaceDeck(QStringLiteral("デッキリスト読み込み"), deck, [dialog] {
                    if (dialog != nullptr) {
                        dialog->close();
                    }
                });
            });
    // Modal to the main window only, so the file dialog can still save the deck first.
    dialog->open();
}

SaveAnswer Form1::AskToSave(const QString& deckName) {
    return AskToSaveDeck(this, deckName);
}

RestoreAnswer Form1::AskToRestore() {
    return AskToRestoreDeck(this);
}

void Form1::ChooseSavePath() {
    fileWindows_->ShowFileDialog(FileDialogMode::DeckSave);
}

}  // namespace kestrava
