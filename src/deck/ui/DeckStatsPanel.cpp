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
    : QGroupBox(parent), Form(std::make_unique<Ui::DeckStatsPanel>()) {
    Form->setupUi(this);
}

DeckStatsPanel::~DeckStatsPanel() = default;

void DeckStatsPanel::ShowTallies(const DeckTallies& tallies) {
    const std::pair<QLabel*, qint16> numbers[] = {
        {Form->Label16, tallies.CastleCount},    {Form->Label17, tallies.HeroCount},
        {Form->Label18, tallies.CommanderCount}, {Form->Label19, tallies.TroopCount},
        {Form->Label20, tallies.FollowerCount},  {Form->Label21, tallies.TacticCount},
        {Form->Label22, tallies.StratagemCount}, {Form->Label25, tallies.FactionCountC},
        {Form->Label26, tallies.FactionCountD},  {Form->Label27, tallies.FactionCountE},
        {Form->Label28, tallies.FactionCountG},  {Form->Label29, tallies.FactionCountM},
        {Form->Label45, tallies.RareCount},      {Form->Label46, tallies.UncommonCount},
        {Form->Label47, tallies.CommonCount},
    };
    for (const auto& [label, value] : numbers) {
        ShowNumber(label, value);
    }

    const QColor colour = CastleQuotaReached(tallies) ? kCastleReachedColour : kCastleShortColour;
    if (Form->Label16->palette().color(QPalette::WindowText) != colour) {
        QPalette palette = Form->Label16->palette();
        palette.setColor(QPalette::WindowText, colour);
        Form->Label16->setPalette(palette);
    }
}

QLabel* DeckStatsPanel::StatusLabel() const {
    return Form->Label24;
}

}  // namespace kestrava
