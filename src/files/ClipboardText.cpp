#include "files/ClipboardText.h"

#include "files/DeckLineLayout.h"

namespace kestrava {
namespace {
const QString kLineEnd = QStringLiteral("\r\n");
}

QString DeckClipboardText(const Deck& deck) {
    QString text;
    for (const DeckLine& line : deck.Lines) {
        text += DeckEntryLine(line, 0) + kLineEnd;
    }
    text += SeparatorLine() + kLineEnd;
    text += TotalLine(deck.Total) + kLineEnd;
    return text;
}

QString CardClipboardText(const QString& label1, const QString& label7, const QString& label8) {
    return label1 + kLineEnd + label7 + kLineEnd + label8 + kLineEnd;
}

}  // namespace kestrava
