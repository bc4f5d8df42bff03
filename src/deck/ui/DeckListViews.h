// The deck list (List2) and the count list (List3) shown as the two columns of one table, and
// the total box (Text1). Both lists are views of a Deck value: the selection and the top line
// of one are copied to the other, and a right press on the deck list asks for the pop-up menu.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPoint>

#include "deck/Deck.h"
#include "deck/DeckDocument.h"

namespace kestrava {

class DeckListViews : public QObject {
    Q_OBJECT

  public:
    DeckListViews(QListWidget* deckList, QListWidget* countList, QLineEdit* totalBox,
                  QObject* parent);

    // Shows every change of document's deck as the change asks: scrolled to an appended line,
    // nothing selected after a removal, an undo or a redo, a replaced deck from its first line.
    void Follow(const DeckDocument& document);

    // Rewrites both lists and the total from deck, keeping the selected index (when still a
    // line) and the top line.
    void ShowDeck(const Deck& deck);

    // Shows a deck that replaces the previous one (a loaded deck file): no line selected, both
    // lists from their first line.
    void ShowLoadedDeck(const Deck& deck);

    // Scrolls both lists so that their last line shows, after a line was appended.
    void ScrollToEnd();

    // The selected entry of the count list, -1 when none: the remove commands act on it.
    int SelectedIndex() const;

    // Leaves no line selected in either list.
    void ClearSelection();

  signals:
    // A right press on the deck list, at this screen position.
    void PopupRequested(const QPoint& globalPos);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CopySelection(QListWidget* from, QListWidget* to);
    void CopyTopLine(QListWidget* from, QListWidget* to);
    void SetTopLine(int top);

    QListWidget* List2_;
    QListWidget* List3_;
    QLineEdit* Text1_;
    const QObject* deckViewport_;
    const QObject* countViewport_;
    bool syncing_ = false;  // set while one list is being moved to match the other
};

}  // namespace kestrava
