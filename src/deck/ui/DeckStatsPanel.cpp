#include "deck/ui/DeckStatsPanel.h"

#include <QColor>
#include <QPalette>

#include "ui_DeckStatsPanel.h"

namespace kestrava {

namespace {

const QColor kCastleShortColour(255, 0, 0);
const QColor kCastleReachedColour(0, 0, 0);

void ShowNumber(QLabel* label, qint16 value) {
    const QString text = QString::number(value);
    // Rewriting an unchanged label would repaint it for nothing.
    if (label->text() != text) {
        label->setText(text);
    }
}

}  // namespace

DeckStatsPanel::DeckStatsPanel(QWidget* parent)
    : QGroupBox(parent), ui_(std::make_unique<Ui::DeckStatsPanel>()) {
    ui_->setupUi(this);
}

DeckStatsPanel::~DeckStatsPanel() = default;

void DeckStatsPanel::ShowTallies(const DeckTallies& tallies) {
    const std::pair<QLabel*, qint16> numbers[] = {
        {ui_->Label16, tallies.CastleCount},    {ui_->Label17, tallies.HeroCount},
        {ui_->Label18, tallies.CommanderCount}, {ui_->Label19, tallies.TroopCount},
        {ui_->Label20, tallies.FollowerCount},  {ui_->Label21, tallies.TacticCount},
        {ui_->Label22, tallies.StratagemCount}, {ui_->Label25, tallies.FactionCountC},
        {ui_->Label26, tallies.FactionCountD},  {ui_->Label27, tallies.FactionCountE},
        {ui_->Label28, tallies.FactionCountG},  {ui_->Label29, tallies.FactionCountM},
        {ui_->Label45, tallies.RareCount},      {ui_->Label46, tallies.UncommonCount},
        {ui_->Label47, tallies.CommonCount},
    };
    for (const auto& [label, value] : numbers) {
        ShowNumber(label, value);
    }

    const QColor colour = CastleQuotaReached(tallies) ? kCastleReachedColour : kCastleShortColour;
    if (ui_->Label16->palette().color(QPalette::WindowText) != colour) {
        QPalette palette = ui_->Label16->palette();
        palette.setColor(QPalette::WindowText, colour);
        ui_->Label16->setPalette(palette);
    }
}

void DeckStatsPanel::Follow(const DeckDocument& document) {
    connect(&document, &DeckDocument::Changed, this, [this, &document](DeckUpdate update) {
        if (update != DeckUpdate::Renamed && update != DeckUpdate::Saved) {
            ShowTallies(document.Tallies());
        }
    });
}

QLabel* DeckStatsPanel::StatusLabel() const {
    return ui_->Label24;
}

}  // namespace kestrava
