// Form1's care for the deck as a document: the edit menu, the title bar, the question before an
// unsaved deck goes, and the recovery copy.
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSessionManager>

#include "app/DeckQuestions.h"
#include "app/Form1.h"
#include "files/ui/FileWindows.h"
#include "ui_Form1.h"

namespace kestrava {

namespace {

constexpr int kRecoveryDelayMs = 2000;
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
    QUndoStack& history = document_.History();

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

    recoveryTimer_.setSingleShot(true);
    recoveryTimer_.setInterval(kRecoveryDelayMs);
    connect(&recoveryTimer_, &QTimer::timeout, this, [this] { WriteRecoveryCopy(); });

#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        // Without leave to ask, the recovery copy keeps the deck.
        if (!document_.IsUnsaved() || !manager.allowsInteraction()) {
            return;
        }
        const bool mayGo = MayDiscardDeck({});
        manager.release();
        if (mayGo) {
            closing_ = true;
            recovery_->Remove();
        } else {
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

void Form1::FollowDeck(DeckUpdate update) {
    const Deck& deck = document_.CurrentDeck();
    if (ui_->Text2->text() != deck.DeckName) {
        ui_->Text2->setText(deck.DeckName);
    }
    if (update != DeckUpdate::Renamed && update != DeckUpdate::Saved) {
        SampleDeckChanged();
    }
    ShowTitle();
    if (!document_.IsUnsaved()) {
        recoveryTimer_.stop();
        recovery_->Remove();
    } else if (!recoveryTimer_.isActive()) {
        // Never restarted: a burst of changes is copied at most this long after its first.
        recoveryTimer_.start();
    }
}

void Form1::ShowTitle() {
    const QString& path = document_.FilePath();
    setWindowTitle(path.isEmpty()
                       ? kProgramTitle + QStringLiteral("[*]")
                       : QFileInfo(path).fileName() + QStringLiteral("[*] - ") + kProgramTitle);
    setWindowModified(document_.IsUnsaved());
}

void Form1::WriteRecoveryCopy() {
    if (document_.IsUnsaved()) {
        recovery_->Write(document_.CurrentDeck(), document_.Tallies(), catalogue_.FactionNames,
                         document_.FilePath());
    }
}

void Form1::UseRecoveryFolder(const QString& folder) {
    recovery_->Remove();
    recoveryFolder_ = folder;
    recovery_ = std::make_unique<RecoveryCopy>(folder);
}

void Form1::OfferRecovery() {
    for (LeftCopy& copy : TakeLeftCopies(recoveryFolder_)) {
        Deck deck;
        DeckTallies tallies;
        QString path;
        if (!ReadLeftCopy(copy, catalogue_, deck, tallies, path)) {
            // Kept for the user to rescue by hand; the status line says where it is.
            SetStatus(
                QStringLiteral("Load ") +
                QDir::toNativeSeparators(QDir(copy.Folder).filePath(QStringLiteral("deck.dek"))));
            MarkStatusFailed();
            continue;
        }
        switch (AskToRestoreDeck(this)) {
            case RestoreAnswer::Restore:
                document_.Restore(deck, path);
                // This program's own copy first: the deck is never without one.
                WriteRecoveryCopy();
                DiscardLeftCopy(copy);
                return;
            case RestoreAnswer::Discard:
                DiscardLeftCopy(copy);
                break;
            case RestoreAnswer::Later:
                break;
        }
    }
}

bool Form1::MayDiscardDeck(std::function<void()> then) {
    if (!document_.IsUnsaved()) {
        return true;
    }
    switch (AskToSaveDeck(this, document_.CurrentDeck().DeckName)) {
        case SaveAnswer::Cancel:
            return false;
        case SaveAnswer::Discard:
            return true;
        case SaveAnswer::Save:
            break;
    }
    const QString path = document_.FilePath();
    if (path.isEmpty()) {
        afterSave_ = std::move(then);
        fileWindows_->ShowFileDialog(FileDialogMode::DeckSave);
        return false;
    }
    SetStatus(QStringLiteral("Save ") + path);
    if (!SaveDeckFile(path)) {
        MarkStatusFailed();
        return false;
    }
    return true;
}

void Form1::OpenDeck() {
    const auto open = [this] { fileWindows_->ShowFileDialog(FileDialogMode::DeckOpen); };
    if (MayDiscardDeck(open)) {
        open();
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!closing_ && !MayDiscardDeck([this] {
            closing_ = true;
            close();
        })) {
        event->ignore();
        return;
    }
    closing_ = false;
    recoveryTimer_.stop();
    recovery_->Remove();
    QMainWindow::closeEvent(event);
}

}  // namespace kestrava
