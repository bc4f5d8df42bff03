// Every text of the card information panel as one value, and the two actions that change it:
// showing the card of a card list line, and switching between a card's two formations.
#pragma once

#include <QString>
#include <QStringView>

#include "catalogue/CardRecord.h"

namespace kestrava {

struct CardPanelTexts {
    QString Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10,
        Label11, Label12, Label13, Label14, Label15, Label49, Label50, Label51, Label52;
    QString ShownCardIndex;  // decimal index of the card whose formations "…" switches
    bool Command5Visible = false;

    friend bool operator==(const CardPanelTexts& a, const CardPanelTexts& b);
    friend bool operator!=(const CardPanelTexts& a, const CardPanelTexts& b) { return !(a == b); }
};

// The panel as the main window opens: the bare captions in Label1..Label6, everything else
// empty, no "…" button.
CardPanelTexts InitialCardPanel();

// Shows the card whose code is line's text before its first blank (first loaded record with
// that exact code). The cost, ability, statistics, castle and formation labels are reset
// first; when no record matches, that reset is all that happens and false is returned.
bool ShowCardLine(CardPanelTexts& panel, const CardCatalogue& catalogue, QStringView line);

// The "…" click: shows the first formation of the card at ShownCardIndex when the second was
// the last one shown, else the second, and flips SecondFormationShown. Does nothing when
// ShownCardIndex is not the index of a loaded record.
void ToggleFormation(CardPanelTexts& panel, bool& SecondFormationShown,
                     const CardCatalogue& catalogue);

}  // namespace kestrava
