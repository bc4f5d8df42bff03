#include "sample/Placement.h"

#include <algorithm>

namespace kestrava {

QPoint PlaceBeside(const QRect& mainFrame, const QSize& frameSize, const QRect& available) {
    // A window taller or wider than available keeps its title bar on the screen.
    const auto within = [](int start, int size, int areaStart, int areaSize) {
        return std::max(areaStart, std::min(start, areaStart + areaSize - size));
    };
    const int top = within(mainFrame.y(), frameSize.height(), available.y(), available.height());
    const int right = mainFrame.x() + mainFrame.width();
    if (right + frameSize.width() <= available.x() + available.width()) {
        return {right, top};
    }
    const int left = mainFrame.x() - frameSize.width();
    if (left >= available.x()) {
        return {left, top};
    }
    return {within(available.x() + (available.width() - frameSize.width()) / 2, frameSize.width(),
                   available.x(), available.width()),
            within(available.y() + (available.height() - frameSize.height()) / 2,
                   frameSize.height(), available.y(), available.height())};
}

}  // namespace kestrava
