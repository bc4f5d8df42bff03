// The deck information panel: its labels by name where the main window expects them, and the
// tallies shown with the castle number's colour.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPalette>

#include <vector>

#include "deck/ui/DeckStatsPanel.h"

namespace kestrava {
namespace {

constexpr int kTwipsPerPixel = 15;

QRect Pixels(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

// One column of the panel: its labels from the top row down, all of one left edge and width.
struct Column {
    int FirstLabel;
    int Left, Width;  // twips
    std::vector<const char16_t*> Texts;
    bool RightAligned;
};

// Rows start 240 below the frame's top and lie 195 apart; numbers are 285 wide, and the faction
// captions are right-aligned so that they end at 2715.
const Column kColumns[] = {
    {35, 180, 660, {u"城", u"英雄", u"指揮官", u"兵力", u"配下", u"戦法", u"計略"}, false},
    {16, 840, 285, {u"0", u"0", u"0", u"0", u"0", u"0", u"0"}, true},
    {30,
     1275,
     1440,
     {u"カオスフォーマー", u"デ・バース帝国", u"エレアル旅団", u"ガイア族", u"マナ王国"},
     true},
    {25, 2760, 285, {u"0", u"0", u"0", u"0", u"0"}, true},
    {42, 3300, 780, {u"Rare", u"Uncommon", u"Common"}, false},
    {45, 4080, 285, {u"0", u"0", u"0"}, true},
};

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

QColor TextColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

QLabel* Find(const DeckStatsPanel& panel, const char* name) {
    return panel.findChild<QLabel*>(QString::fromLatin1(name));
}

TEST(DeckStatsPanel, LabelsStandWhereTheWindowExpectsThem) {
    DeckStatsPanel panel;
    EXPECT_EQ(panel.objectName(), QStringLiteral("Frame6"));
    EXPECT_EQ(panel.title(), QStringLiteral("デッキ情報"));
    EXPECT_EQ(panel.geometry(), Pixels(0, 0, 4635, 3255));
    for (const Column& column : kColumns) {
        for (std::size_t row = 0; row < column.Texts.size(); ++row) {
            const QString name =
                QStringLiteral("Label%1").arg(column.FirstLabel + static_cast<int>(row));
            SCOPED_TRACE(name.toStdString());
            const QLabel* label = panel.findChild<QLabel*>(name);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->geometry(),
                      Pixels(column.Left, 240 + 195 * static_cast<int>(row), column.Width, 195));
            EXPECT_EQ(label->text(), QString::fromUtf16(column.Texts[row]));
            EXPECT_EQ(label->alignment().testFlag(Qt::AlignRight), column.RightAligned);
            EXPECT_FALSE(label->isHidden());
            // The panel takes the window's font.
            EXPECT_FALSE(label->testAttribute(Qt::WA_SetFont));
        }
    }
    EXPECT_EQ(Find(panel, "Label24")->geometry(), Pixels(180, 2940, 4275, 195));
    EXPECT_TRUE(Find(panel, "Label24")->text().isEmpty());
    EXPECT_EQ(panel.StatusLabel(), Find(panel, "Label24"));
    ASSERT_NE(panel.ShownCardIndexLabel(), nullptr);
    EXPECT_EQ(panel.ShownCardIndexLabel()->objectName(), QStringLiteral("Label53"));
    EXPECT_TRUE(panel.ShownCardIndexLabel()->isHidden());
    EXPECT_TRUE(panel.ShownCardIndexLabel()->text().isEmpty());
    EXPECT_TRUE(panel.rect().contains(panel.ShownCardIndexLabel()->geometry()));
}

TEST(DeckStatsPanel, ShowsEveryTallyInItsLabel) {
    DeckStatsPanel panel;
    DeckTallies tallies;
    tallies.CastleCount = 1;
    tallies.HeroCount = 2;
    tallies.CommanderCount = 3;
    tallies.TroopCount = 4;
    tallies.FollowerCount = 5;
    tallies.TacticCount = 6;
    tallies.StratagemCount = 7;
    tallies.FactionCountC = 8;
    tallies.FactionCountD = 9;
    tallies.FactionCountE = 10;
    tallies.FactionCountG = 11;
    tallies.FactionCountM = -12;
    tallies.RareCount = 13;
    tallies.UncommonCount = 140;
    tallies.CommonCount = 0;
    panel.ShowTallies(tallies);
    const std::pair<const char*, const char*> expected[] = {
        {"Label16", "1"},  {"Label17", "2"},   {"Label18", "3"},  {"Label19", "4"},
        {"Label20", "5"},  {"Label21", "6"},   {"Label22", "7"},  {"Label25", "8"},
        {"Label26", "9"},  {"Label27", "10"},  {"Label28", "11"}, {"Label29", "-12"},
        {"Label45", "13"}, {"Label46", "140"}, {"Label47", "0"},
    };
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(Find(panel, name)->text(), QString::fromLatin1(text)) << name;
    }
    panel.ShowTallies(DeckTallies{});
    for (const auto& entry : expected) {
        EXPECT_EQ(Find(panel, entry.first)->text(), QStringLiteral("0")) << entry.first;
    }
}

TEST(DeckStatsPanel, CastleNumberIsBlackFromTwentyAndRedBelow) {
    DeckStatsPanel panel;
    EXPECT_EQ(TextColour(Find(panel, "Label16")), kRed);
    EXPECT_NE(TextColour(Find(panel, "Label17")), kRed);
    const std::pair<qint16, QColor> steps[] = {
        {19, kRed}, {20, kBlack}, {33, kBlack}, {19, kRed}, {20, kBlack}, {0, kRed}, {-1, kRed},
    };
    for (const auto& [castles, colour] : steps) {
        DeckTallies tallies;
        tallies.CastleCount = castles;
        panel.ShowTallies(tallies);
        EXPECT_EQ(TextColour(Find(panel, "Label16")), colour) << castles << " castles";
        EXPECT_EQ(Find(panel, "Label16")->palette().color(QPalette::Inactive, QPalette::WindowText),
                  colour)
            << castles << " castles";
    }
}

}  // namespace
}  // namespace kestrava
