// Form1's search box: in the menu bar's corner, so the window keeps its size and layout; the
// card list follows each keystroke.
#include <QAction>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>
#include <QStyle>

#include "app/Form1.h"
#include "ui_Form1.h"

namespace kestrava {

namespace {

constexpr int kSearchBoxWidth = 200;
constexpr int kGapToTheEdge = 3;

}  // namespace

void Form1::CreateSearchBox() {
    // As tall as the menu bar without it, less the margins the bar puts around a corner
    // widget: the bar, and with it the window, keep their height.
    QMenuBar* bar = menuBar();
    const QStyle* style = bar->style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, bar) +
                             style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, bar));
    // The menu bar sizes its corner by the size hint: a box of fixed size is given one inside.
    auto* corner = new QWidget(bar);
    auto* layout = new QHBoxLayout(corner);
    layout->setContentsMargins(0, 0, kGapToTheEdge, 0);
    auto* box = new QLineEdit(corner);
    box->setObjectName(QStringLiteral("SearchBox"));
    box->setPlaceholderText(QStringLiteral("カード検索 (Ctrl+F)"));
    // The style's frame would leave the text no room at this height.
    box->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid palette(mid);"
                       " padding: 0 2px; }"));
    // No clear button: finding its icon costs the start-up milliseconds, and Esc clears.
    box->setFixedSize(kSearchBoxWidth, bar->sizeHint().height() - margins);
    layout->addWidget(box);
    bar->setCornerWidget(corner, Qt::TopRightCorner);
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QStringList words = search_.Words();
        search_.SetQuery(text);
        // A blank or a "・" more finds what it found: the line chosen stays chosen.
        if (search_.Words() != words) {
            Change_List();
        }
    });

    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, box, [box] { box->setFocus(Qt::ShortcutFocusReason); });
    auto* clear = new QAction(box);
    clear->setShortcut(QKeySequence(Qt::Key_Escape));
    clear->setShortcutContext(Qt::WidgetShortcut);
    connect(clear, &QAction::triggered, box, &QLineEdit::clear);
    box->addAction(clear);

    // Enter or Down goes on to what was found: the first line, chosen as a click would.
    const auto toList = [this] {
        if (ui_->List1->count() > 0) {
            ui_->List1->setFocus(Qt::OtherFocusReason);
            ui_->List1->setCurrentRow(0);
        }
    };
    auto* down = new QAction(box);
    down->setShortcut(QKeySequence(Qt::Key_Down));
    down->setShortcutContext(Qt::WidgetShortcut);
    connect(down, &QAction::triggered, this, toList);
    box->addAction(down);
    connect(box, &QLineEdit::returnPressed, this, toList);
}

}  // namespace kestrava
