// Qt turns the wheel over a drop-down or a spin box into a change whether or not it has focus,
// so scrolling a window or a table changes whatever passes under the pointer. As on Windows,
// only the focused control takes the wheel; for the others the turn goes on to their parent.
#pragma once

#include <QWidget>

namespace kestrava {

// The wheel changes control only while it has keyboard focus; the wheel gives it no focus.
void TakeWheelOnlyWithFocus(QWidget& control);

}  // namespace kestrava
