#include "app/DeckQuestions.h"

#include <QMessageBox>
#include <QPushButton>

namespace kestrava {

namespace {

const QString kTitle = QStringLiteral("Kestrava Deck Builder");

}  // namespace

SaveAnswer AskToSaveDeck(QWidget* parent, const QString& deckName) {
    const QString name = deckName.isEmpty() ? QStringLiteral("無題") : deckName;
    QMessageBox box(QMessageBox::Warning, kTitle,
                    QStringLiteral("デッキ「%1」は保存されていません。保存しますか？").arg(name),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("UnsavedQuestion"));
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QStringLiteral("保存しない"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    save->setObjectName(QStringLiteral("SaveButton"));
    discard->setObjectName(QStringLiteral("DiscardButton"));
    cancel->setObjectName(QStringLiteral("CancelButton"));
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) {
        return SaveAnswer::Save;
    }
    return box.clickedButton() == discard ? SaveAnswer::Discard : SaveAnswer::Cancel;
}

RestoreAnswer AskToRestoreDeck(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, kTitle,
                    QStringLiteral("前回、保存されずに終了したデッキがあります。復元しますか？"),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("RestoreQuestion"));
    QPushButton* restore = box.addButton(QStringLiteral("復元"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("破棄"), QMessageBox::DestructiveRole);
    restore->setObjectName(QStringLiteral("RestoreButton"));
    discard->setObjectName(QStringLiteral("DiscardButton"));
    box.setDefaultButton(restore);
    box.exec();
    if (box.clickedButton() == restore) {
        return RestoreAnswer::Restore;
    }
    return box.clickedButton() == discard ? RestoreAnswer::Discard : RestoreAnswer::Later;
}

}  // namespace kestrava
