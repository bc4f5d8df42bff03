#include "files/DeckHtml.h"

#include <array>

#include "files/DeckSummary.h"
#include "platform/TextFile.h"

namespace kestrava {
namespace {

const QString kRuleRow = QStringLiteral("<TD colspan=2><HR></TD><TR>");
const QString kCopiesCellEnd = QStringLiteral("</TD><TD>枚</TD><TR>");

// The trailing blanks of the last three rows belong to the page layout.
const std::array<QString, kSummaryTypeCount>& TypeRowStarts() {
    static const std::array<QString, kSummaryTypeCount> starts = {
        QStringLiteral("<TD>英雄</TD><TD>"),    QStringLiteral("<TD>指揮官</TD><TD>"),
        QStringLiteral("<TD>兵力</TD><TD>"),    QStringLiteral("<TD>配下</TD><TD>"),
        QStringLiteral("<TD>戦法</TD><TD>   "), QStringLiteral("<TD>計略</TD><TD>   "),
        QStringLiteral("<TD>城</TD><TD>     ")};
    return starts;
}

QString EscapeHtml(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&') {
            escaped += QStringLiteral("&amp;");
        } else if (c == u'<') {
            escaped += QStringLiteral("&lt;");
        } else if (c == u'>') {
            escaped += QStringLiteral("&gt;");
        } else {
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace

QStringList DeckHtmlLines(const Deck& deck, const DeckTallies& tallies,
                          const FactionNameList& factionNames) {
    const QString name = EscapeHtml(deck.DeckName);
    QStringList lines;
    lines << QStringLiteral("<HTML><HEAD><TITLE>") + name + QStringLiteral("</TITLE></HEAD><BODY>")
          << QStringLiteral("<H1>") + name + QStringLiteral("</H1>") << QStringLiteral("<table>")
          << kRuleRow;
    for (const DeckLine& line : deck.Lines) {
        lines << QStringLiteral("<TD>") + EscapeHtml(line.Text) + QStringLiteral("</TD><TD>× ") +
                     QString::number(line.Count) + QStringLiteral("</TD><TR>");
    }
    lines << kRuleRow
          << QStringLiteral("<TD align=right>Total </TD><TD align=right>") +
                 QString::number(deck.Total) + QStringLiteral("</TD><TR>")
          << QStringLiteral("</table>") << QStringLiteral("<P>") << QStringLiteral("デッキ構成")
          << QStringLiteral("<table>");
    for (const FactionSummaryLine& faction : FactionSummary(tallies, factionNames)) {
        lines << QStringLiteral("<TD>") + faction.Name + QStringLiteral("</TD><TD>") +
                     faction.Count + kCopiesCellEnd;
    }
    lines << QStringLiteral("</table>") << QStringLiteral("<P>") << QStringLiteral("<table>");
    const auto counts = TypeSummary(tallies);
    for (int i = 0; i < kSummaryTypeCount; ++i) {
        lines << TypeRowStarts()[i] + counts[i] + kCopiesCellEnd;
    }
    lines << QStringLiteral("</table>") << QStringLiteral("</BODY></HTML>");
    return lines;
}

bool SaveDeckHtml(QIODevice& device, const Deck& deck, const DeckTallies& tallies,
                  const FactionNameList& factionNames) {
    return WriteCp932Lines(device, DeckHtmlLines(deck, tallies, factionNames));
}

bool SaveDeckHtml(const QString& path, const Deck& deck, const DeckTallies& tallies,
                  const FactionNameList& factionNames) {
    return WriteCp932Lines(path, DeckHtmlLines(deck, tallies, factionNames));
}

}  // namespace kestrava
