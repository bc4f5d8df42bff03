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
#include "sample/ui/Form4.h"

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

// Empties the deck with "<<" on its first line, then builds one of 40 main-deck cards (every
// type) and 20 castles, four copies each.
void BuildSampleDeck(Form1& form) {
    auto* deck = form.findChild<QListWidget*>("List2");
    while (deck->count() > 0) {
        deck->setCurrentRow(0);
        Click(&form, "Command1");
    }
    for (const char* code : {"G-028", "G-011", "G-027", "G-039", "G-001", "G-010", "G-020", "G-043",
                             "G-040", "G-021", "G-006", "G-013", "G-018", "G-041", "G-053"}) {
        SelectCard(form, code);
        Click(&form, "Command2");
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        qCritical("usage: brelvik_screenshots <card list> <output folder>");
        return 2;
    }
    kestrava::InstallFonts();
    const QDir out(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
    kestrava::CardCatalogue catalogue;
    Form1 form(catalogue);
    kestrava::Main(catalogue, form, QString::fromLocal8Bit(argv[1]));
    if (!QTest::qWaitForWindowExposed(&form)) {
        qCritical("the main window was never shown");
        return 1;
    }

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
    form.Splash()->close();

    // The sample hand over its own fixed seed, so the hand drawn is the same on every run.
    BuildSampleDeck(form);
    kestrava::Form4 sampleHand(form, 2024, &form);
    sampleHand.Open();
    Click(&sampleHand, "Command3");
    ok &= Save(&sampleHand, out.filePath("sample-hand.png"));
    dir.removeRecursively();
    return ok ? 0 : 1;
}
