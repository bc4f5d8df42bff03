#include "search/CardPanel.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

QString Texts(const CardPanelTexts& p) {
    return QStringList({p.CardName,      p.Illustrator,   p.Rarity,        p.Cost,
                        p.Faction,       p.Type,          p.Abilities,     p.UpperText,
                        p.LowerText,     p.Attack,        p.Defense,       p.Speed,
                        p.StatsText,     p.Gear,          p.CastleText,    p.FormationName,
                        p.FormationRow1, p.FormationRow2, p.FormationRow3, p.ShownCardIndex})
        .join(u'|');
}

// A catalogue of one castle with every ability and one formation, edited by edit.
CardCatalogue Keep(void (*edit)(CardRecord&) = [](CardRecord&) {}) {
    CardCatalogue catalogue;
    CardRecord card;
    card.Code = u"D012"_s, card.Name = u"灰色の砦"_s, card.Faction = u"帝国"_s;
    card.Illustrator = u"Aoi Mizuki"_s, card.Rarity = u"Rare"_s, card.CardType = u"城"_s;
    card.SubType = u"砦"_s, card.CostSymbols = 2, card.CostValue = 1, card.Upkeep = 2;
    card.SortieCost = u"1"_s, card.Charge = u"突撃"_s, card.Trample = u"蹂躙"_s;
    card.Counter = u"反撃"_s, card.Shooting = 3, card.Siege = 1, card.Plunder = 2;
    card.Ambush = u"伏兵"_s, card.Scout = u"索敵"_s, card.Flank = u"側面"_s;
    card.UpperText = u"上の文"_s, card.LowerText = u"下の文"_s, card.StatsText = u"石"_s;
    card.Attack = 3, card.Defense = -1, card.Speed = 12, card.Gear = 4, card.CastleText = u"堀"_s;
    card.Formation1 = u"密集陣形"_s, card.Grid1 = u"111020000"_s;
    edit(card);
    catalogue.AddCard(card);
    return catalogue;
}

TEST(ShowCardLine, WholePanelThenANoMatchResetsOnlyTheDetails) {
    const CardCatalogue catalogue = Keep();
    CardPanelTexts panel = InitialCardPanel();
    ASSERT_TRUE(ShowCardLine(panel, catalogue, u"D012 灰色の砦"));
    EXPECT_EQ(Texts(panel),
              u"カード名：灰色の砦|イラストレータ：Aoi Mizuki|レアリティ：Rare|コスト：DD1|"
              u"種族：帝国|種別：城 砦|維持費：2  出撃費：1  突撃  蹂躙  反撃  射撃(3)  攻城(1)  "
              u"略奪(2)  伏兵  索敵  側面攻撃  |上の文|下の文|攻 3|防 -1|速 12|石|4G|堀|"
              u"密集陣形|兵兵兵|  指  |      |"_s);
    EXPECT_FALSE(ShowCardLine(panel, catalogue, u"Z404 どこにもない"));
    EXPECT_EQ(Texts(panel),
              u"カード名：灰色の砦|イラストレータ：Aoi Mizuki|レアリティ：Rare|コスト：|"
              u"種族：帝国|種別：城 砦||上の文|下の文|攻 |防 |速 ||||||||"_s);
}

