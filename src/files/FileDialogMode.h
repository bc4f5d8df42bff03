// The modes of the file dialog and what each one shows (window caption, action button
// caption, file pattern), opens or saves, and reads or writes.
#pragma once

#include <QString>

#include "files/FileKind.h"

namespace kestrava {

enum class FileDialogMode { CardList, DeckOpen, DeckSave, HtmlSave, ImageSave, PdfSave, ImageOpen };

// "*" stands for every file: the card list may have any name and extension.
inline const QString kAllFilesPattern = QStringLiteral("*");
inline const QString kDeckPattern = QStringLiteral("*.dek");
inline const QString kHtmlPattern = QStringLiteral("*.htm");
inline const QString kPngPattern = QStringLiteral("*.png");
inline const QString kPdfPattern = QStringLiteral("*.pdf");
// Patterns apart by ";".
inline const QString kImagePattern = QStringLiteral("*.png;*.jpg;*.jpeg");

struct FileDialogModeTexts {
    QString Caption;
    QString ButtonCaption;
    QString Pattern;
};

inline FileDialogModeTexts TextsOfMode(FileDialogMode mode) {
    switch (mode) {
        case FileDialogMode::DeckOpen:
            return {QStringLiteral("File Open (Deck)"), QStringLiteral("Open"), kDeckPattern};
        case FileDialogMode::DeckSave:
            return {QStringLiteral("File Save (Deck)"), QStringLiteral("Save"), kDeckPattern};
        case FileDialogMode::HtmlSave:
            return {QStringLiteral("File Save (HTML)"), QStringLiteral("Save"), kHtmlPattern};
        case FileDialogMode::ImageSave:
            return {QStringLiteral("File Save (Image)"), QStringLiteral("Save"), kPngPattern};
        case FileDialogMode::PdfSave:
            return {QStringLiteral("File Save (PDF)"), QStringLiteral("Save"), kPdfPattern};
        case FileDialogMode::ImageOpen:
            return {QStringLiteral("File Open (Image)"), QStringLiteral("Open"), kImagePattern};
        case FileDialogMode::CardList:
            break;
    }
    return {QStringLiteral("File Open"), QStringLiteral("Open"), kAllFilesPattern};
}

inline bool Opens(FileDialogMode mode) {
    return mode == FileDialogMode::CardList || mode == FileDialogMode::DeckOpen ||
           mode == FileDialogMode::ImageOpen;
}

inline FileKind KindOf(FileDialogMode mode) {
    switch (mode) {
        case FileDialogMode::CardList:
            return FileKind::CardList;
        case FileDialogMode::HtmlSave:
            return FileKind::HtmlPage;
        case FileDialogMode::ImageSave:
            return FileKind::RecipeImage;
        case FileDialogMode::PdfSave:
            return FileKind::SheetPdf;
        case FileDialogMode::ImageOpen:
            return FileKind::DeckImage;
        case FileDialogMode::DeckOpen:
        case FileDialogMode::DeckSave:
            break;
    }
    return FileKind::DeckFile;
}

}  // namespace kestrava
