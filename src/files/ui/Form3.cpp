#include "files/ui/Form3.h"

#include <QPointer>

#include "files/DialogAction.h"
#include "files/ui/ScreenCentre.h"
#include "ui_Form3.h"

namespace kestrava {

Form3::Form3(FileActions& actions, const QString& targetPath, FileKind targetKind, QWidget* parent)
    : QDialog(parent),
      TargetPath_(targetPath),
      TargetKind_(targetKind),
      ui_(std::make_unique<Ui::Form3>()),
      actions_(actions) {
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    ui_->Label1->setText(QStringLiteral("ファイル：") + TargetPath_);
    // The question is a little wider than its place in the 9-point fixed-pitch font; it keeps
    // its left edge and grows to the right, where the window has room.
    ui_->Label2->adjustSize();
    // "いいえ" starts with the focus, so a stray Enter never overwrites.
    ui_->Command2->setFocus();

    connect(ui_->Command1, &QPushButton::clicked, this, &Form3::Overwrite);
    connect(ui_->Command2, &QPushButton::clicked, this, &QWidget::close);

    CentreOnScreen(*this);
}

Form3::~Form3() = default;

void Form3::Overwrite() {
    const QPointer<QWidget> self(this);
    OverwriteFile(actions_, TargetPath_, TargetKind_);
    if (self != nullptr) {
        close();
    }
}

}  // namespace kestrava
