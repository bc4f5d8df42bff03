// Renders each window of the program, as a user sees it after a few steps, to PNG files:
//   brelvik_screenshots <card list> <output folder>
// Run on the offscreen platform; the pictures are the ones the README shows.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/Fonts.h"
#include "app/Form1.h"
#include "app/Startup.h"
#include "files/ui/FileWindows.h"

namespace {

using kestrava::Form1;

bool Save(QWidget* window, const QString& path) {
    QApplication::processEvents();
    const bool saved = window != nullptr && window->grab().save(path);
    qInfo("%s %s", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

void Click(QWidget* parent, const char* name) {
    auto* button = parent->findChild<QAbstractButton*>(name);
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
        box->setChecked(!box->isChecked());
    } else if (button != nullptr) {
        button->click();
    }
}

// Selects the first line of List1 whose text starts with code.
void SelectCard(Form1& form, const QString& code) {
    auto* list = form.findChild<QListWidget*>("List1");
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text().startsWith(code + ' ')) {
            list->setCurrentRow(row);
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        qCritical("usage: brelvik_screenshots <card list> <output folder>");
        return 2;
    }
    kestrava::InstallFontSubstitutions();
    QApplication::setFont(QFont(kestrava::kFixedFont, 9));
    const QDir out(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
    kestrava::CardCatalogue catalogue;
    Form1 form(catalogue);
    kestrava::Main(catalogue, form, QString::fromLocal8Bit(argv[1]));
    QTest::qWaitForWindowExposed(&form);

    form.findChild<QLineEdit*>("Text2")->setText(QStringLiteral("ガイアの森 速攻型"));
    Click(&form, "Check4");
    for (const char* code : {"G-001", "G-010", "G-020", "G-030", "G-041", "G-050"}) {
        SelectCard(form, code);
        Click(&form, "Command2");
    }
    SelectCard(form, "G-005");
    Click(&form, "Command4");
    Click(&form, "Check1");
    SelectCard(form, "C-033");  // a card with two formations
    bool ok = Save(&form, out.filePath("main-window.png"));

    // A fixed folder, so the pictures come out the same on every run.
    QDir dir(QDir::temp().filePath(QStringLiteral("kestrava-screens")));
    dir.mkpath(QStringLiteral("."));
    const QString existing = QDir::toNativeSeparators(dir.filePath("deck.dek"));
    form.SaveDeckFile(existing);
    QDir::setCurrent(dir.path());
    kestrava::Form2* dialog = form.Files().ShowFileDialog(kestrava::FileDialogMode::DeckSave);
    ok &= Save(dialog, out.filePath("file-dialog.png"));
    dialog->findChild<QLineEdit*>("Text1")->setText(existing);
    Click(dialog, "Command1");
    ok &= Save(form.Files().Confirmation(), out.filePath("confirmation.png"));

    form.findChild<QAction*>("About")->trigger();
    ok &= Save(form.Splash(), out.filePath("about.png"));
    dir.removeRecursively();
    return ok ? 0 : 1;
}
