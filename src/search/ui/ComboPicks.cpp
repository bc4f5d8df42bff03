#include "search/ui/ComboPicks.h"

#include <QEvent>
#include <QLineEdit>

#include <memory>

namespace kestrava {

namespace {

// Qt turns the wheel over a combo box into a pick whether or not the box has focus, so a
// scroll through the window changes the filter under the pointer; as on Windows, only the
// focused box takes the wheel. Ignored, the turn goes on to the box's parent.
class WheelOnlyWithFocus : public QObject {
  public:
    explicit WheelOnlyWithFocus(QComboBox& combo) : QObject(&combo), combo_(combo) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &combo_ && event->type() == QEvent::Wheel && !combo_.hasFocus()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QComboBox& combo_;
};

}  // namespace

void ConnectUserPicks(QComboBox& combo, QObject& context, std::function<void(int)> pick) {
    // The box reacts to the field's signals in handlers it connects when it gets the field; ours
    // must come first to say that what follows is the field's doing, not a pick.
    auto fieldEnding = std::make_shared<bool>(false);
    auto* edit = new QLineEdit(&combo);
    QObject::connect(edit, &QLineEdit::returnPressed, &context, [fieldEnding, &combo, pick] {
        *fieldEnding = true;
        const int index =
            combo.findText(combo.currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0) {
            combo.setCurrentIndex(index);
            pick(index);
        }
    });
    QObject::connect(edit, &QLineEdit::editingFinished, &context,
                     [fieldEnding] { *fieldEnding = true; });
    combo.setLineEdit(edit);
    combo.setCompleter(nullptr);
    // An editable box takes focus from a wheel turn over it before the turn arrives.
    combo.setFocusPolicy(Qt::StrongFocus);
    combo.installEventFilter(new WheelOnlyWithFocus(combo));
    // Connected after the box's handlers: the field's turn is over.
    QObject::connect(edit, &QLineEdit::editingFinished, &context,
                     [fieldEnding] { *fieldEnding = false; });
    QObject::connect(&combo, &QComboBox::activated, &context, [fieldEnding, pick](int index) {
        if (!*fieldEnding) {
            pick(index);
        }
    });
}

}  // namespace kestrava
