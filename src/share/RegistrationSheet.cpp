#include "share/RegistrationSheet.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include "deck/DeckEditing.h"
#include "files/DeckCode.h"
#include "platform/TextFile.h"
#include "share/DeckGroups.h"
#include "share/DrawingFont.h"
#include "share/QrCode.h"

namespace kestrava {

namespace {

// Painted in tenths of a millimetre on the A4 page.
constexpr int kPageWidth = 2100;
constexpr int kPageHeight = 2970;
constexpr int kLeft = 150;
constexpr int kRight = kPageWidth - 150;
constexpr int kTableTop = 640;
constexpr int kRowHeight = 30;
constexpr int kQrSide = 360;

const QColor kInk(0, 0, 0);
const QColor kRule(120, 120, 120);
const QColor kBand(228, 228, 228);

struct Column {
    const char16_t* Caption;
    int Left;
    int Right;
    Qt::Alignment Align;
};

const Column kColumns[] = {
    {u"No.", kLeft, kLeft + 110, Qt::AlignRight},
    {u"コード", kLeft + 110, kLeft + 380, Qt::AlignLeft},
    {u"カード名", kLeft + 380, kLeft + 1400, Qt::AlignLeft},
    {u"種別", kLeft + 1400, kLeft + 1620, Qt::AlignLeft},
    {u"枚数", kLeft + 1620, kRight, Qt::AlignRight},
};

// One row of the table: a card line, a group's heading with its subtotal, or the column heads.
struct SheetRow {
    enum Kind { Line, Group } Kind = Line;
    int Number = 0;
    GroupedLine Card;
    QString Type;
    int Subtotal = 0;
};

void Cell(QPainter& painter, const Column& column, int top, const QString& text) {
    painter.drawText(QRect(column.Left + 12, top, column.Right - column.Left - 24, kRowHeight),
                     column.Align | Qt::AlignVCenter, text);
}

void PaintHeader(QPainter& painter, const QString& family, const Deck& deck, const QImage& qr,
                 int page, int pages) {
    painter.setPen(kInk);
    painter.setFont(DrawingFont(family, 80, true));
    painter.drawText(QRect(kLeft, 120, 1200, 110), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("デッキ登録用紙"));
    painter.setFont(DrawingFont(family, 28));
    painter.drawText(QRect(kLeft, 230, 1200, 40), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("%1 / %2 ページ").arg(page).arg(pages));
    if (!qr.isNull()) {
        painter.drawImage(QRect(kRight - kQrSide, 100, kQrSide, kQrSide), qr);
    }
    // Boxes to fill in by hand.
    const std::pair<const char16_t*, QRect> boxes[] = {
        {u"氏名", QRect(kLeft, 300, 780, 100)},
        {u"プレイヤーID", QRect(kLeft + 800, 300, 580, 100)},
        {u"大会名", QRect(kLeft, 410, 780, 100)},
        {u"日付", QRect(kLeft + 800, 410, 580, 100)},
    };
    painter.setPen(QPen(kInk, 3));
    for (const auto& [caption, box] : boxes) {
        painter.drawRect(box);
        painter.setFont(DrawingFont(family, 26));
        painter.drawText(box.adjusted(12, 6, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromUtf16(caption));
    }
    const QRect name(kLeft, 520, kRight - kLeft, 90);
    painter.drawRect(name);
    painter.setFont(DrawingFont(family, 26));
    painter.drawText(name.adjusted(12, 6, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("デッキ名"));
    painter.setFont(DrawingFont(family, 40, true));
    painter.drawText(
        name.adjusted(220, 0, -12, 0), Qt::AlignLeft | Qt::AlignVCenter,
        painter.fontMetrics().elidedText(deck.DeckName, Qt::ElideRight, name.width() - 240));
}

int PaintRow(QPainter& painter, const QString& family, int top, const SheetRow& row) {
    if (row.Kind == SheetRow::Group) {
        painter.fillRect(QRect(kLeft, top, kRight - kLeft, kRowHeight), kBand);
        painter.setFont(DrawingFont(family, 22, true));
        Cell(painter, kColumns[2], top, row.Type);
        Cell(painter, kColumns[3], top, QStringLiteral("小計"));
        Cell(painter, kColumns[4], top, QString::number(row.Subtotal));
    } else {
        painter.setFont(DrawingFont(family, 22));
        Cell(painter, kColumns[0], top, QString::number(row.Number));
        Cell(painter, kColumns[1], top, row.Card.Code);
        Cell(painter, kColumns[2], top,
             painter.fontMetrics().elidedText(row.Card.Name, Qt::ElideRight,
                                              kColumns[2].Right - kColumns[2].Left - 24));
        Cell(painter, kColumns[3], top, row.Card.Type);
        Cell(painter, kColumns[4], top, QString::number(row.Card.Count));
    }
    painter.setPen(QPen(kRule, 1));
    painter.drawLine(kLeft, top + kRowHeight, kRight, top + kRowHeight);
    painter.setPen(kInk);
    return top + kRowHeight;
}

// The rows of each page: a group's heading comes before its first line on a page, again on a
// page that goes on with the group.
std::vector<std::vector<SheetRow>> PageRows(const std::vector<TypeGroup>& groups) {
    std::vector<std::vector<SheetRow>> pages(1);
    int number = 0;
    int onPage = 0;
    for (const TypeGroup& group : groups) {
        bool headed = false;
        for (const GroupedLine& line : group.Lines) {
            if (onPage == kSheetLinesPerPage) {
                pages.emplace_back();
                onPage = 0;
                headed = false;
            }
            if (!headed) {
                SheetRow heading;
                heading.Kind = SheetRow::Group;
                heading.Type = group.Type;
                heading.Subtotal = group.Count;
                pages.back().push_back(heading);
                headed = true;
            }
            SheetRow row;
            row.Number = ++number;
            row.Card = line;
            pages.back().push_back(row);
            ++onPage;
        }
    }
    return pages;
}

}  // namespace

int RegistrationSheetPages(const Deck& deck) {
    return std::max<int>(1, (int(deck.Lines.size()) + kSheetLinesPerPage - 1) / kSheetLinesPerPage);
}

bool PaintRegistrationSheet(QPagedPaintDevice& device, const Deck& deck,
                            const CardCatalogue& catalogue, const QString& fontFamily) {
    const QString family = FamilyOrDefault(fontFamily);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setViewport(0, 0, device.width(), device.height());
    painter.setWindow(0, 0, kPageWidth, kPageHeight);
    painter.setRenderHint(QPainter::Antialiasing);

    const std::vector<TypeGroup> groups = GroupByType(deck, catalogue);
    const std::vector<std::vector<SheetRow>> pages = PageRows(groups);
    const QImage qr = QrCodeImage(WriteDeckCode(deck), 1);
    DeckTallies tallies;
    RecountTallies(tallies, deck, catalogue);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0 && !device.newPage()) {
            return false;
        }
        PaintHeader(painter, family, deck, qr, int(page) + 1, int(pages.size()));
        int top = kTableTop;
        painter.fillRect(QRect(kLeft, top, kRight - kLeft, kRowHeight + 6), kInk);
        painter.setPen(Qt::white);
        painter.setFont(DrawingFont(family, 24, true));
        for (const Column& column : kColumns) {
            Cell(painter, column, top + 3, QString::fromUtf16(column.Caption));
        }
        painter.setPen(kInk);
        top += kRowHeight + 6;
        for (const SheetRow& row : pages[page]) {
            top = PaintRow(painter, family, top, row);
        }
        if (page + 1 == pages.size()) {
            top += 20;
            painter.setFont(DrawingFont(family, 30, true));
            painter.drawText(
                QRect(kLeft, top, kRight - kLeft - 12, 50), Qt::AlignRight | Qt::AlignVCenter,
                QStringLiteral("合計 %1枚　城 %2枚").arg(deck.Total).arg(tallies.CastleCount));
        }
    }
    return painter.end();
}

bool WriteRegistrationPdf(const QString& path, const Deck& deck, const CardCatalogue& catalogue,
                          const QString& fontFamily) {
    return SaveFileAtomically(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}));
        pdf.setResolution(300);
        pdf.setTitle(QStringLiteral("デッキ登録用紙"));
        return PaintRegistrationSheet(pdf, deck, catalogue, fontFamily);
    });
}

}  // namespace kestrava
