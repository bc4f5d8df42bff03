// The status line's text: what was last loaded or saved, and whether it failed. Every load and
// save writes it here, so its words are written once, and every path in the platform's own
// form (backslashes on Windows).
#pragma once

#include <QDir>
#include <QObject>
#include <QString>

namespace kestrava {

class StatusLine : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    const QString& Text() const { return text_; }
    // "Load " and the path.
    void Loading(const QString& path) {
        Show(QStringLiteral("Load ") + QDir::toNativeSeparators(path));
    }
    // "Save " and the path.
    void Saving(const QString& path) {
        Show(QStringLiteral("Save ") + QDir::toNativeSeparators(path));
    }
    // "Load " and what was read, saying it holds no QR code.
    void NoCodeIn(const QString& source) {
        Show(QStringLiteral("Load ") + QDir::toNativeSeparators(source) +
             QStringLiteral(" (QRコードなし)"));
    }
    // " (失敗)" after the text: what it names has failed.
    void Failed() { Show(text_ + QStringLiteral(" (失敗)")); }

  signals:
    void Changed(const QString& text);

  private:
    void Show(const QString& text) {
        text_ = text;
        emit Changed(text_);
    }

    QString text_;
};

}  // namespace kestrava
