#include "app/frmSplash.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "app/Version.h"
#include "files/ui/ScreenCentre.h"
#include "ui_frmSplash.h"

namespace kestrava {
namespace {

const QString kLegalNotice = QStringLiteral(
    "Copyright (C) 2026 The Brelvik developers. Free to use; comes with no warranty.");

// Keys that type something close the window; arrows, function and modifier keys alone do not.
bool TypesACharacter(const QKeyEvent* event) {
    const QString text = event->text();
    return !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == u'\r' ||
                               text.at(0) == u'\x1b' || text.at(0) == u'\t' || text.at(0) == u'\b');
}

}  // namespace

QString VersionCaption() {
    return QStringLiteral("Version %1.%2.%3α")
        .arg(KESTRAVA_VERSION_MAJOR)
        .arg(KESTRAVA_VERSION_MINOR)
        .arg(KESTRAVA_VERSION_PATCH);
}

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      ui_(std::make_unique<Ui::frmSplash>()) {
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    ui_->lblVersion->setText(VersionCaption());
    ui_->lblProductName->setText(QStringLiteral("Brelvik"));
    ui_->lblWarning->setText(QStringLiteral("このプログラムはα版ですので動作保証はできかねます。"));
    ui_->lblCompany->setText(QStringLiteral("Deck Build Program for Kestrava"));
    ui_->lblCopyright->setText(kLegalNotice);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
    CentreOnScreen(*this);
}

frmSplash::~frmSplash() = default;

void frmSplash::keyPressEvent(QKeyEvent* event) {
    if (TypesACharacter(event)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmSplash::mousePressEvent(QMouseEvent*) {
    close();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kestrava
