// The card information panel (Frame3): a view of CardPanelTexts that reports a right press
// anywhere on it and a click on its "…" button.
#pragma once

#include <QGroupBox>
#include <QPoint>

#include <memory>

#include "search/CardPanel.h"

namespace Ui {
class CardInfoPanel;
}

namespace kestrava {

class CardInfoPanel : public QGroupBox {
    Q_OBJECT

  public:
    explicit CardInfoPanel(QWidget* parent = nullptr);
    ~CardInfoPanel() override;

    // Writes every label (the shown card's index into the hidden Label53) and the "…" button's
    // visibility.
    void ShowPanel(const CardPanelTexts& texts);

  signals:
    void FormationToggleRequested();
    void PopupRequested(const QPoint& globalPos);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    std::unique_ptr<Ui::CardInfoPanel> ui_;
};

}  // namespace kestrava
