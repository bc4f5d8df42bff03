// Form1's views of the deck as a document: the edit menu, the title bar, and the close and the
// session's end, which the keeper lets through or not.
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSessionManager>

#include "app/Form1.h"
#include "ui_Form1.h"

namespace kestrava {

namespace {

const QString kProgramTitle = QStringLiteral("Kestrava Deck Builder");

// "元に戻す (1枚追加 G001 …)"; "&" in a card name is no mnemonic.
QString StepCaption(const QString& verb, QString step) {
    if (step.isEmpty()) {
        return verb;
    }
    return verb + QStringLiteral(" (") + step.replace(u'&', QStringLiteral("&&")) + u')';
}

bool IsHistoryKey(const QKeyEvent* key) {
    const QKeyCombination combination = key->keyCombination();
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           combination == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

}  // namespace

void Form1::CreateEditMenu() {
    auto* menu = new QMenu(QStringLiteral("編集"), this);
    menu->setObjectName(QStringLiteral("mnuEdit"));
    menuBar()->insertMenu(ui_->mnuDeck->menuAction(), menu);
    QUndoStack& history = Document().History();

    QAction* undo = menu->addAction(StepCaption(QStringLiteral("元に戻す"), {}));
    undo->setObjectName(QStringLiteral("Undo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setEnabled(false);
    connect(undo, &QAction::triggered, &history, &QUndoStack::undo);
    connect(&history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&history, &QUndoStack::undoTextChanged, undo, [undo](const QString& step) {
        undo->setText(StepCaption(QStringLiteral("元に戻す"), step));
    });

    QAction* redo = menu->addAction(StepCaption(QStringLiteral("やり直し"), {}));
    redo->setObjectName(QStringLiteral("Redo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redo->setEnabled(false);
    connect(redo, &QAction::triggered, &history, &QUndoStack::redo);
    connect(&history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(&history, &QUndoStack::redoTextChanged, redo, [redo](const QString& step) {
        redo->setText(StepCaption(QStringLiteral("やり直し"), step));
    });

    // The name box would undo its own typing; there is one history.
    ui_->Text2->installEventFilter(this);

#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        const bool mayEnd =
            keeper_.SessionMayEnd([&manager] { return manager.allowsInteraction(); });
        manager.release();
        if (!mayEnd) {
            manager.cancel();
        }
    });
#endif
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Text2 && event->type() == QEvent::ShortcutOverride &&
        IsHistoryKey(static_cast<QKeyEvent*>(event))) {
        // Left unaccepted, the key goes to the edit menu's shortcut instead of the box.
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::FollowDeck() {
    const QString& name = CurrentDeck().DeckName;
    if (ui_->Text2->text() != name) {
        ui_->Text2->setText(name);
    }
    ShowTitle();
}

void Form1::ShowTitle() {
    const QString& path = Document().FilePath();
    setWindowTitle(path.isEmpty()
                       ? kProgramTitle + QStringLiteral("[*]")
                       : QFileInfo(path).fileName() + QStringLiteral("[*] - ") + kProgramTitle);
    setWindowModified(Document().IsUnsaved());
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!keeper_.MayClose([this] { close(); })) {
        event->ignore();
        return;
    }
    // Only once the close is sure: the sample hand shows this window's deck.
    if (sampleHand_ != nullptr) {
        sampleHand_->close();
    }
    QMainWindow::closeEvent(event);
}

}  // namespace kestrava
