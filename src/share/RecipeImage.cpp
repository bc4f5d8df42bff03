#include "share/RecipeImage.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "catalogue/StringTable.h"
#include "deck/DeckEditing.h"
#include "files/DeckCode.h"
#include "files/DeckSummary.h"
#include "sample/DeckAnalysis.h"
#include "share/DeckGroups.h"
#include "share/DrawingFont.h"
#include "share/QrCode.h"

namespace kestrava {

namespace {

constexpr int kMargin = 40;
constexpr int kHeaderHeight = 120;
constexpr int kListWidth = 700;
constexpr int kSideLeft = 790;
constexpr int kSideWidth = kRecipeWidth - kSideLeft - kMargin;
constexpr int kGroupHeight = 40;
constexpr int kLineHeight = 34;
constexpr int kQrSide = 300;

const QColor kInk(34, 40, 49);
const QColor kHeader(38, 58, 82);
const QColor kBand(223, 231, 240);
const QColor kMuted(110, 118, 128);
const QColor kShort(192, 0, 0);
const QColor kBar(70, 120, 170);

struct SideRow {
    QString Label;
    QString Value;
    bool Short = false;  // the castle count below its quota
};

// The block of rows under a heading at top; returns the y below it.
int DrawTable(QPainter& painter, const QString& family, int top, const QString& heading,
              const std::vector<SideRow>& rows) {
    painter.setFont(DrawingFont(family, 20, true));
    painter.setPen(kInk);
    painter.drawText(QRect(kSideLeft, top, kSideWidth, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     heading);
    top += 34;
    painter.setFont(DrawingFont(family, 18));
    for (const SideRow& row : rows) {
        painter.setPen(kInk);
        painter.drawText(QRect(kSideLeft + 12, top, kSideWidth - 80, 26),
                         Qt::AlignLeft | Qt::AlignVCenter, row.Label);
        painter.setPen(row.Short ? kShort : kInk);
        painter.drawText(QRect(kSideLeft, top, kSideWidth - 8, 26),
                         Qt::AlignRight | Qt::AlignVCenter, row.Value);
        top += 26;
    }
    return top + 14;
}

int DrawCostCurve(QPainter& painter, const QString& family, int top, const CostCurve& costs) {
    painter.setFont(DrawingFont(family, 20, true));
    painter.setPen(kInk);
    painter.drawText(QRect(kSideLeft, top, kSideWidth, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("コスト分布"));
    top += 34;
    constexpr int kBarArea = 120;
    const int most = std::max(1, *std::max_element(costs.begin(), costs.end()));
    const int step = kSideWidth / kCostBuckets;
    painter.setFont(DrawingFont(family, 16));
    for (int bucket = 0; bucket < kCostBuckets; ++bucket) {
        const int x = kSideLeft + bucket * step;
        const int height = costs[bucket] * kBarArea / most;
        painter.fillRect(QRect(x + 8, top + 20 + kBarArea - height, step - 16, height), kBar);
        painter.setPen(kInk);
        painter.drawText(QRect(x, top + kBarArea - height - 2, step, 20),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         costs[bucket] > 0 ? QString::number(costs[bucket]) : QString());
        painter.setPen(kMuted);
        painter.drawText(QRect(x, top + 24 + kBarArea, step, 22), Qt::AlignCenter,
                         CostBucketLabels()[bucket]);
    }
    return top + kBarArea + 60;
}

int DrawLines(QPainter& painter, const QString& family, int top,
              const std::vector<TypeGroup>& groups) {
    const QFontMetrics nameMetrics(DrawingFont(family, 20));
    for (const TypeGroup& group : groups) {
        painter.fillRect(QRect(kMargin, top, kListWidth, kGroupHeight - 4), kBand);
        painter.setPen(kInk);
        painter.setFont(DrawingFont(family, 20, true));
        const QRect band(kMargin + 12, top, kListWidth - 24, kGroupHeight - 4);
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, group.Type);
        painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1枚").arg(group.Count));
        top += kGroupHeight;
        for (const GroupedLine& line : group.Lines) {
            const QRect row(kMargin, top, kListWidth, kLineHeight);
            painter.setFont(DrawingFont(family, 20, true));
            painter.setPen(kInk);
            painter.drawText(row.adjusted(12, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("×%1").arg(line.Count));
            painter.setFont(DrawingFont(family, 17));
            painter.setPen(kMuted);
            painter.drawText(row.adjusted(70, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             line.Code);
            painter.setFont(DrawingFont(family, 20));
            painter.setPen(kInk);
            painter.drawText(row.adjusted(190, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             nameMetrics.elidedText(line.Name, Qt::ElideRight, kListWidth - 200));
            top += kLineHeight;
        }
        top += 12;
    }
    return top;
}

}  // namespace

QImage DrawRecipeImage(const Deck& deck, const CardCatalogue& catalogue,
                       const QString& fontFamily) {
    const QString family = FamilyOrDefault(fontFamily);
    const std::vector<TypeGroup> groups = GroupByType(deck, catalogue);
    DeckTallies tallies;
    RecountTallies(tallies, deck, catalogue);

    int listHeight = 0;
    for (const TypeGroup& group : groups) {
        listHeight += kGroupHeight + int(group.Lines.size()) * kLineHeight + 12;
    }
    std::vector<SideRow> types;
    for (const auto& [word, count] : {std::pair{kWordCastle, tallies.CastleCount},
                                      {kWordHero, tallies.HeroCount},
                                      {kWordCommander, tallies.CommanderCount},
                                      {kWordTroop, tallies.TroopCount},
                                      {kWordFollower, tallies.FollowerCount},
                                      {kWordTactic, tallies.TacticCount},
                                      {kWordStratagem, tallies.StratagemCount}}) {
        types.push_back({LoadWord(word), QStringLiteral("%1枚").arg(count),
                         word == kWordCastle && !CastleQuotaReached(tallies)});
    }
    std::vector<SideRow> factions;
    for (const FactionSummaryLine& line : FactionSummary(tallies, catalogue.FactionNames)) {
        factions.push_back({line.Name, line.Count + QStringLiteral("枚")});
    }
    const std::vector<SideRow> rarities = {
        {QStringLiteral("Rare"), QString::number(tallies.RareCount)},
        {QStringLiteral("Uncommon"), QString::number(tallies.UncommonCount)},
        {QStringLiteral("Common"), QString::number(tallies.CommonCount)}};
    const int sideHeight = kQrSide + 40 + 48 +
                           26 * int(types.size() + factions.size() + rarities.size()) + 3 * 48 +
                           214;
    const int height = kHeaderHeight + kMargin + std::max(listHeight, sideHeight) + kMargin;

    QImage image(kRecipeWidth, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    painter.fillRect(QRect(0, 0, kRecipeWidth, kHeaderHeight), kHeader);
    painter.setPen(Qt::white);
    const QFont title = DrawingFont(family, 38, true);
    painter.setFont(title);
    painter.drawText(
        QRect(kMargin, 14, kRecipeWidth - 2 * kMargin, 56), Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(title).elidedText(
            deck.DeckName.isEmpty() ? QStringLiteral("（名前のないデッキ）") : deck.DeckName,
            Qt::ElideRight, kRecipeWidth - 2 * kMargin));
    painter.setFont(DrawingFont(family, 20));
    painter.drawText(QRect(kMargin, 74, kRecipeWidth - 2 * kMargin, 30),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("合計 %1枚　城 %2枚　%3行")
                         .arg(deck.Total)
                         .arg(tallies.CastleCount)
                         .arg(deck.Lines.size()));

    const int top = kHeaderHeight + kMargin;
    DrawLines(painter, family, top, groups);

    const QImage code = QrCodeImage(WriteDeckCode(deck), 1);
    int side = top;
    if (!code.isNull()) {
        const int module = std::max(1, kQrSide / code.width());
        const QImage scaled = QrCodeImage(WriteDeckCode(deck), module);
        painter.drawImage(kSideLeft + (kSideWidth - scaled.width()) / 2, side, scaled);
        side += scaled.height();
    }
    painter.setFont(DrawingFont(family, 16));
    painter.setPen(kMuted);
    painter.drawText(QRect(kSideLeft, side, kSideWidth, 28), Qt::AlignCenter,
                     QStringLiteral("デッキコード（読み込めます）"));
    side += 48;
    side = DrawTable(painter, family, side, QStringLiteral("種別"), types);
    side = DrawTable(painter, family, side, QStringLiteral("種族"), factions);
    side = DrawTable(painter, family, side, QStringLiteral("レアリティ"), rarities);
    DrawCostCurve(painter, family, side, AnalyseDeck(deck, catalogue).Costs);
    return image;
}

}  // namespace kestrava
