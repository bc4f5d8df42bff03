#include "deck/ui/DeckListViews.h"

#include <QEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace kestrava {

namespace {

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

void SelectRow(QListWidget* list, int row) {
    if (SelectedRow(list) == row && list->currentRow() == row) {
        return;
    }
    // In single selection setCurrentRow also selects the row, and -1 clears the selection.
    list->setCurrentRow(row);
    if (row < 0) {
        list->clearSelection();
    }
}

int TopLine(const QListWidget* list) {
    return list->verticalScrollBar()->value();
}

// Rewrites only the entries that differ, so the top line and the selection stay put.
void ShowTexts(QListWidget* list, const QStringList& texts) {
    while (list->count() > texts.size()) {
        delete list->takeItem(list->count() - 1);
    }
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        if (item->text() != texts[i]) {
            item->setText(texts[i]);
        }
    }
    if (list->count() < texts.size()) {
        list->addItems(texts.mid(list->count()));
    }
}

void PrepareList(QListWidget* list) {
    list->setSortingEnabled(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Same row height in both lists, and a scroll bar value that is the top line's index.
    list->setUniformItemSizes(true);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // A horizontal bar in one list only would make it show a line fewer than the other.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The deck list raises its own pop-up on the press; neither list passes a menu request on.
    list->setContextMenuPolicy(Qt::PreventContextMenu);
}

bool IsRightButtonEvent(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return static_cast<const QMouseEvent*>(event)->button() == Qt::RightButton;
        default:
            return false;
    }
}

}  // namespace

DeckListViews::DeckListViews(QListWidget* deckList, QListWidget* countList, QLineEdit* totalBox,
                             QObject* parent)
    : QObject(parent),
      List2_(deckList),
      List3_(countList),
      Text1_(totalBox),
      deckViewport_(deckList->viewport()),
      countViewport_(countList->viewport()) {
    PrepareList(List2_);
    PrepareList(List3_);
    List3_->setFont(List2_->font());
    List3_->setSpacing(List2_->spacing());
    Text1_->setReadOnly(true);

    for (QListWidget* list : {List2_, List3_}) {
        QListWidget* other = list == List2_ ? List3_ : List2_;
        connect(list, &QListWidget::itemSelectionChanged, this,
                [this, list, other] { CopySelection(list, other); });
        connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this,
                [this, list, other] { CopyTopLine(list, other); });
        list->viewport()->installEventFilter(this);
    }
    ShowDeck(Deck{});
}

void DeckListViews::ShowDeck(const Deck& deck) {
    const int selected = SelectedIndex();
    const int top = TopLine(List2_);

    QStringList texts;
    QStringList counts;
    texts.reserve(static_cast<qsizetype>(deck.Lines.size()));
    counts.reserve(static_cast<qsizetype>(deck.Lines.size()));
    for (const DeckLine& line : deck.Lines) {
        texts.append(line.Text);
        counts.append(QString::number(line.Count));
    }

    syncing_ = true;
    ShowTexts(List2_, texts);
    ShowTexts(List3_, counts);
    const int keep = selected < List3_->count() ? selected : -1;
    SelectRow(List2_, keep);
    SelectRow(List3_, keep);
    syncing_ = false;
    SetTopLine(top);

    Text1_->setText(QString::number(deck.Total));
}

void DeckListViews::Follow(const DeckDocument& document) {
    connect(&document, &DeckDocument::Changed, this, [this, &document](DeckUpdate update) {
        const Deck& deck = document.CurrentDeck();
        switch (update) {
            case DeckUpdate::Renamed:
            case DeckUpdate::Recounted:
            case DeckUpdate::Saved:
                return;
            case DeckUpdate::Replaced:
                ShowLoadedDeck(deck);
                return;
            case DeckUpdate::LineAppended:
                ShowDeck(deck);
                ScrollToEnd();
                return;
            case DeckUpdate::LineRemoved:
            case DeckUpdate::HistoryMoved:
                ShowDeck(deck);
                // The next "<" must not hit a line the user never chose.
                ClearSelection();
                return;
            case DeckUpdate::Edited:
                ShowDeck(deck);
                return;
        }
    });
}

void DeckListViews::ShowLoadedDeck(const Deck& deck) {
    ClearSelection();
    ShowDeck(deck);
    SetTopLine(0);
}

void DeckListViews::ScrollToEnd() {
    syncing_ = true;
    for (QListWidget* list : {List2_, List3_}) {
        // Rows just added reach the scroll range only on the next layout pass; lay out now so
        // the bottom is the new last line.
        list->doItemsLayout();
        list->scrollToBottom();
    }
    syncing_ = false;
    CopyTopLine(List2_, List3_);
}

int DeckListViews::SelectedIndex() const {
    return SelectedRow(List3_);
}

void DeckListViews::ClearSelection() {
    syncing_ = true;
    SelectRow(List2_, -1);
    SelectRow(List3_, -1);
    syncing_ = false;
}

bool DeckListViews::eventFilter(QObject* watched, QEvent* event) {
    // Events also arrive while a list is being destroyed: test the event before anything else,
    // and compare viewports without calling into the lists.
    if (!IsRightButtonEvent(event)) {
        return QObject::eventFilter(watched, event);
    }
    const bool onDeckList = watched == deckViewport_;
    if (onDeckList || watched == countViewport_) {
        if (onDeckList && event->type() == QEvent::MouseButtonPress) {
            emit PopupRequested(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        }
        // A right button selects nothing here: the remove commands act on the left-click
        // selection only.
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void DeckListViews::CopySelection(QListWidget* from, QListWidget* to) {
    if (syncing_) {
        return;
    }
    syncing_ = true;
    SelectRow(to, SelectedRow(from));
    // Selecting may have scrolled the other list to its row; the source's top line rules.
    to->verticalScrollBar()->setValue(TopLine(from));
    syncing_ = false;
}

void DeckListViews::CopyTopLine(QListWidget* from, QListWidget* to) {
    if (syncing_ || TopLine(to) == TopLine(from)) {
        return;
    }
    syncing_ = true;
    to->verticalScrollBar()->setValue(TopLine(from));
    syncing_ = false;
}

void DeckListViews::SetTopLine(int top) {
    syncing_ = true;
    List2_->verticalScrollBar()->setValue(top);
    List3_->verticalScrollBar()->setValue(TopLine(List2_));
    syncing_ = false;
}

}  // namespace kestrava
