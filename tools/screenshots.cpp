// Renders each window of the program, as a user sees it after a few steps, to PNG files:
//   brelvik_screenshots <card list> <output folder>
// Run on the offscreen platform; the pictures are the ones the README shows.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/Fonts.h"
#include "app/Form1.h"
#include "app/Startup.h"
#include "files/ui/FileWindows.h"
#include "files/ui/ImportDialog.h"
#include "sample/ui/Form4.h"
#include "share/RecipeImage.h"
#include "share/RegistrationSheet.h"

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

// A deck list as players share it: headers, this program's own lines, counts before and after,
// full-width forms, a part of a name, a card too many, one the list does not know, a total.
const char16_t kSharedList[] =
    u"【メインデッキ】\n"
    u"G-011 森羅の魔剣士ピアラ                                      × 2\n"
    u"3 G-001 森羅の義勇兵 (主力)\n"
    u"ガディアン ×4 ※切り札\n"
    u"狙撃手 x2\n"
    u"Ｇ－０４５　森羅の大猪　×　３\n"
    u"G-010 古樹の角獣 × 12\n"
    u"G-010 古樹の角獣 × 1\n"
    u"幻の竜騎士 ×1\n"
    u"【城デッキ】\n"
    u"4 古根塔\n"
    u"G-053*4\n"
    u"--------------------\n"
    u"合計 30枚\n";

// The main window with ファイル and its 最近使ったデッキ open, as one picture: menus are windows
// of their own, drawn here over the main window where they stand.
bool SaveRecentDecksMenu(Form1& form, const QString& path) {
    QMenuBar* bar = form.menuBar();
    auto* file = form.findChild<QMenu*>("mnuFile");
    auto* recent = form.findChild<QMenu*>("RecentDecks");
    file->popup(bar->mapToGlobal(bar->actionGeometry(file->menuAction()).bottomLeft()));
    file->setActiveAction(recent->menuAction());  // opens the submenu too
    QApplication::processEvents();
    recent->setActiveAction(recent->actions().front());
    QApplication::processEvents();
    const QPoint origin = form.mapToGlobal(QPoint(0, 0));
    const QRect area = QRect(origin, form.size()) | file->geometry() | recent->geometry();
    QImage picture(area.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        for (QWidget* window : {static_cast<QWidget*>(&form), static_cast<QWidget*>(file),
                                static_cast<QWidget*>(recent)}) {
            painter.drawPixmap(window->mapToGlobal(QPoint(0, 0)) - area.topLeft(), window->grab());
        }
    }
    recent->hide();
    file->hide();
    const bool saved = picture.save(path);
    qInfo("%s %s", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
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
    // A fixed folder, so the pictures come out the same on every run.
    QDir dir(QDir::temp().filePath(QStringLiteral("kestrava-screens")));
    dir.removeRecursively();
    dir.mkpath(QStringLiteral("."));
    // Settings and recovery copies of the pictures' own, starting empty: never the user's.
    const QTemporaryDir own;
    QCoreApplication::setOrganizationName(QStringLiteral("brelvik"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, own.path());
    kestrava::CardCatalogue catalogue;
    Form1 form(catalogue, own.filePath(QStringLiteral("recovery")));
    kestrava::Main(catalogue, form, QString::fromLocal8Bit(argv[1]));
    if (!QTest::qWaitForWindowExposed(&form)) {
        qCritical("the main window was never shown");
        return 1;
    }

    // As typed: the deck takes the name.
    form.findChild<QLineEdit*>("Text2")->insert(QStringLiteral("ガイアの森 速攻型"));
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

    const QString existing = QDir::toNativeSeparators(dir.filePath("deck.dek"));
    form.Keeper().SaveDeck(existing);
    QDir::setCurrent(dir.path());
    kestrava::Form2* dialog = form.Files().ShowFileDialog(kestrava::FileDialogMode::DeckSave);
    ok &= Save(dialog, out.filePath("file-dialog.png"));
    dialog->findChild<QLineEdit*>("Text1")->setText(existing);
    Click(dialog, "Command1");
    ok &= Save(form.Files().Confirmation(), out.filePath("confirmation.png"));
    form.Files().Confirmation()->close();
    for (const QString& name :
         {QStringLiteral("混沌の城塞.dek"), QStringLiteral("水の計略 研究.dek"),
          QStringLiteral("ガイアの森 速攻型.dek")}) {
        form.Keeper().SaveDeck(QDir::toNativeSeparators(dir.filePath(name)));
    }
    ok &= SaveRecentDecksMenu(form, out.filePath("recent-decks.png"));

    QGuiApplication::clipboard()->setText(QString::fromUtf16(kSharedList));
    form.findChild<QAction*>("ImportClipboard")->trigger();
    auto* import = form.findChild<kestrava::ImportDialog*>();
    // A count edited in the table: the 狙撃手 line's row.
    auto* lines = import->findChild<QTableWidget*>("TableLines");
    qobject_cast<QSpinBox*>(lines->cellWidget(4, 3))->setValue(3);
    ok &= Save(import, out.filePath("import-dialog.png"));
    import->close();

    form.findChild<QAction*>("About")->trigger();
    ok &= Save(form.Splash(), out.filePath("about.png"));
    form.Splash()->close();

    // The sample hand over its own fixed seed, so the hand drawn is the same on every run.
    BuildSampleDeck(form);
    // The deck as it is shared: a recipe image, and the first page of its registration sheet.
    const QImage recipe = kestrava::DrawRecipeImage(form.CurrentDeck(), form.SampleCatalogue(),
                                                    kestrava::kProportionalFont);
    ok &= recipe.save(out.filePath("recipe.png"));
    const QString sheet = dir.filePath("sheet.pdf");
    ok &= kestrava::WriteRegistrationPdf(sheet, form.CurrentDeck(), form.SampleCatalogue(),
                                         kestrava::kProportionalFont);
    ok &= QProcess::execute("pdftoppm",
                            {"-png", "-r", "90", "-singlefile", sheet, out.filePath("sheet")}) == 0;
    kestrava::Form4 sampleHand(form, 2024, &form);
    sampleHand.Open();
    Click(&sampleHand, "Command3");
    ok &= Save(&sampleHand, out.filePath("sample-hand.png"));
    sampleHand.close();

    // A search typed in hiragana, no box ticked: the katakana names of every faction.
    Click(&form, "Check1");
    Click(&form, "Check4");
    form.findChild<QLineEdit*>("SearchBox")->setText(QStringLiteral("ゔぁ"));
    SelectCard(form, "G-019");
    ok &= Save(&form, out.filePath("search.png"));

    // The question before an unsaved deck goes, answered キャンセル once pictured.
    QTimer::singleShot(0, &form, [&] {
        QWidget* question = QApplication::activeModalWidget();
        ok &= Save(question, out.filePath("unsaved-question.png"));
        Click(question, "CancelButton");
    });
    form.close();
    dir.removeRecursively();
    return ok ? 0 : 1;
}
