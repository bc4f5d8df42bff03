#include "search/ui/ComboPicks.h"

#include <QLineEdit>

#include <memory>

#include "search/ui/WheelFocus.h"

namespace kestrava {

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
    TakeWheelOnlyWithFocus(combo);
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
