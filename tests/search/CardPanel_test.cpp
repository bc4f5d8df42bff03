#include "search/CardPanel.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "support/TestFiles.h"

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

// A castle with every ability and one formation; edits as "9=-1|10=0" change its columns.
QString Keep(const QString& edits = {}) {
    return test::CardLineOf(
        u"1=D012|2=灰色の砦|3=Aoi Mizuki|4=Rare|5=2|6=1|7=城|8=砦|9=2|10=1|11=突撃|12=蹂躙|"
        u"13=反撃|14=3|15=1|16=2|17=上の文|18=下の文|19=石|20=3|21=-1|22=12|23=4|24=堀|"
        u"25=密集陣形|26=111020000|29=伏兵|30=索敵|31=側面|"_s +
        edits);
}

TEST(ShowCardLine, WholePanelThenANoMatchResetsOnlyTheDetails) {
    const CardCatalogue catalogue = test::CatalogueOfLines({Keep()});
    CardPanelTexts panel = InitialCardPanel();
    ASSERT_TRUE(ShowCardLine(panel, catalogue, u"D012 灰色の砦"));
    EXPECT_EQ(Texts(panel),
              u"カード名：灰色の砦|イラストレータ：Aoi Mizuki|レアリティ：Rare|コスト：DD1|"
              u"種族：デ・バース帝国|種別：城 砦|維持費：2  出撃費：1  突撃  蹂躙  反撃  "
              u"射撃(3)  攻城(1)  略奪(2)  伏兵  索敵  側面攻撃  |上の文|下の文|攻 3|防 -1|"
              u"速 12|石|4G|堀|密集陣形|兵兵兵|  指  |      |"_s);
    EXPECT_FALSE(ShowCardLine(panel, catalogue, u"Z404 どこにもない"));
    EXPECT_EQ(Texts(panel),
              u"カード名：灰色の砦|イラストレータ：Aoi Mizuki|レアリティ：Rare|コスト：|"
              u"種族：デ・バース帝国|種別：城 砦||上の文|下の文|攻 |防 |速 ||||||||"_s);
}

struct FieldRule {
    const char* Name;
    const char* Edits;  // of the castle's columns
    QString CardPanelTexts::*Label;
    const char16_t* Shown;
};

TEST(ShowCardLine, FieldRules) {
    using P = CardPanelTexts;
    const FieldRule cases[] = {
        {"no faction letter", "1=X9", &P::Cost, u"コスト：1"},
        {"only \"0\" is no sortie cost",
         "10=|11=|12=|13=|14=-1|15=-1|16=-1|29=|30=|31=", &P::Abilities, u"維持費：2  出撃費：  "},
        {"no numbered ability", "9=-1|10=0|14=-1|15=-1|16=-1", &P::Abilities,
         u"突撃  蹂躙  反撃  伏兵  索敵  側面攻撃  "},
        {"words of no ability", "11=x|12=x|13=x|29=x|30=x|31=x", &P::Abilities,
         u"維持費：2  出撃費：1  射撃(3)  攻城(1)  略奪(2)  "},
        {"no subtype", "8=", &P::Type, u"種別：城 "},
        {"no subtype, no statistics", "8=", &P::Attack, u""},
        {"gear 0", "23=0", &P::Gear, u"0G"},
        {"gear of a castle only", "7=城塞", &P::Gear, u""},
        {"only ASCII 1 and 2 mark", "26=１21", &P::FormationRow1, u"  指兵"},
        {"nine cells only", "26=0000000012", &P::FormationRow3, u"    兵"},
    };
    for (const FieldRule& rule : cases) {
        const CardCatalogue catalogue = test::CatalogueOfLines({Keep(rule.Edits)});
        CardPanelTexts panel = InitialCardPanel();
        ASSERT_TRUE(ShowCardLine(panel, catalogue, catalogue.CardTable()[0].Code));
        EXPECT_EQ(panel.*rule.Label, QStringView(rule.Shown)) << rule.Name;
    }
}

TEST(ToggleFormation, AlternatesKeepsItsFlagAcrossCardsShowsAnEmptyFirstAsBlank) {
    const CardCatalogue catalogue =
        test::CatalogueOfLines({Keep("1=G0|25=烏合陣形|26=1"), Keep("1=M1|26=111|27=包囲陣形|28=2"),
                                Keep("1=E1|25=|26=|27=包囲陣形|28=222")});
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
