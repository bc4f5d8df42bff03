// The overwrite confirmation: asks whether the existing file at TargetPath may be replaced and,
// on "はい", writes it as TargetKind says. "いいえ", Enter, Esc and the close box write nothing.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

#include "files/FileActions.h"
#include "files/FileDialogMode.h"

namespace Ui {
class Form3;
}

namespace kestrava {

class Form3 : public QDialog {
    Q_OBJECT

  public:
    Form3(FileActions& actions, const QString& targetPath, FileKind targetKind,
          QWidget* parent = nullptr);
    ~Form3() override;

  private:
    void Overwrite();

    // Fixed at creation: showing the confirmation again never changes what it will write.
    const QString TargetPath_;
    const FileKind TargetKind_;

    std::unique_ptr<Ui::Form3> ui_;
    FileActions& actions_;
};

}  // namespace kestrava
