#include "search/ui/WheelFocus.h"

#include <QEvent>

namespace kestrava {

namespace {

class WheelOnlyWithFocus : public QObject {
  public:
    explicit WheelOnlyWithFocus(QWidget& control) : QObject(&control), control_(control) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &control_ && event->type() == QEvent::Wheel && !control_.hasFocus()) {
            // Ignored, the turn goes on to the parent (the table scrolls).
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget& control_;
};

}  // namespace

void TakeWheelOnlyWithFocus(QWidget& control) {
    // Controls that take focus from a wheel turn take it before the turn arrives.
    control.setFocusPolicy(Qt::StrongFocus);
    control.installEventFilter(new WheelOnlyWithFocus(control));
}

}  // namespace kestrava
