// The two questions the program asks about a deck: whether to save an unsaved one before it is
// thrown away, and whether to restore one a crash left behind. Both are modal message boxes
// over parent, in the program's words.
#pragma once

#include <QString>

#include "files/DeckPrompts.h"

class QWidget;

namespace kestrava {

// "デッキ「NAME」は保存されていません。保存しますか？" with 保存 (default) / 保存しない /
// キャンセル (Esc); an empty name is "無題".
SaveAnswer AskToSaveDeck(QWidget* parent, const QString& deckName);

// "前回、保存されずに終了したデッキがあります。復元しますか？" with 復元 / 破棄; closing the
// box without an answer keeps the copy for the next start.
RestoreAnswer AskToRestoreDeck(QWidget* parent);

}  // namespace kestrava
