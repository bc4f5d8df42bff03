// What the deck's keeper asks of the user: whether to save an unsaved deck before it goes,
// whether to restore one a crash left behind, and where to save a deck that has no file. The
// window answers with its message boxes and file dialog; tests answer from a script.
#pragma once

#include <QString>

namespace kestrava {

enum class SaveAnswer { Save, Discard, Cancel };
enum class RestoreAnswer { Restore, Discard, Later };

class DeckPrompts {
  public:
    virtual ~DeckPrompts() = default;
    // "デッキ「NAME」は保存されていません。保存しますか？": 保存 / 保存しない / キャンセル.
    virtual SaveAnswer AskToSave(const QString& deckName) = 0;
    // "前回、保存されずに終了したデッキがあります。復元しますか？": 復元 / 破棄, or no answer.
    virtual RestoreAnswer AskToRestore() = 0;
    // Shows the file dialog saving a deck; the keeper goes on once that save has succeeded.
    virtual void ChooseSavePath() = 0;
};

}  // namespace kestrava
