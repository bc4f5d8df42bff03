#include "sample/ui/Form4.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSettings>

#include "sample/Placement.h"

#include "ui_Form4.h"

namespace kestrava {

namespace {

constexpr std::array<int, 3> kDrawCounts = {1, 3, 7};
const QString kPlaceKey = QStringLiteral("SampleHand/Position");

QList<QRect> AvailableAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas << screen->availableGeometry();
    }
    return areas;
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

Form4::Form4(SampleDeckSource& source, std::uint32_t seed, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::Form4>()), source_(source), hand_(seed) {
    ui_->setupUi(this);
    setFixedSize(size());
    // Three short columns share the table's width; the designer cannot say so.
    ui_->Grid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    areas_ = {Area{PileKind::Main,
                   ui_->Label1,
                   ui_->List1,
                   {ui_->Command1, ui_->Command2, ui_->Command3},
                   ui_->Command4},
              Area{PileKind::Castle,
                   ui_->Label2,
                   ui_->List2,
                   {ui_->Command5, ui_->Command6, ui_->Command7},
                   ui_->Command8}};
    for (const Area& area : areas_) {
        ConnectArea(area);
    }
    connect(ui_->Command9, &QPushButton::clicked, this, &QWidget::close);
    ShowAnalysis();  // of no cards, until a read finds some
}

Form4::~Form4() = default;

void Form4::ConnectArea(const Area& area) {
    for (std::size_t i = 0; i < kDrawCounts.size(); ++i) {
        connect(area.Draws[i], &QPushButton::clicked, this,
                [this, &area, i] { Draw(area, kDrawCounts[i]); });
    }
    connect(area.Shuffle, &QPushButton::clicked, this, [this, &area] {
        ReadDeck();
        ShuffleArea(area);
    });
    // A click shows the card again even when the line was already selected.
    connect(area.Drawn, &QListWidget::itemClicked, this, &Form4::ShowCard);
    connect(area.Drawn, &QListWidget::itemSelectionChanged, this, [this, &area] {
        const QList<QListWidgetItem*> selected = area.Drawn->selectedItems();
        if (!selected.isEmpty()) {
            ShowCard(selected.front());
        }
    });
}

void Form4::Open(const QRect& keepClear) {
    if (!isVisible()) {
        ReadDeck();
        for (const Area& area : areas_) {
            ShuffleArea(area);
        }
    }
    if (!placed_) {
        PlaceFirst(keepClear);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void Form4::DeckChanged() {
    if (!isVisible() || !ReadDeck()) {
        return;
    }
    for (const Area& area : areas_) {
        ShuffleArea(area);
    }
}

void Form4::Follow(const DeckDocument& document) {
    connect(&document, &DeckDocument::Changed, this, &Form4::DeckChanged);
}

void Form4::PlaceFirst(const QRect& keepClear) {
    const QWidget* main = parentWidget();
    const QScreen* screen = main != nullptr ? main->screen() : nullptr;
    if (screen == nullptr) {
        return;
    }
    // The frame is not known before the first show: its margins are taken to be the main
    // window's. Once moved, the dialog no longer centres itself over the main window.
    const QSize frame = size() + main->frameGeometry().size() - main->size();
    const QVariant last = QSettings().value(kPlaceKey);
    if (last.typeId() == QMetaType::QPoint &&
        TitleBarOnScreen(QRect(last.toPoint(), frame), AvailableAreas())) {
        move(last.toPoint());
        return;
    }
    move(PlaceBeside(main->frameGeometry(), keepClear, frame, screen->availableGeometry()));
}

void Form4::hideEvent(QHideEvent* event) {
    // However it goes (Close, Esc, its main window closing), the next program finds it there.
    QSettings().setValue(kPlaceKey, pos());
    QDialog::hideEvent(event);
}

bool Form4::ReadDeck() {
    if (!dealt_.Read(source_.SampleDeck(), source_.SampleCatalogue())) {
        return false;
    }
    ShowAnalysis();
    return true;
}

void Form4::ShuffleArea(const Area& area) {
    hand_.Shuffle(area.Kind, dealt_.Cards());
    area.Drawn->clear();
    ShowPile(area);
}

void Form4::Draw(const Area& area, int count) {
    const int moved = hand_.Draw(area.Kind, count);
    const QStringList drawn = hand_.Pile(area.Kind).Drawn();
    area.Drawn->addItems(drawn.mid(drawn.size() - moved));
    area.Drawn->scrollToBottom();
    ShowPile(area);
}

void Form4::ShowCard(const QListWidgetItem* item) {
    if (item != nullptr) {
        source_.ShowCardInPanel(item->text());
    }
}

void Form4::ShowPile(const Area& area) {
    const SamplePile& pile = hand_.Pile(area.Kind);
    area.Left->setText(CardsLeftText(pile.Left()));
    for (QPushButton* button : area.Draws) {
        button->setEnabled(pile.Left() > 0);
    }
}

void Form4::ShowAnalysis() {
    const DeckAnalysis& analysis = dealt_.Analysis();
    ui_->Frame3->setTitle(OddsCaption(analysis.HandSize));
    QTableWidget& grid = *ui_->Grid1;
    grid.setRowCount(static_cast<int>(analysis.Odds.size()));
    for (int row = 0; row < grid.rowCount(); ++row) {
        const TypeOdds& odds = analysis.Odds[row];
        grid.setItem(row, 0, Cell(odds.Type, Qt::AlignLeft));
        grid.setItem(row, 1, Cell(QString::number(odds.Copies), Qt::AlignRight));
        grid.setItem(row, 2, Cell(odds.Percent, Qt::AlignRight));
    }
    ui_->Chart1->ShowCurve(analysis.Costs);
}

}  // namespace kestrava
