#include "search/CardPanel.h"

#include <gtest/gtest.h>

#include <ostream>

#include "catalogue/StringTable.h"
#include "search/CardFilter.h"
#include "search/SearchTestCards.h"

namespace kestrava {

// Readable failure messages: one label a line.
void PrintTo(const CardPanelTexts& p, std::ostream* os) {
    const std::pair<const char*, const QString*> labels[] = {
        {"Label1", &p.Label1},   {"Label2", &p.Label2},
        {"Label3", &p.Label3},   {"Label4", &p.Label4},
        {"Label5", &p.Label5},   {"Label6", &p.Label6},
        {"Label7", &p.Label7},   {"Label8", &p.Label8},
        {"Label9", &p.Label9},   {"Label10", &p.Label10},
        {"Label11", &p.Label11}, {"Label12", &p.Label12},
        {"Label13", &p.Label13}, {"Label14", &p.Label14},
        {"Label15", &p.Label15}, {"Label49", &p.Label49},
        {"Label50", &p.Label50}, {"Label51", &p.Label51},
        {"Label52", &p.Label52}, {"ShownCardIndex", &p.ShownCardIndex},
    };
    for (const auto& [name, text] : labels) {
        *os << "\n  " << name << " '" << text->toStdString() << "'";
    }
    *os << "\n  Command5Visible " << p.Command5Visible;
}

namespace {

using namespace Qt::Literals::StringLiterals;
using test::MakeCard;
using test::MakeCatalogue;

const QString kBlankRow = u"      "_s;

// A troop card with a little of everything and one formation.
CardRecord Scout() {
    CardRecord card = MakeCard(u"D012"_s, u"灰色の斥候"_s);
    card.Illustrator = u"Aoi Mizuki"_s;
    card.Rarity = u"Rare"_s;
    card.CardType = u"兵力"_s;
    card.SubType = u"騎兵"_s;
    card.CostSymbols = 2;
    card.CostValue = 1;
    card.Upkeep = 2;
    card.SortieCost = u"1"_s;
    card.Charge = u"突撃"_s;
    card.Shooting = 3;
    card.UpperText = u"出撃時、カードを1枚引く。"_s;
    card.LowerText = u"霧の中を駆ける。"_s;
    card.StatsText = u"騎"_s;
    card.Attack = 3;
    card.Defense = -1;
    card.Speed = 12;
    card.Gear = 4;  // not a castle: never shown
    card.CastleText = u"堀"_s;
    card.Formation1 = u"密集陣形"_s;
    card.Grid1 = u"111020000"_s;
    return card;
}

TEST(InitialCardPanel, DesignCaptionsAndBlanks) {
    CardPanelTexts expected;
    expected.Label1 = u"カード名："_s;
    expected.Label2 = u"イラストレータ："_s;
    expected.Label3 = u"レアリティ："_s;
    expected.Label4 = u"コスト："_s;
    expected.Label5 = u"種族："_s;
    expected.Label6 = u"種別："_s;
    EXPECT_EQ(InitialCardPanel(), expected);
}

TEST(ShowCardLine, WholePanel) {
    const CardCatalogue catalogue = MakeCatalogue({MakeCard(u"C001"_s), Scout()});
    CardPanelTexts panel = InitialCardPanel();
    ASSERT_TRUE(ShowCardLine(panel, catalogue, u"D012 灰色の斥候"));

    CardPanelTexts expected;
    expected.Label1 = u"カード名：灰色の斥候"_s;
    expected.Label2 = u"イラストレータ：Aoi Mizuki"_s;
    expected.Label3 = u"レアリティ：Rare"_s;
    expected.Label4 = u"コスト：DD1"_s;
    expected.Label5 = u"種族：デ・バース帝国"_s;
    expected.Label6 = u"種別：兵力 騎兵"_s;
    expected.Label7 = u"維持費：2  出撃費：1  突撃  射撃(3)  "_s;
    expected.Label8 = u"出撃時、カードを1枚引く。"_s;
    expected.Label9 = u"霧の中を駆ける。"_s;
    expected.Label10 = u"攻 3"_s;
    expected.Label11 = u"防 -1"_s;
    expected.Label12 = u"速 12"_s;
    expected.Label13 = u"騎"_s;
    expected.Label49 = u"密集陣形"_s;
    expected.Label50 = u"兵兵兵"_s;
    expected.Label51 = u"  指  "_s;
    expected.Label52 = kBlankRow;
    EXPECT_EQ(panel, expected);
}

TEST(ShowCardLine, FieldRules) {
    using Edit = void (*)(CardRecord&);
    const struct {
        const char* what;
        Edit edit;
        QString CardPanelTexts::*label;
        QString expected;
    } cases[] = {
        {"no cost symbols", [](CardRecord& c) { c.CostSymbols = 0, c.CostValue = 3; },
         &CardPanelTexts::Label4, u"コスト：3"_s},
        {"negative symbols", [](CardRecord& c) { c.CostSymbols = -2, c.CostValue = 0; },
         &CardPanelTexts::Label4, u"コスト：0"_s},
        {"negative cost", [](CardRecord& c) { c.CostSymbols = 1, c.CostValue = -1; },
         &CardPanelTexts::Label4, u"コスト：D-1"_s},
        {"every ability",
         [](CardRecord& c) {
             c.Upkeep = 1, c.SortieCost = u"2"_s, c.Trample = u"蹂躙"_s, c.Counter = u"反撃"_s;
             c.Shooting = 1, c.Siege = 2, c.Plunder = 3;
             c.Ambush = u"伏兵"_s, c.Scout = u"索敵"_s, c.Flank = u"側面"_s;
         },
         &CardPanelTexts::Label7,
         u"維持費：1  出撃費：2  突撃  蹂躙  反撃  射撃(1)  攻城(2)  略奪(3)  伏兵  索敵  側面攻撃  "_s},
        {"negative numbers show nothing",
         [](CardRecord& c) {
             c.Upkeep = -1, c.SortieCost = u"0"_s, c.Charge = u"突撃 "_s;
             c.Shooting = -1, c.Siege = -2, c.Plunder = -3;
         },
         &CardPanelTexts::Label7, QString()},
        {"empty sortie cost",
         [](CardRecord& c) {
             c.Upkeep = 0, c.SortieCost.clear(), c.Charge.clear(), c.Shooting = 0;
         },
         &CardPanelTexts::Label7, u"出撃費：  "_s},
        {"empty subtype keeps its blank", [](CardRecord& c) { c.SubType.clear(); },
         &CardPanelTexts::Label6, u"種別：兵力 "_s},
        {"no subtype, no attack", [](CardRecord& c) { c.SubType.clear(); },
         &CardPanelTexts::Label10, QString()},
        {"no subtype, no defense", [](CardRecord& c) { c.SubType.clear(); },
         &CardPanelTexts::Label11, QString()},
        {"no subtype, no speed", [](CardRecord& c) { c.SubType.clear(); }, &CardPanelTexts::Label12,
         QString()},
        {"castle gear", [](CardRecord& c) { c.CardType = LoadWord(kWordCastle), c.Gear = 3; },
         &CardPanelTexts::Label14, u"3G"_s},
        {"castle text", [](CardRecord& c) { c.CardType = LoadWord(kWordCastle); },
         &CardPanelTexts::Label15, u"堀"_s},
        {"castle with no gear",
         [](CardRecord& c) { c.CardType = LoadWord(kWordCastle), c.Gear = 0; },
         &CardPanelTexts::Label14, u"0G"_s},
        {"unknown type word", [](CardRecord& c) { c.CardType = u"城塞"_s; },
         &CardPanelTexts::Label14, QString()},
        {"only a second formation",
         [](CardRecord& c) { c.Formation2 = c.Formation1, c.Formation1.clear(); },
         &CardPanelTexts::Label50, QString()},
    };
    for (const auto& c : cases) {
        CardRecord card = Scout();
        c.edit(card);
        const CardCatalogue catalogue = MakeCatalogue({card});
        CardPanelTexts panel = InitialCardPanel();
        ASSERT_TRUE(ShowCardLine(panel, catalogue, CardListLine(card)));
        EXPECT_EQ(panel.*(c.label), c.expected) << c.what;
    }
}

TEST(ShowCardLine, CostLetterComesFromTheCode) {
    CardRecord card = MakeCard(u"X9"_s);
    card.CostSymbols = 2;
    card.CostValue = 1;
    CardRecord lower = MakeCard(u"g9"_s);
    lower.CostSymbols = 1;
    const CardCatalogue catalogue = MakeCatalogue({card, lower});
    CardPanelTexts panel = InitialCardPanel();
    ASSERT_TRUE(ShowCardLine(panel, catalogue, u"X9 名無し"));
    EXPECT_EQ(panel.Label4, u"コスト：1");
    EXPECT_EQ(panel.Label5, u"種族：UNKNOWN");
    ASSERT_TRUE(ShowCardLine(panel, catalogue, u"g9 名無し"));
    EXPECT_EQ(panel.Label4, u"コスト：0");
}

TEST(ShowCardLine, Lookup) {
    CardRecord first = MakeCard(u"C1"_s, u"先の札"_s);
    CardRecord second = MakeCard(u"C1"_s, u"後の札"_s);
    second.Formation2 = u"機動陣形"_s;
    CardRecord blank = MakeCard(u"C 7"_s, u"空白入り"_s);
    CardRecord loose = MakeCard(u"E5"_s, u"範囲外"_s);
    CardCatalogue catalogue = MakeCatalogue({first, second, blank});
    catalogue.CardTable[3] = loose;  // above CardCount

    const struct {
        const char16_t* line;
        bool found;
        const char16_t* name;
    } cases[] = {
        {u"C1 後の札", true, u"カード名：先の札"},  // two records share a code: the lower index
        {u"C1", true, u"カード名：先の札"},         // a line without a blank is all code
        {u"C 7 空白入り", false, u"カード名："},    // cut at the first blank: "C" is no card
        {u"E5 範囲外", false, u"カード名："},
        {u"c1 先の札", false, u"カード名："},
        {u" C1", false, u"カード名："},
    };
    for (const auto& c : cases) {
        CardPanelTexts panel = InitialCardPanel();
        EXPECT_EQ(ShowCardLine(panel, catalogue, QStringView(c.line)), c.found)
            << QString::fromUtf16(c.line).toStdString();
        EXPECT_EQ(panel.Label1, QStringView(c.name)) << QString::fromUtf16(c.line).toStdString();
    }
}

TEST(ShowCardLine, NoMatchResetsOnlyTheDetails) {
    CardRecord twoFormations = Scout();
    twoFormations.Formation2 = u"包囲陣形"_s;
    const CardCatalogue catalogue = MakeCatalogue({MakeCard(u"C1"_s), twoFormations});
    CardPanelTexts panel = InitialCardPanel();
    ASSERT_TRUE(ShowCardLine(panel, catalogue, u"D012 灰色の斥候"));
    CardPanelTexts expected = panel;

    EXPECT_FALSE(ShowCardLine(panel, catalogue, u"Z404 どこにもない"));
    expected.Label4 = u"コスト："_s;
    expected.Label7.clear();
    expected.Label10 = u"攻 "_s;
    expected.Label11 = u"防 "_s;
    expected.Label12 = u"速 "_s;
    expected.Label13.clear();
    expected.Label49.clear();
    expected.Label50.clear();
    expected.Label51.clear();
    expected.Label52.clear();
    EXPECT_EQ(panel, expected);  // names, texts, index and "…" stay those of the last card
    EXPECT_EQ(panel.ShownCardIndex, u"1");
    EXPECT_TRUE(panel.Command5Visible);
}

TEST(ShowCardLine, SecondFormationSetsIndexAndButton) {
    CardRecord both = MakeCard(u"G1"_s);
    both.Formation2 = u"機動陣形"_s;
    CardRecord onlySecond = MakeCard(u"G2"_s);
    onlySecond.Formation2 = u"包囲陣形"_s;
    const CardCatalogue catalogue = MakeCatalogue({MakeCard(u"G0"_s), both, onlySecond});

    CardPanelTexts panel = InitialCardPanel();
    ShowCardLine(panel, catalogue, u"G2 名無し");
    EXPECT_EQ(panel.ShownCardIndex, u"2");
    EXPECT_TRUE(panel.Command5Visible);
    EXPECT_EQ(panel.Label49, QString());

    ShowCardLine(panel, catalogue, u"G0 名無し");
    EXPECT_EQ(panel.ShownCardIndex, u"2");  // kept, but the button is gone
    EXPECT_FALSE(panel.Command5Visible);

    ShowCardLine(panel, catalogue, u"G1 名無し");
    EXPECT_EQ(panel.ShownCardIndex, u"1");
    EXPECT_TRUE(panel.Command5Visible);
}

TEST(ToggleFormation, AlternatesAndIsNotResetByANewCard) {
    CardRecord first = MakeCard(u"M1"_s);
    first.Formation1 = u"密集陣形"_s;
    first.Grid1 = u"111020000"_s;
    first.Formation2 = u"包囲陣形"_s;
    first.Grid2 = u"2"_s;
    CardRecord second = MakeCard(u"M2"_s);
    second.Formation1 = u"機動陣形"_s;
    second.Grid1 = u"000000111"_s;
    second.Formation2 = u"紡錘陣形"_s;
    second.Grid2 = u"010121010"_s;
    const CardCatalogue catalogue = MakeCatalogue({first, second});

    enum Action { kShowFirst, kShowSecond, kToggle };
    const struct {
        Action action;
        const char16_t* name;
        const char16_t* topRow;
        bool secondShown;
    } steps[] = {
        {kShowFirst, u"密集陣形", u"兵兵兵", false}, {kToggle, u"包囲陣形", u"指    ", true},
        {kToggle, u"密集陣形", u"兵兵兵", false},    {kToggle, u"包囲陣形", u"指    ", true},
        {kShowSecond, u"機動陣形", u"      ", true},  // the flag survives the new card
        {kToggle, u"機動陣形", u"      ", false},     // so the first click changes nothing
        {kToggle, u"紡錘陣形", u"  兵  ", true},
    };
    CardPanelTexts panel = InitialCardPanel();
    bool secondShown = false;
    int number = 0;
    for (const auto& step : steps) {
        ++number;
        if (step.action == kToggle) {
            ToggleFormation(panel, secondShown, catalogue);
        } else {
            ShowCardLine(panel, catalogue, step.action == kShowFirst ? u"M1" : u"M2");
        }
        EXPECT_EQ(panel.Label49, QStringView(step.name)) << "step " << number;
        EXPECT_EQ(panel.Label50, QStringView(step.topRow)) << "step " << number;
        EXPECT_EQ(secondShown, step.secondShown) << "step " << number;
    }
    EXPECT_EQ(panel.Label51, u"兵指兵");
    EXPECT_EQ(panel.Label52, u"  兵  ");
}

TEST(ToggleFormation, EmptyFirstFormationShowsBlankBlock) {
    CardRecord card = MakeCard(u"E1"_s);
    card.Formation2 = u"包囲陣形"_s;
    card.Grid2 = u"222222222"_s;
    const CardCatalogue catalogue = MakeCatalogue({card});
    CardPanelTexts panel = InitialCardPanel();
    bool secondShown = false;
    ShowCardLine(panel, catalogue, u"E1");
    ToggleFormation(panel, secondShown, catalogue);
    EXPECT_EQ(panel.Label49, u"包囲陣形");
    EXPECT_EQ(panel.Label52, u"指指指");
    ToggleFormation(panel, secondShown, catalogue);
    EXPECT_EQ(panel.Label49, QString());
    for (const QString* row : {&panel.Label50, &panel.Label51, &panel.Label52}) {
        EXPECT_EQ(*row, kBlankRow);
    }
}

TEST(ToggleFormation, IgnoresAnIndexOutsideTheCatalogue) {
    CardRecord card = MakeCard(u"C1"_s);
    card.Formation1 = u"烏合陣形"_s;
    card.Formation2 = u"機動陣形"_s;
    CardCatalogue catalogue = MakeCatalogue({card, card, card});
    catalogue.CardTable[3] = card;  // a record above CardCount is no card
    for (const char16_t* index : {u"", u"abc", u"-1", u"3", u"1024", u"1025", u"99999999999"}) {
        CardPanelTexts panel = InitialCardPanel();
        panel.Label49 = u"烏合陣形"_s;
        panel.ShownCardIndex = QString::fromUtf16(index);
        const CardPanelTexts before = panel;
        bool secondShown = false;
        ToggleFormation(panel, secondShown, catalogue);
        EXPECT_EQ(panel, before) << QString::fromUtf16(index).toStdString();
        EXPECT_FALSE(secondShown) << QString::fromUtf16(index).toStdString();
    }
}

}  // namespace
}  // namespace kestrava
