#include "files/DeckLineLayout.h"

#include <algorithm>

#include "platform/Cp932.h"

namespace kestrava {

QString SeparatorLine() {
    return QString(kSeparatorWidth, u'-');
}

QString TotalLine(qint16 total) {
    return QString(kTotalIndent, u' ') + QStringLiteral("Total ") + QString::number(total);
}

QString DeckEntryLine(const DeckLine& line, int minimumPadding) {
    const int padding = std::max(kCountMarkColumn - Cp932ByteLength(line.Text), minimumPadding);
    return line.Text + QString(padding, u' ') + QStringLiteral("× ") + QString::number(line.Count);
}

}  // namespace kestrava
