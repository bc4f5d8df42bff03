// Every text of the card information panel as one value, and the two actions that change it:
// showing the card of a card list line, and switching between a card's two formations.
#pragma once

#include <QString>
#include <QStringView>

#include "catalogue/CardRecord.h"

namespace kestrava {

// The texts by what they show; the panel puts each in its label (noted beside it).
struct CardPanelTexts {
    QString CardName;       // Label1: "カード名：" and the name
    QString Illustrator;    // Label2
    QString Rarity;         // Label3
    QString Cost;           // Label4: faction letters for the cost symbols, then the value
    QString Faction;        // Label5
    QString Type;           // Label6: type and sub-type
    QString Abilities;      // Label7
    QString UpperText;      // Label8
    QString LowerText;      // Label9
    QString Attack;         // Label10: "攻 " and the number
    QString Defense;        // Label11
    QString Speed;          // Label12
    QString StatsText;      // Label13
    QString Gear;           // Label14: castles only
    QString CastleText;     // Label15
    QString FormationName;  // Label49
    QString FormationRow1, FormationRow2, FormationRow3;  // Label50 to Label52: the grid
    QString ShownCardIndex;  // Label53, hidden: the card whose formations "…" switches
    bool Command5Visible = false;

    friend bool operator==(const CardPanelTexts& a, const CardPanelTexts& b);
    friend bool operator!=(const CardPanelTexts& a, const CardPanelTexts& b) { return !(a == b); }
};

// The panel as the main window opens: the bare captions of the name, illustrator, rarity,
// cost, faction and type, everything else empty, no "…" button.
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
