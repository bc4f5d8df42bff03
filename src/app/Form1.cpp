#include "app/Form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSessionManager>

#include "app/DeckQuestions.h"
#include "app/frmSplash.h"
#include "catalogue/CardList.h"
#include "catalogue/Illustrators.h"
#include "deck/DeckEditing.h"
#include "deck/ui/DeckListViews.h"
#include "files/ClipboardText.h"
#include "files/DeckFile.h"
#include "files/DeckHtml.h"
#include "files/ui/FileWindows.h"
#include "files/ui/ScreenCentre.h"
#include "search/CardFilter.h"
#include "search/ui/ComboPicks.h"
#include "search/ui/SearchBox.h"
#include "ui_Form1.h"

namespace kestrava {

Form1::Form1(CardCatalogue& catalogue, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::Form1>()),
      catalogue_(catalogue),
      document_(catalogue),
      recoveryFolder_(DefaultRecoveryFolder()) {
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
    recovery_ = std::make_unique<RecoveryCopy>(recoveryFolder_);
    deckViews_->Follow(document_);
    ui_->Frame6->Follow(document_);
    connect(&document_, &DeckDocument::Changed, this, &Form1::FollowDeck);
    // A save the question asked for that never happened lets its action go.
    connect(fileWindows_, &FileWindows::AllClosed, this, [this] { afterSave_ = {}; });

    ConnectFilters();
    ConnectDeckCommands();
    ConnectMenus();
    CreateEditMenu();
    CreateRecentMenu();
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

Form1::~Form1() {
    // A program that ends, however it ends, leaves no copy to offer; only a crash does.
    recovery_->Remove();
}

void Form1::Initialise() {
    // The window keeps the size of its design: 670 x 557 below the menu bar.
    ui_->centralwidget->setFixedSize(670, 557);
    setFixedSize(670, 557 + menuBar()->sizeHint().height());
    CentreOnScreen(*this);
    panel_ = InitialCardPanel();
    ShowPanel();
    ui_->Frame6->ShowTallies(document_.Tallies());
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
    connect(ui_->Text2, &QLineEdit::textChanged, this,
            [this](const QString& text) { document_.Rename(text); });
    connect(deckViews_, &DeckListViews::PopupRequested, this,
            [this](const QPoint& pos) { OpenContextMenu(PopupSource::DeckList, pos); });
}

void Form1::ConnectMenus() {
    connect(ui_->Open, &QAction::triggered, this,
            [this] { fileWindows_->ShowFileDialog(FileDialogMode::CardList); });
    connect(ui_->DeckOpen, &QAction::triggered, this, [this] { OpenDeck(); });
    connect(ui_->ImportClipboard, &QAction::triggered, this, [this] { ImportClipboard(); });
    connect(ui_->Save, &QAction::triggered, this,
            [this] { fileWindows_->ShowFileDialog(FileDialogMode::DeckSave); });
    connect(ui_->print_HTML, &QAction::triggered, this,
            [this] { fileWindows_->ShowFileDialog(FileDialogMode::HtmlSave); });
    connect(ui_->Quit, &QAction::triggered, this, &QWidget::close);
    connect(ui_->About, &QAction::triggered, this, [this] { ShowAbout(); });
    connect(ui_->SampleHand, &QAction::triggered, this, [this] { ShowSampleHand(); });
    connect(ui_->ToClipboard, &QAction::triggered, this, [this] { CopyToClipboard(); });
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
        document_.AddCopies(item->text(), requested);
    }
}

void Form1::RemoveOneCopy() {
    document_.RemoveOneCopy(deckViews_->SelectedIndex());
}

void Form1::RemoveLine() {
    document_.RemoveLine(deckViews_->SelectedIndex());
}

void Form1::OpenContextMenu(kestrava::PopupSource source, const QPoint& globalPos) {
    PopupSource_ = source;
    contextmenu_->popup(globalPos);
}

void Form1::CopyToClipboard() {
    QString text;
    if (PopupSource_ == PopupSource::DeckList) {
        text = DeckClipboardText(document_.CurrentDeck());
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
    }
    // Not over the panel its drawn cards fill.
    sampleHand_->Open(QRect(ui_->Frame3->mapToGlobal(QPoint(0, 0)), ui_->Frame3->size()));
}

void Form1::SampleDeckChanged() {
    if (sampleHand_ != nullptr) {
        sampleHand_->DeckChanged();
    }
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

void Form1::SetStatus(const QString& text) {
    ui_->Frame6->StatusLabel()->setText(text);
}

void Form1::MarkStatusFailed() {
    QLabel* status = ui_->Frame6->StatusLabel();
    status->setText(status->text() + QStringLiteral(" (失敗)"));
}

bool Form1::LoadCardList(const QString& path) {
    switch (kestrava::LoadCardList(catalogue_, path)) {
        case CardListLoad::OpenFailed:
            fileWindows_->ShowFileDialogForMissingCardList();
            return false;
        case CardListLoad::ReadFailed:
            return false;
        case CardListLoad::Loaded:
            break;
    }
    // The deck stays; its statistics follow the cards its lines now stand for.
    document_.RecountTallies();
    return true;
}

void Form1::RefreshCardList() {
    MakeSeq();
    Change_List();
}

bool Form1::LoadDeckFile(const QString& path) {
    // The reader keeps the old name when the file has none.
    Deck deck;
    deck.DeckName = document_.CurrentDeck().DeckName;
    DeckTallies tallies;
    if (!kestrava::LoadDeckFile(path, catalogue_, deck, tallies)) {
        return false;
    }
    document_.LoadFrom(deck, path);
    NoteRecentDeck(path);
    return true;
}

bool Form1::SaveDeckFile(const QString& path) {
    if (!kestrava::SaveDeckFile(path, document_.CurrentDeck(), document_.Tallies(),
                                catalogue_.FactionNames)) {
        return false;
    }
    document_.MarkSaved(path);
    NoteRecentDeck(path);
    if (afterSave_) {
        // After the dialog that saved has closed.
        QTimer::singleShot(0, this, std::exchange(afterSave_, {}));
    }
    return true;
}

bool Form1::SaveDeckHtml(const QString& path) {
    return kestrava::SaveDeckHtml(path, document_.CurrentDeck(), document_.Tallies(),
                                  catalogue_.FactionNames);
}

}  // namespace kestrava
