#include "files/ui/ScreenCentre.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

namespace kestrava {

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const double left = area.x() + area.width() / 2.0 - window.width() / 2.0;
    const double top = area.y() + area.height() / 2.0 - window.height() / 2.0;
    window.move(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
}

}  // namespace kestrava
