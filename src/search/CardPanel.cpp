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
    panel.Label49 = name;
    panel.Label50 = rows[0];
    panel.Label51 = rows[1];
    panel.Label52 = rows[2];
}

void ResetCardDetails(CardPanelTexts& panel) {
    panel.Label4 = QStringLiteral("コスト：");
    panel.Label7.clear();
    panel.Label10 = QStringLiteral("攻 ");
    panel.Label11 = QStringLiteral("防 ");
    panel.Label12 = QStringLiteral("速 ");
    panel.Label13.clear();
    panel.Label14.clear();
    panel.Label15.clear();
    panel.Label49.clear();
    panel.Label50.clear();
    panel.Label51.clear();
    panel.Label52.clear();
}

}  // namespace

bool operator==(const CardPanelTexts& a, const CardPanelTexts& b) {
    const auto tie = [](const CardPanelTexts& p) {
        return std::tie(p.Label1, p.Label2, p.Label3, p.Label4, p.Label5, p.Label6, p.Label7,
                        p.Label8, p.Label9, p.Label10, p.Label11, p.Label12, p.Label13, p.Label14,
                        p.Label15, p.Label49, p.Label50, p.Label51, p.Label52, p.ShownCardIndex,
                        p.Command5Visible);
    };
    return tie(a) == tie(b);
}

CardPanelTexts InitialCardPanel() {
    CardPanelTexts panel;
    panel.Label1 = QStringLiteral("カード名：");
    panel.Label2 = QStringLiteral("イラストレータ：");
    panel.Label3 = QStringLiteral("レアリティ：");
    panel.Label4 = QStringLiteral("コスト：");
    panel.Label5 = QStringLiteral("種族：");
    panel.Label6 = QStringLiteral("種別：");
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
    const CardRecord& card = catalogue.CardTable[index];

    panel.Label5 = QStringLiteral("種族：") + card.Faction;
    panel.Label1 = QStringLiteral("カード名：") + card.Name;
    panel.Label2 = QStringLiteral("イラストレータ：") + card.Illustrator;
    panel.Label3 = QStringLiteral("レアリティ：") + card.Rarity;

    if (factionIndex >= 0 && card.CostSymbols > 0) {
        panel.Label4 += QString(card.CostSymbols, QChar(kFactionLetters[factionIndex]));
    }
    panel.Label4 += QString::number(card.CostValue);

    panel.Label6 = QStringLiteral("種別：") + card.CardType + u' ' + card.SubType;
    panel.Label7 = AbilityLine(card);
    panel.Label8 = card.UpperText;
    panel.Label9 = card.LowerText;

    if (card.SubType.isEmpty()) {
        panel.Label10.clear();
        panel.Label11.clear();
        panel.Label12.clear();
    } else {
        panel.Label10 += QString::number(card.Attack);
        panel.Label11 += QString::number(card.Defense);
        panel.Label12 += QString::number(card.Speed);
    }
    panel.Label13 = card.StatsText;

    if (card.CardType == LoadWord(kWordCastle)) {
        panel.Label14 = QString::number(card.Gear) + u'G';
        panel.Label15 = card.CastleText;
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
    if (!isNumber || index < 0 || index >= catalogue.CardCount ||
        index >= static_cast<int>(catalogue.CardTable.size())) {
        return;
    }
    const CardRecord& card = catalogue.CardTable[index];
    if (SecondFormationShown) {
        ShowFormation(panel, card.Formation1, card.Grid1);
    } else {
        ShowFormation(panel, card.Formation2, card.Grid2);
    }
    SecondFormationShown = !SecondFormationShown;
}

}  // namespace kestrava
