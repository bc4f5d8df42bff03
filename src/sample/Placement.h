// Where the sample-hand window first stands: beside the main window, so that it covers none of
// it, the card information panel it fills above all.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kestrava {

// The top-left corner for a window frame of frameSize next to mainFrame: right of it when it
// fits within available (the screen less its panels), else left of it, else centred in
// available. Beside the main window it takes the main window's top, moved as little as keeps
// it within available.
QPoint PlaceBeside(const QRect& mainFrame, const QSize& frameSize, const QRect& available);

}  // namespace kestrava
