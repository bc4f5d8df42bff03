// The four modes of the file dialog and what each one shows: window caption, action button
// caption and file pattern; and the two kinds of file a save writes.
#pragma once

#include <QString>

namespace kestrava {

enum class FileDialogMode { CardList, DeckOpen, DeckSave, HtmlSave };

// Which writer a save runs.
enum class SaveKind { DeckFile, HtmlPage };

inline const QString kOpenCaption = QStringLiteral("Open");
inline const QString kSaveCaption = QStringLiteral("Save");

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
            return {QStringLiteral("File Open (Deck)"), kOpenCaption, kDeckPattern};
        case FileDialogMode::DeckSave:
            return {QStringLiteral("File Save (Deck)"), kSaveCaption, kDeckPattern};
        case FileDialogMode::HtmlSave:
            return {QStringLiteral("File Save (HTML)"), kSaveCaption, kHtmlPattern};
        case FileDialogMode::CardList:
            break;
    }
    return {QStringLiteral("File Open"), kOpenCaption, kAllFilesPattern};
}

}  // namespace kestrava
