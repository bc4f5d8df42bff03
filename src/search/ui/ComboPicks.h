// The picks of an editable drop-down that are the user's choice of an entry. Qt's own
// `activated` also fires when the edit field is left, when Enter is pressed on text that matches
// an entry in any case, and when the wheel turns over the box without focus; a filter must not
// change on any of these.
#pragma once

#include <QComboBox>
#include <QObject>

#include <functional>

namespace kestrava {

// Calls pick(index) when the user chooses an entry from combo's list (mouse, arrow keys, or the
// wheel while combo has keyboard focus), or presses Enter on the exact, case-sensitive text of
// an entry; never when the edit field is merely left or Enter is pressed on other text, nor when
// the wheel turns over combo without focus (combo keeps its entry, the turn goes on to its
// parent). Gives combo a line edit of its own, no completer (whose inline completion would pick
// on its own) and no focus from the wheel. The connections live as long as context.
void ConnectUserPicks(QComboBox& combo, QObject& context, std::function<void(int)> pick);

}  // namespace kestrava
