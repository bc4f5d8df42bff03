// The deck information panel: the fifteen tally numbers with their captions and the status
// line.
#pragma once

#include <QGroupBox>
#include <QLabel>

#include <memory>

#include "deck/DeckDocument.h"
#include "deck/DeckTallies.h"

namespace Ui {
class DeckStatsPanel;
}

namespace kestrava {

class DeckStatsPanel : public QGroupBox {
    Q_OBJECT

  public:
    explicit DeckStatsPanel(QWidget* parent = nullptr);
    ~DeckStatsPanel() override;

    // Writes every tally into its label; the castle number is black once the deck holds the
    // castle quota and red below it.
    void ShowTallies(const DeckTallies& tallies);

    // Shows document's tallies after every change of them.
    void Follow(const DeckDocument& document);

    QLabel* StatusLabel() const;  // Label24

  private:
    std::unique_ptr<Ui::DeckStatsPanel> ui_;
};

}  // namespace kestrava
