#include "files/DeckLineLayout.h"

#include "platform/Cp932.h"

namespace kestrava {

QString SeparatorLine() {
    return QString(kSeparatorWidth, u'-');
}

QString TotalLine(qint16 total) {
    return QString(kTotalIndent, u' ') + QStringLiteral("Total ") + QString::number(total);
}

QString DeckEntryLine(const DeckLine& line, int minimumPadding) {
    const qsizetype padding = EntryPadding(Cp932ByteLength(line.Text), minimumPadding);
    const QString count = QString::number(line.Count);
    QString entry;
    entry.reserve(line.Text.size() + padding + 2 + count.size());  // one allocation a line
    entry.append(line.Text);
    entry.resize(entry.size() + padding, u' ');
    entry.append(kCountMark).append(count);
    return entry;
}

}  // namespace kestrava