TEST(ShowCardLine, FieldRules) {
    using C = CardRecord&;
    using P = CardPanelTexts;
    const std::tuple<void (*)(CardRecord&), QString P::*, const char16_t*> cases[] = {
        {[](C c) { c.Code = u"X9"_s; }, &P::Cost, u"コスト：1"},  // no faction letter
        {[](C c) { c.SortieCost.clear(); }, &P::Abilities,        // only "0" means no sortie cost
         u"維持費：2  出撃費：  突撃  蹂躙  反撃  射撃(3)  "
         u"攻城(1)  略奪(2)  伏兵  索敵  側面攻撃  "},
        {[](C c) { c.Upkeep = c.Shooting = c.Siege = c.Plunder = -1, c.SortieCost = u"0"_s; },
         &P::Abilities, u"突撃  蹂躙  反撃  伏兵  索敵  側面攻撃  "},
        {[](C c) { c.Charge = c.Trample = c.Counter = c.Ambush = c.Scout = c.Flank = u"x"_s; },
         &P::Abilities, u"維持費：2  出撃費：1  射撃(3)  攻城(1)  略奪(2)  "},
        {[](C c) { c.SubType.clear(); }, &P::Type, u"種別：城 "},
        {[](C c) { c.SubType.clear(); }, &P::Attack, u""},  // no subtype, no statistics
        {[](C c) { c.Gear = 0; }, &P::Gear, u"0G"},
        {[](C c) { c.CardType = u"城塞"_s; }, &P::Gear, u""},
        {[](C c) { c.Grid1 = u"１21"_s; }, &P::FormationRow1,
         u"  指兵"},  // only ASCII 1 and 2 mark
        {[](C c) { c.Grid1 = u"0000000012"_s; }, &P::FormationRow3, u"    兵"},  // nine cells only
    };
    for (const auto& [edit, label, expected] : cases) {
        const CardCatalogue catalogue = Keep(edit);
        CardPanelTexts panel = InitialCardPanel();
        ASSERT_TRUE(ShowCardLine(panel, catalogue, catalogue.CardTable()[0].Code));
        EXPECT_EQ(panel.*label, QStringView(expected)) << Texts(panel).toStdString();
    }
}

TEST(ToggleFormation, AlternatesKeepsItsFlagAcrossCardsShowsAnEmptyFirstAsBlank) {
    CardCatalogue catalogue;
    const auto add = [&](QString code, QString f1, QString g1, QString f2, QString g2) {
        CardRecord c;
        c.Code = code, c.Formation1 = f1, c.Grid1 = g1, c.Formation2 = f2, c.Grid2 = g2;
        catalogue.AddCard(c);
    };
    add(u"G0"_s, u"烏合陣形"_s, u"1"_s, {}, {});
    add(u"M1"_s, u"密集陣形"_s, u"111"_s, u"包囲陣形"_s, u"2"_s);
    add(u"E1"_s, {}, {}, u"包囲陣形"_s, u"222"_s);
    CardPanelTexts panel = InitialCardPanel();
    bool second = false;
    // After each action: formation name|first grid row|ShownCardIndex|"…" if visible|formation
    // shown.
    QString log;
    for (const char16_t* action : {u"M1", u"…", u"M1", u"…", u"…", u"G0", u"E1", u"…", u"…"}) {
        action == u"…"_s ? ToggleFormation(panel, second, catalogue)
                         : void(ShowCardLine(panel, catalogue, action));
        log += panel.FormationName + u'|' + panel.FormationRow1 + u'|' + panel.ShownCardIndex +
               (panel.Command5Visible ? u"|…|"_s : u"||"_s) + (second ? u"2\n"_s : u"1\n"_s);
    }
    // The flag outlives a card: the first click after it may show the first formation again.
    EXPECT_EQ(log,
              u"密集陣形|兵兵兵|1|…|1\n包囲陣形|指    |1|…|2\n密集陣形|兵兵兵|1|…|2\n"
              u"密集陣形|兵兵兵|1|…|1\n包囲陣形|指    |1|…|2\n烏合陣形|兵    |1||2\n"
              u"||2|…|2\n|      |2|…|1\n包囲陣形|指指指|2|…|2\n"_s);
    // An index that is no loaded record (a shorter card list was loaded since) does nothing.
    for (const char16_t* index : {u"", u"abc", u"-1", u"3", u"1025", u"99999999999"}) {
        panel.ShownCardIndex = QString::fromUtf16(index);
        const CardPanelTexts before = panel;
        ToggleFormation(panel, second, catalogue);
        EXPECT_TRUE(panel == before && second) << QString::fromUtf16(index).toStdString();
    }
}

}  // namespace
}  // namespace kestrava
