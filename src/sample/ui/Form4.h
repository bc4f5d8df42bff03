// The sample-hand window: a main-deck and a castle-deck area, each drawing from its shuffled
// pile, and below them the main deck's opening-hand odds and cost curve. It reads the deck
// through SampleDeckSource and follows it: a deck that gives other cards is shuffled again.
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>
#include <memory>

#include "deck/DeckDocument.h"
#include "sample/DeckAnalysis.h"
#include "sample/SampleHand.h"
#include "sample/ui/SampleDeckSource.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace Ui {
class Form4;
}

namespace kestrava {

class Form4 : public QDialog {
    Q_OBJECT

  public:
    Form4(SampleDeckSource& source, std::uint32_t seed, QWidget* parent = nullptr);
    ~Form4() override;

    // Shows the window, raised and active; a window that was not open starts with both areas
    // freshly shuffled. The first time, it stands where a window of this program was last
    // closed, when that is still on a screen, else beside its parent, clear of keepClear (in
    // screen coordinates) where it can (PlaceBeside).
    void Open(const QRect& keepClear = {});
    // The deck or the card list may have changed: when the window is open and the deck now
    // gives other cards or another analysis, both areas are shuffled again.
    void DeckChanged();
    // Follows every change of document.
    void Follow(const DeckDocument& document);

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    struct Area {
        PileKind Kind;
        QLabel* Left;
        QListWidget* Drawn;
        std::array<QPushButton*, 3> Draws;
        QPushButton* Shuffle;
    };

    void ConnectArea(const Area& area);
    void PlaceFirst(const QRect& keepClear);
    // Shows the analysis when the deck now gives other cards or another analysis, and says so.
    bool ReadDeck();
    void ShuffleArea(const Area& area);
    void Draw(const Area& area, int count);
    void ShowCard(const QListWidgetItem* item);
    void ShowPile(const Area& area);
    void ShowAnalysis();

    std::unique_ptr<Ui::Form4> ui_;
    SampleDeckSource& source_;
    SampleHand hand_;
    DealtDeck dealt_;
    std::array<Area, 2> areas_;
    bool placed_ = false;
};

}  // namespace kestrava
