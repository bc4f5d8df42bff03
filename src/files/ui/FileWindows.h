// Creates, re-uses and forgets the file dialog and the overwrite confirmation for the main
// window, which it knows only as FileActions. Each window exists from the command that shows it
// until it closes; a command while it is open re-uses it.
#pragma once

#include <QObject>
#include <QPointer>

#include "files/FileActions.h"
#include "files/FileDialogMode.h"
#include "files/ui/Form2.h"
#include "files/ui/Form3.h"

namespace kestrava {

class FileWindows : public QObject {
    Q_OBJECT

  public:
    explicit FileWindows(FileActions& actions, QObject* parent = nullptr);
    // Closes any window still open: they call into actions, which may not outlive this.
    ~FileWindows() override;

    // A File menu command: the dialog (created when needed, else the open one with its directory
    // and path kept) in mode, shown, raised and activated.
    Form2* ShowFileDialog(FileDialogMode mode);
    // A card list that cannot be read: the dialog (a new one is in the card-list mode; an open
    // one keeps its mode), shown, raised and focused.
    Form2* ShowFileDialogForMissingCardList();

    Form2* FileDialog() const { return fileDialog_; }      // nullptr when not open
    Form3* Confirmation() const { return confirmation_; }  // nullptr when not open

  signals:
    // The last window open has closed: whatever the user did there is done.
    void AllClosed();

  private:
    template <typename Window>
    void ForgetWhenClosed(Window* window, QPointer<Window>& slot);
    Form2* OpenFileDialog();
    void ShowConfirmation(const QString& path, FileKind kind);

    FileActions& actions_;
    QPointer<Form2> fileDialog_;
    QPointer<Form3> confirmation_;
};

}  // namespace kestrava
