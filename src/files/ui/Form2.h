// The file dialog: a drive list, a directory list, a file list filtered by the mode's pattern and
// a path box. Its action button opens or saves the path through FileActions; a save over an
// existing file is handed on as OverwriteRequested instead of being written.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

#include "files/FileActions.h"
#include "files/FileDialogMode.h"

class QListWidgetItem;

namespace Ui {
class Form2;
}

namespace kestrava {

class Form2 : public QDialog {
    Q_OBJECT

  public:
    // Starts in the card-list mode, showing the folder last used (DialogStartFolder).
    explicit Form2(FileActions& actions, QWidget* parent = nullptr);
    ~Form2() override;

    void SetMode(FileDialogMode mode);
    FileDialogMode Mode() const { return mode_; }
    // The file list's pattern; "*" lists every file.
    QString Pattern() const { return TextsOfMode(mode_).Pattern; }
    // The directory shown, in native separators with exactly one trailing separator.
    const QString& Directory() const { return CurrentDir_; }
    // A change of directory. A directory that cannot be read leaves the dialog as it was and
    // gives false.
    bool SetDirectory(const QString& dir);

  signals:
    // A save found a file at path; the dialog closes right after this.
    void OverwriteRequested(const QString& path, kestrava::FileKind kind);
    // The action button has opened or saved (or handed the save on), or failed; cardListLoaded
    // when it loaded a card list. The dialog closes right after this.
    void ActionDone(bool cardListLoaded);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowDirectory(const QString& dir);
    void FillDirectoryList(const QString& dir);
    void FillFileList();
    void SelectDriveOf(const QString& dir);
    void EnterDirectoryItem(const QListWidgetItem* item);
    void ChangeDrive(int index);
    void ChooseFile(const QListWidgetItem* item);
    void RunAction();

    std::unique_ptr<Ui::Form2> ui_;
    FileActions& actions_;
    QString CurrentDir_;
    FileDialogMode mode_ = FileDialogMode::CardList;
};

}  // namespace kestrava
