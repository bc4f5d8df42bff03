// The main window's sharing commands: the deck code to the clipboard, the recipe image and the
// registration sheet out, and a picture's QR code back in. Drawing and reading are the share
// library's; these handlers pick files, show the results and go through the keeper.
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include "app/Fonts.h"
#include "app/Form1.h"
#include "files/DeckCode.h"
#include "files/ui/FileWindows.h"
#include "platform/TextFile.h"
#include "share/ImageFile.h"
#include "share/QrCode.h"
#include "share/RecipeImage.h"
#include "share/RegistrationSheet.h"
#include "ui_Form1.h"

namespace kestrava {

namespace {

// Why a picture gave no deck, in a box over the main window.
void Tell(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("画像から読み込み"), text,
                    QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    box.exec();
}

}  // namespace

void Form1::ConnectShareMenu() {
    connect(ui_->CopyDeckCode, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(WriteDeckCode(CurrentDeck())); });
    connect(ui_->ExportImage, &QAction::triggered, this,
            [this] { fileWindows_->ShowFileDialog(FileDialogMode::ImageSave); });
    connect(ui_->ImportImage, &QAction::triggered, this,
            [this] { fileWindows_->ShowFileDialog(FileDialogMode::ImageOpen); });
    ui_->ImportImage->setEnabled(kQrCodes);
    connect(ui_->PrintSheet, &QAction::triggered, this, [this] { PrintSheet(); });
    connect(ui_->ExportPdf, &QAction::triggered, this,
            [this] { fileWindows_->ShowFileDialog(FileDialogMode::PdfSave); });
    setAcceptDrops(true);
}

bool Form1::SaveShared(const QString& path, FileKind kind) {
    status_.Saving(path);
    const bool saved =
        kind == FileKind::SheetPdf
            ? WriteRegistrationPdf(path, CurrentDeck(), catalogue_, kProportionalFont)
            : SaveFileAtomically(path, [&](QIODevice& file) {
                  return DrawRecipeImage(CurrentDeck(), catalogue_, kProportionalFont)
                      .save(&file, "PNG");
              });
    if (!saved) {
        status_.Failed();
    }
    return saved;
}

void Form1::PrintSheet() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("デッキ登録用紙"));
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("デッキ登録用紙"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        PaintRegistrationSheet(*target, CurrentDeck(), catalogue_, kProportionalFont);
    });
    preview.exec();
}

FileOutcome Form1::ImportImageFile(const QString& path) {
    status_.Loading(path);
    QImage image;
    QString error;
    if (!ReadImageFile(path, image, error)) {
        status_.Failed();
        Tell(this, error + QStringLiteral("：") + QDir::toNativeSeparators(path));
        return FileOutcome::Failed;
    }
    return ImportImage(image, QDir::toNativeSeparators(path));
}

FileOutcome Form1::ImportImage(const QImage& image, const QString& source) {
    // A picture pasted from elsewhere is bounded as a file is, before any scan of it.
    if (image.width() > kMaxImageSide || image.height() > kMaxImageSide) {
        status_.Loading(source);
        status_.Failed();
        Tell(
            this,
            QStringLiteral("画像が大きすぎます（%1×%2）：").arg(image.width()).arg(image.height()) +
                source);
        return FileOutcome::Failed;
    }
    if (!kQrCodes) {
        status_.NoCodeIn(source);
        Tell(this, QStringLiteral("この版は画像のQRコードを読めません：") + source);
        return FileOutcome::Failed;
    }
    QString text;
    if (!ReadQrCode(image, text)) {
        status_.NoCodeIn(source);
        Tell(this, QStringLiteral("この画像にはQRコードが見つかりません：") + source);
        return FileOutcome::Failed;
    }
    ShowImport(text, source);
    return FileOutcome::Done;
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void Form1::dropEvent(QDropEvent* event) {
    const QString path = event->mimeData()->urls().value(0).toLocalFile();
    event->acceptProposedAction();
    // After the drop has ended: the question and the dialogs must not run inside it.
    QMetaObject::invokeMethod(
        this,
        [this, path] {
            if (QFileInfo(path).suffix().compare(QStringLiteral("dek"), Qt::CaseInsensitive) == 0) {
                keeper_.OpenDeck(path);
            } else {
                ImportImageFile(path);
            }
        },
        Qt::QueuedConnection);
}

}  // namespace kestrava
