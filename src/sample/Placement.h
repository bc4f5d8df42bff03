// Where the sample-hand window first stands: beside the main window, so that it covers none of
// it, and never over the card information panel its drawn cards fill.
#pragma once

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

}  // namespace kestrava
