// What the file dialog and the overwrite confirmation ask of the main window. The windows know
// nothing else of it, so they can be driven by any implementation (the tests use a fake).
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "files/ui/FileDialogMode.h"

namespace kestrava {

class FileActions {
  public:
    virtual ~FileActions() = default;
    // The status label's text: "Load " or "Save " followed by the path.
    virtual void SetStatus(const QString& text) = 0;
    // Appends " (失敗)" to the status label: the operation just started has failed.
    virtual void MarkStatusFailed() = 0;
    // False when the file could not be opened (the table is then unchanged).
    virtual bool LoadCardList(const QString& path) = 0;
    // Clears the card list and refills it from the card table with the current filters.
    virtual void RefreshCardList() = 0;
    // False when the file could not be opened.
    virtual bool LoadDeckFile(const QString& path) = 0;
    // False when nothing could be written.
    virtual bool SaveDeckFile(const QString& path) = 0;
    virtual bool SaveDeckHtml(const QString& path) = 0;

    // The writer of kind.
    bool Save(const QString& path, SaveKind kind) {
        return kind == SaveKind::HtmlPage ? SaveDeckHtml(path) : SaveDeckFile(path);
    }

    // The action button's "Open" in a mode with pattern: the status label reads "Load " and the
    // path, then the deck pattern reads a deck, any other a card list followed by a refresh.
    // False when the file could not be read.
    bool Open(const QString& path, const QString& pattern) {
        SetStatus(QStringLiteral("Load ") + path);
        if (pattern == kDeckPattern) {
            return LoadDeckFile(path);
        }
        const bool ok = LoadCardList(path);
        RefreshCardList();
        return ok;
    }
};

// Ends an action of the file dialog or the confirmation: a failure is marked and the window
// closes, unless the action took the window (and with it, maybe, the main window) away.
inline void EndAction(FileActions& actions, const QPointer<QWidget>& window, bool ok) {
    if (window == nullptr) {
        return;
    }
    if (!ok) {
        actions.MarkStatusFailed();
    }
    window->close();
}

}  // namespace kestrava
