// Where the sample-hand window first stands: where it was last closed while that is still on a
// screen, else beside the main window, so that it covers none of it, and never over the card
// information panel its drawn cards fill.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace kestrava {

// The top-left corner for a window frame of frameSize next to mainFrame: right of it when it
// fits within available (the screen less its panels), else left of it; where neither side
// has room, against available's right edge, else its left edge, when the window there leaves
// keepClear uncovered; else centred in available. Beside the main window or against an edge
// it takes the main window's top, moved as little as keeps it within available.
QPoint PlaceBeside(const QRect& mainFrame, const QRect& keepClear, const QSize& frameSize,
                   const QRect& available);

// Whether a window frame placed where it was last time can still be taken by its title bar:
// the middle of the bar lies within one of the screens' available areas. A screen since
// unplugged or made smaller may have left it where no screen is.
bool TitleBarOnScreen(const QRect& frame, const QList<QRect>& available);

}  // namespace kestrava
