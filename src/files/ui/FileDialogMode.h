// The four modes of the file dialog and what each one shows (window caption, action button
// caption, file pattern), opens or saves, and reads or writes.
#pragma once

#include <QString>

#include "files/FileKind.h"

namespace kestrava {

enum class FileDialogMode { CardList, DeckOpen, DeckSave, HtmlSave };

// "*" stands for every file: the card list may have any name and extension.
inline const QString kAllFilesPattern = QStringLiteral("*");
inline const QString kDeckPattern = QStringLiteral("*.dek");
inline const QString kHtmlPattern = QStringLiteral("*.htm");

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
        case FileDialogMode::CardList:
            break;
    }
    return {QStringLiteral("File Open"), QStringLiteral("Open"), kAllFilesPattern};
}

inline bool Opens(FileDialogMode mode) {
    return mode == FileDialogMode::CardList || mode == FileDialogMode::DeckOpen;
}

inline FileKind KindOf(FileDialogMode mode) {
    switch (mode) {
        case FileDialogMode::CardList:
            return FileKind::CardList;
        case FileDialogMode::HtmlSave:
            return FileKind::HtmlPage;
        case FileDialogMode::DeckOpen:
        case FileDialogMode::DeckSave:
            break;
    }
    return FileKind::DeckFile;
}

}  // namespace kestrava
