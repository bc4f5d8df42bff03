#include "files/ui/FileWindows.h"

namespace kestrava {

namespace {

void Present(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

// A closed window is forgotten at once, not when its deferred deletion runs, so that a command
// arriving in between creates a fresh one.
template <typename Window>
void FileWindows::ForgetWhenClosed(Window* window, QPointer<Window>& slot) {
    connect(window, &QDialog::finished, this, [this, window, &slot] {
        if (slot == window) {
            slot = nullptr;
        }
        if (fileDialog_ == nullptr && confirmation_ == nullptr) {
            emit AllClosed();
        }
    });
}

FileWindows::FileWindows(FileActions& actions, QObject* parent)
    : QObject(parent), actions_(actions) {}

FileWindows::~FileWindows() {
    delete confirmation_.data();
    delete fileDialog_.data();
}

Form2* FileWindows::ShowFileDialog(FileDialogMode mode) {
    Form2* dialog = OpenFileDialog();
    dialog->SetMode(mode);
    Present(*dialog);
    return dialog;
}

Form2* FileWindows::ShowFileDialogForMissingCardList() {
    Form2* dialog = OpenFileDialog();
    Present(*dialog);
    return dialog;
}

Form2* FileWindows::OpenFileDialog() {
    if (fileDialog_ == nullptr) {
        auto* dialog = new Form2(actions_);
        connect(dialog, &Form2::OverwriteRequested, this, &FileWindows::ShowConfirmation);
        ForgetWhenClosed(dialog, fileDialog_);
        fileDialog_ = dialog;
    }
    return fileDialog_;
}

void FileWindows::ShowConfirmation(const QString& path, FileKind kind) {
    if (confirmation_ == nullptr) {
        auto* confirmation = new Form3(actions_, path, kind);
        ForgetWhenClosed(confirmation, confirmation_);
        confirmation_ = confirmation;
    }
    Present(*confirmation_);
}

}  // namespace kestrava
