#include "search/ui/CardInfoPanel.h"

#include <QLabel>
#include <QMouseEvent>

#include "ui_CardInfoPanel.h"

namespace kestrava {

CardInfoPanel::CardInfoPanel(QWidget* parent)
    : QGroupBox(parent), ui_(std::make_unique<Ui::CardInfoPanel>()) {
    ui_->setupUi(this);
    ui_->Label53->hide();  // state, not a text for the eye
    // A right press on a label is a press on the panel; the button already passes on every
    // button but the left one.
    for (QLabel* label : findChildren<QLabel*>()) {
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    connect(ui_->Command5, &QPushButton::clicked, this, &CardInfoPanel::FormationToggleRequested);
}

CardInfoPanel::~CardInfoPanel() = default;

void CardInfoPanel::ShowPanel(const CardPanelTexts& texts) {
    const std::pair<QLabel*, const QString*> labels[] = {
        {ui_->Label1, &texts.CardName},       {ui_->Label2, &texts.Illustrator},
        {ui_->Label3, &texts.Rarity},         {ui_->Label4, &texts.Cost},
        {ui_->Label5, &texts.Faction},        {ui_->Label6, &texts.Type},
        {ui_->Label7, &texts.Abilities},      {ui_->Label8, &texts.UpperText},
        {ui_->Label9, &texts.LowerText},      {ui_->Label10, &texts.Attack},
        {ui_->Label11, &texts.Defense},       {ui_->Label12, &texts.Speed},
        {ui_->Label13, &texts.StatsText},     {ui_->Label14, &texts.Gear},
        {ui_->Label15, &texts.CastleText},    {ui_->Label49, &texts.FormationName},
        {ui_->Label50, &texts.FormationRow1}, {ui_->Label51, &texts.FormationRow2},
        {ui_->Label52, &texts.FormationRow3},
    };
    for (const auto& [label, text] : labels) {
        label->setText(*text);
    }
    ui_->Label53->setText(texts.ShownCardIndex);
    ui_->Command5->setVisible(texts.Command5Visible);
}

void CardInfoPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit PopupRequested(event->globalPosition().toPoint());
        return;
    }
    QGroupBox::mousePressEvent(event);
}

}  // namespace kestrava
