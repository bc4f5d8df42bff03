#include "search/ui/CardInfoPanel.h"

#include <QLabel>
#include <QMouseEvent>

#include "ui_CardInfoPanel.h"

namespace kestrava {

CardInfoPanel::CardInfoPanel(QWidget* parent)
    : QGroupBox(parent), ui_(std::make_unique<Ui::CardInfoPanel>()) {
    ui_->setupUi(this);
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
        {ui_->Label1, &texts.Label1},   {ui_->Label2, &texts.Label2},
        {ui_->Label3, &texts.Label3},   {ui_->Label4, &texts.Label4},
        {ui_->Label5, &texts.Label5},   {ui_->Label6, &texts.Label6},
        {ui_->Label7, &texts.Label7},   {ui_->Label8, &texts.Label8},
        {ui_->Label9, &texts.Label9},   {ui_->Label10, &texts.Label10},
        {ui_->Label11, &texts.Label11}, {ui_->Label12, &texts.Label12},
        {ui_->Label13, &texts.Label13}, {ui_->Label14, &texts.Label14},
        {ui_->Label15, &texts.Label15}, {ui_->Label49, &texts.Label49},
        {ui_->Label50, &texts.Label50}, {ui_->Label51, &texts.Label51},
        {ui_->Label52, &texts.Label52},
    };
    for (const auto& [label, text] : labels) {
        label->setText(*text);
    }
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
