#include "search/ui/SearchBox.h"

#include <QAction>
#include <QMenuBar>
#include <QShortcut>
#include <QStyle>

#include <functional>

#include "ui_SearchBox.h"

namespace kestrava {

namespace {

// A key of the box itself, not of the window.
void OnKey(QLineEdit& box, Qt::Key key, const std::function<void()>& act) {
    auto* action = new QAction(&box);
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(action, &QAction::triggered, &box, act);
    box.addAction(action);
}

}  // namespace

SearchBox::SearchBox(QMenuBar& bar) : QWidget(&bar), ui_(std::make_unique<Ui::SearchBoxCorner>()) {
    ui_->setupUi(this);
    // As tall as the bar without it, less the margins the bar puts around a corner widget.
    // The bar sizes its corner by the size hint, so the box inside gets the fixed height.
    const QStyle* style = bar.style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, &bar) +
                             style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, &bar));
    // The style sheet's frame leaves the text room at this height, where the style's would not.
    QLineEdit* box = ui_->SearchBox;
    box->setFixedHeight(bar.sizeHint().height() - margins);

    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QStringList words = search_.Words();
        search_.SetQuery(text);
        // A blank or a "・" more finds what it found: the line chosen stays chosen.
        if (search_.Words() != words) {
            emit SearchChanged();
        }
    });
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, box, [box] { box->setFocus(Qt::ShortcutFocusReason); });
    // No clear button: finding its icon costs the start-up milliseconds, and Esc clears.
    OnKey(*box, Qt::Key_Escape, [box] { box->clear(); });
    OnKey(*box, Qt::Key_Down, [this] { emit GoToResults(); });
    connect(box, &QLineEdit::returnPressed, this, &SearchBox::GoToResults);
}

SearchBox::~SearchBox() = default;

}  // namespace kestrava
