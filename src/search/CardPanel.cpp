#include "search/CardPanel.h"

#include <tuple>

#include "catalogue/StringTable.h"
#include "search/FormationGrid.h"

namespace kestrava {

namespace {

// Every piece of the ability line ends in two blanks, the last one included.
constexpr QLatin1String kPieceEnd("  ");

// "射撃(3)  "
QString NumberPiece(const QString& word, qint16 value) {
    return word + u'(' + QString::number(value) + u')' + kPieceEnd;
}

QString AbilityLine(const CardRecord& card) {
    QString line;
    if (card.Upkeep > 0) {
        line += QStringLiteral("維持費：") + QString::number(card.Upkeep) + kPieceEnd;
    }
    if (card.SortieCost != u"0") {
        line += QStringLiteral("出撃費：") + card.SortieCost + kPieceEnd;
    }
    if (card.Charge == u"突撃") {
        line += card.Charge + kPieceEnd;
    }
    if (card.Trample == u"蹂躙") {
        line += card.Trample + kPieceEnd;
    }
    if (card.Counter == u"反撃") {
        line += card.Counter + kPieceEnd;
    }
    if (card.Shooting > 0) {
        line += NumberPiece(QStringLiteral("射撃"), card.Shooting);
    }
    if (card.Siege > 0) {
        line += NumberPiece(QStringLiteral("攻城"), card.Siege);
    }
    if (card.Plunder > 0) {
        line += NumberPiece(QStringLiteral("略奪"), card.Plunder);
    }
    if (card.Ambush == u"伏兵") {
        line += card.Ambush + kPieceEnd;
    }
    if (card.Scout == u"索敵") {
        line += card.Scout + kPieceEnd;
    }
    if (card.Flank == u"側面") {
        line += card.Flank + QStringLiteral("攻撃") + kPieceEnd;
    }
    return line;
}

void ShowFormation(CardPanelTexts& panel, const QString& name, QStringView grid) {
    const std::array<QString, 3> rows = FormationGridRows(grid);
    panel.FormationName = name;
    panel.FormationRow1 = rows[0];
    panel.FormationRow2 = rows[1];
    panel.FormationRow3 = rows[2];
}

void ResetCardDetails(CardPanelTexts& panel) {
    panel.Cost = QStringLiteral("コスト：");
    panel.Abilities.clear();
    panel.Attack = QStringLiteral("攻 ");
    panel.Defense = QStringLiteral("防 ");
    panel.Speed = QStringLiteral("速 ");
    panel.StatsText.clear();
    panel.Gear.clear();
    panel.CastleText.clear();
    panel.FormationName.clear();
    panel.FormationRow1.clear();
    panel.FormationRow2.clear();
    panel.FormationRow3.clear();
}

}  // namespace

bool operator==(const CardPanelTexts& a, const CardPanelTexts& b) {
    const auto tie = [](const CardPanelTexts& p) {
        return std::tie(p.CardName, p.Illustrator, p.Rarity, p.Cost, p.Faction, p.Type, p.Abilities,
                        p.UpperText, p.LowerText, p.Attack, p.Defense, p.Speed, p.StatsText, p.Gear,
                        p.CastleText, p.FormationName, p.FormationRow1, p.FormationRow2,
                        p.FormationRow3, p.ShownCardIndex, p.Command5Visible);
    };
    return tie(a) == tie(b);
}

CardPanelTexts InitialCardPanel() {
    CardPanelTexts panel;
    panel.CardName = QStringLiteral("カード名：");
    panel.Illustrator = QStringLiteral("イラストレータ：");
    panel.Rarity = QStringLiteral("レアリティ：");
    panel.Cost = QStringLiteral("コスト：");
    panel.Faction = QStringLiteral("種族：");
    panel.Type = QStringLiteral("種別：");
    return panel;
}

bool ShowCardLine(CardPanelTexts& panel, const CardCatalogue& catalogue, QStringView line) {
    ResetCardDetails(panel);

    const QStringView code = CodeOfLine(line);
    const int factionIndex = FactionIndexOfCode(code);
    const int index = catalogue.FindCardIndexByCode(code);
    if (index < 0) {
        return false;
    }
    const CardRecord& card = catalogue.CardTable()[index];

    panel.Faction = QStringLiteral("種族：") + card.Faction;
    panel.CardName = QStringLiteral("カード名：") + card.Name;
    panel.Illustrator = QStringLiteral("イラストレータ：") + card.Illustrator;
    panel.Rarity = QStringLiteral("レアリティ：") + card.Rarity;

    if (factionIndex >= 0 && card.CostSymbols > 0) {
        panel.Cost += QString(card.CostSymbols, QChar(kFactionLetters[factionIndex]));
    }
    panel.Cost += QString::number(card.CostValue);

    panel.Type = QStringLiteral("種別：") + card.CardType + u' ' + card.SubType;
    panel.Abilities = AbilityLine(card);
    panel.UpperText = card.UpperText;
    panel.LowerText = card.LowerText;

    if (card.SubType.isEmpty()) {
        panel.Attack.clear();
        panel.Defense.clear();
        panel.Speed.clear();
    } else {
        panel.Attack += QString::number(card.Attack);
        panel.Defense += QString::number(card.Defense);
        panel.Speed += QString::number(card.Speed);
    }
    panel.StatsText = card.StatsText;

    if (card.CardType == LoadWord(kWordCastle)) {
        panel.Gear = QString::number(card.Gear) + u'G';
        panel.CastleText = card.CastleText;
    }

    if (!card.Formation1.isEmpty()) {
        ShowFormation(panel, card.Formation1, card.Grid1);
    }
    if (!card.Formation2.isEmpty()) {
        panel.ShownCardIndex = QString::number(index);
        panel.Command5Visible = true;
    } else {
        panel.Command5Visible = false;
    }
    return true;
}

void ToggleFormation(CardPanelTexts& panel, bool& SecondFormationShown,
                     const CardCatalogue& catalogue) {
    // The index only ever comes from a shown card, but a card list loaded since may be
    // shorter: never read a record outside the catalogue.
    bool isNumber = false;
    const int index = panel.ShownCardIndex.toInt(&isNumber);
    if (!isNumber || index < 0 || index >= catalogue.CardCount()) {
        return;
    }
    const CardRecord& card = catalogue.CardTable()[index];
    if (SecondFormationShown) {
        ShowFormation(panel, card.Formation1, card.Grid1);
    } else {
        ShowFormation(panel, card.Formation2, card.Grid2);
    }
    SecondFormationShown = !SecondFormationShown;
}

}  // namespace kestrava
