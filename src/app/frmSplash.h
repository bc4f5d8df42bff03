// The about window: name, version, purpose and alpha warning. Frameless, centred, without an
// owner; a click anywhere on it or a key that types a character closes it.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class frmSplash;
}

namespace kestrava {

// "Version 0.0.8α" from the program's own version numbers.
QString VersionCaption();

class frmSplash : public QWidget {
    Q_OBJECT

  public:
    explicit frmSplash(QWidget* parent = nullptr);
    ~frmSplash() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::unique_ptr<Ui::frmSplash> ui_;
};

}  // namespace kestrava
