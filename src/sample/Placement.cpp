#include "sample/Placement.h"

#include <algorithm>

namespace kestrava {

namespace {

// Below the frame's top edge, within any title bar.
constexpr int kTitleBarDepth = 8;

}  // namespace

QPoint PlaceBeside(const QRect& mainFrame, const QRect& keepClear, const QSize& frameSize,
                   const QRect& available) {
    // A window taller or wider than available keeps its title bar on the screen.
    const auto within = [](int start, int size, int areaStart, int areaSize) {
        return std::max(areaStart, std::min(start, areaStart + areaSize - size));
    };
    const int top = within(mainFrame.y(), frameSize.height(), available.y(), available.height());
    const int availableRight = available.x() + available.width();
    const auto fits = [&](int x) {
        return x >= available.x() && x + frameSize.width() <= availableRight;
    };
    for (const int x : {mainFrame.x() + mainFrame.width(), mainFrame.x() - frameSize.width()}) {
        if (fits(x)) {
            return {x, top};
        }
    }
    for (const int x : {availableRight - frameSize.width(), available.x()}) {
        if (fits(x) && !QRect(QPoint(x, top), frameSize).intersects(keepClear)) {
            return {x, top};
        }
    }
    return {within(available.x() + (available.width() - frameSize.width()) / 2, frameSize.width(),
                   available.x(), available.width()),
            within(available.y() + (available.height() - frameSize.height()) / 2,
                   frameSize.height(), available.y(), available.height())};
}

bool TitleBarOnScreen(const QRect& frame, const QList<QRect>& available) {
    const QPoint grip(frame.x() + frame.width() / 2, frame.y() + kTitleBarDepth);
    return std::any_of(available.begin(), available.end(),
                       [&](const QRect& area) { return area.contains(grip); });
}

}  // namespace kestrava
