#include "files/ui/Form2.h"

#include <QDir>
#include <QKeyEvent>
#include <QPointer>
#include <QStyle>

#include "files/DialogAction.h"
#include "files/DialogFolder.h"
#include "files/DirectoryListing.h"
#include "files/ui/ScreenCentre.h"
#include "ui_Form2.h"

namespace kestrava {

namespace {

constexpr int kPathRole = Qt::UserRole;
const QString kIndentStep = QStringLiteral("  ");

}  // namespace

Form2::Form2(FileActions& actions, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::Form2>()), actions_(actions) {
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());

    for (const QFileInfo& drive : QDir::drives()) {
        ui_->Drive1->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()),
                             drive.absoluteFilePath());
    }
    // Enter on a directory enters it; it must not reach the dialog and press the action button.
    ui_->Dir1->installEventFilter(this);

    connect(ui_->Dir1, &QListWidget::itemDoubleClicked, this, &Form2::EnterDirectoryItem);
    connect(ui_->Drive1, &QComboBox::activated, this, &Form2::ChangeDrive);
    connect(ui_->File1, &QListWidget::itemClicked, this, &Form2::ChooseFile);
    connect(ui_->File1, &QListWidget::itemSelectionChanged, this,
            [this] { ChooseFile(ui_->File1->currentItem()); });
    connect(ui_->Command1, &QPushButton::clicked, this, &Form2::RunAction);
    connect(ui_->Command2, &QPushButton::clicked, this, &QWidget::close);

    CentreOnScreen(*this);
    ShowDirectory(DialogStartFolder());
}

Form2::~Form2() = default;

void Form2::SetMode(FileDialogMode mode) {
    const FileDialogModeTexts texts = TextsOfMode(mode);
    mode_ = mode;
    setWindowTitle(texts.Caption);
    ui_->Command1->setText(texts.ButtonCaption);
    FillFileList();
}

bool Form2::SetDirectory(const QString& dir) {
    if (!CanShowDirectory(dir)) {
        return false;
    }
    ShowDirectory(dir);
    return true;
}

void Form2::ShowDirectory(const QString& dir) {
    ui_->Text1->setText(DirectoryText(dir));
    CurrentDir_ = ui_->Text1->text();
    FillDirectoryList(CurrentDir_);
    FillFileList();
    SelectDriveOf(CurrentDir_);
}

void Form2::FillDirectoryList(const QString& dir) {
    QListWidget& list = *ui_->Dir1;
    list.clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const std::vector<DirectoryStep> chain = DirectoryChain(dir);
    int level = 0;
    for (const DirectoryStep& step : chain) {
        auto* item = new QListWidgetItem(openIcon, kIndentStep.repeated(level) + step.Name, &list);
        item->setData(kPathRole, step.Path);
        ++level;
    }
    list.setCurrentRow(static_cast<int>(chain.size()) - 1);
    const QString here = chain.back().Path;
    for (const QString& name : SubdirectoryNames(here)) {
        auto* item = new QListWidgetItem(closedIcon, kIndentStep.repeated(level) + name, &list);
        item->setData(kPathRole, QDir(here).absoluteFilePath(name));
    }
}

void Form2::FillFileList() {
    // Refilling is no choice of the user's: it must not write a file name into Text1.
    const QSignalBlocker blocker(ui_->File1);
    ui_->File1->clear();
    ui_->File1->addItems(MatchingFileNames(CurrentDir_, Pattern()));
}

void Form2::SelectDriveOf(const QString& dir) {
    const QString root = DirectoryChain(dir).front().Path;
    const int index = ui_->Drive1->findData(root);
    const QSignalBlocker blocker(ui_->Drive1);
    ui_->Drive1->setCurrentIndex(index);
}

void Form2::EnterDirectoryItem(const QListWidgetItem* item) {
    if (item != nullptr) {
        SetDirectory(item->data(kPathRole).toString());
    }
}

void Form2::ChangeDrive(int index) {
    if (!SetDirectory(ui_->Drive1->itemData(index).toString())) {
        SelectDriveOf(CurrentDir_);
    }
}

void Form2::ChooseFile(const QListWidgetItem* item) {
    if (item != nullptr) {
        ui_->Text1->setText(CurrentDir_ + item->text());
    }
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Dir1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EnterDirectoryItem(ui_->Dir1->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Form2::RunAction() {
    // Everything the action needs is read before the call out: it may bring this dialog back to
    // the front (a card list that cannot be opened does), switch its mode (a deck saved first),
    // or, should the main window go away, delete it.
    const QString path = ui_->Text1->text();
    const FileKind kind = KindOf(mode_);
    const QPointer<QWidget> self(this);
    const DialogEnd end = RunDialogAction(actions_, mode_, path);
    if (self == nullptr || end == DialogEnd::StaysOpen) {
        return;
    }
    if (end == DialogEnd::AsksToOverwrite) {
        emit OverwriteRequested(path, kind);
    }
    emit ActionDone(end == DialogEnd::CardListLoaded);
    close();
}

}  // namespace kestrava
