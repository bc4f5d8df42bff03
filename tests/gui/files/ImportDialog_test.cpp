// The deck list import dialog as a user drives it: every line with its status, a candidate
// or an unknown line chosen with the keyboard, text files of either encoding.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "files/DialogFolder.h"
#include "files/ui/ImportDialog.h"
#include "platform/Cp932.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

class ImportDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog_.ShowText(u"# 見出し\nG-1 ×2\nほのおの剣 3\n謎のカード\n"_s, u"クリップボード"_s);
    }
    QString Text(const char* label) { return dialog_.findChild<QLabel*>(label)->text(); }
    QTableWidget* Table() { return dialog_.findChild<QTableWidget*>("TableLines"); }
    QStringList Column(int column) {
        QStringList texts;
        for (int row = 0; row < Table()->rowCount(); ++row) {
            QTableWidgetItem* item = Table()->item(row, column);
            auto* choice = qobject_cast<QComboBox*>(Table()->cellWidget(row, column));
            texts << (choice != nullptr ? choice->currentText() : item ? item->text() : QString());
        }
        return texts;
    }
    template <typename Control>
    Control* At(int row, int column) {
        return qobject_cast<Control*>(Table()->cellWidget(row, column));
    }
    void PickNext(int row) {
        auto* choice = qobject_cast<QComboBox*>(Table()->cellWidget(row, 2));
        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_Down);
    }

    CardCatalogue catalogue_ =
        test::CatalogueOf({u"G-1|森の城|城"_s, u"E-1|ほのおの剣|戦法"_s, u"E-2|ホノオノ剣|戦法"_s});
    ImportDialog dialog_{catalogue_, u"今の名前"_s};
};

TEST_F(ImportDialogTest, ShowsEveryLineAndFollowsTheChoices) {
    EXPECT_EQ(Column(1), QStringList({u"無視"_s, u"一致"_s, u"候補"_s, u"不明"_s}));
    EXPECT_EQ(Column(2),
              QStringList({{}, u"G-1 森の城"_s, u"E-1 ほのおの剣"_s, u"読み込まない"_s}));
    EXPECT_EQ(Column(4), QStringList({u"見出し"_s, {}, {}, {}}));
    EXPECT_EQ(Text("LabelDeckName"), u"デッキ名：今の名前"_s);
    EXPECT_EQ(Text("LabelTotal"), "5");
    EXPECT_EQ(Text("Label16") + Text("Label21"), "23");  // castles, tactics

    PickNext(2);
    PickNext(3);
    EXPECT_EQ(Column(2).mid(2), QStringList({u"E-2 ホノオノ剣"_s, u"残す：? 謎のカード"_s}));
    EXPECT_EQ(Text("LabelTotal"), "6");
    // A count set in the table counts, up to 4.
    auto* count = At<QSpinBox>(1, 3);
    count->setFocus();
    for (int press = 0; press < 3; ++press) {
        QTest::keyClick(count, Qt::Key_Up);
    }
    EXPECT_EQ(count->value(), 4);
    EXPECT_EQ(Text("LabelTotal"), "8");
    Deck taken;
    QObject::connect(&dialog_, &ImportDialog::ImportRequested,
                     [&](const Deck& deck) { taken = deck; });
    QTest::mouseClick(dialog_.findChild<QPushButton*>("CommandImport"), Qt::LeftButton);
    EXPECT_EQ(taken, (Deck{u"今の名前"_s,
                           {{u"G-1 森の城"_s, 4}, {u"E-2 ホノオノ剣"_s, 3}, {u"? 謎のカード"_s, 1}},
                           8}));
}

TEST_F(ImportDialogTest, WheelOverTheTableChangesOnlyTheFocusedControl) {
    const auto turn = [](QWidget* control) {
        const QPointF at(control->width() / 2, control->height() / 2);
        QWheelEvent wheel(at, control->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(control, &wheel);
    };
    dialog_.show();
    dialog_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog_));
    dialog_.findChild<QPushButton*>("CommandCancel")->setFocus();
    turn(At<QComboBox>(2, 2));
    turn(At<QComboBox>(3, 2));
    turn(At<QSpinBox>(1, 3));
    EXPECT_EQ(Column(2).mid(2), QStringList({u"E-1 ほのおの剣"_s, u"読み込まない"_s}));
    EXPECT_EQ(Text("LabelTotal"), "5");
    At<QComboBox>(2, 2)->setFocus();
    turn(At<QComboBox>(2, 2));
    EXPECT_EQ(Column(2).value(2), u"E-2 ホノオノ剣"_s);
}

struct TextFile {
    const char* Name;
    QByteArray Bytes;
    bool Read;
};

// The chooser starts in the folder last used, and takes UTF-8 or Shift-JIS up to 1 MiB.
TEST_F(ImportDialogTest, OpensTextFilesOfEitherEncoding) {
    QTemporaryDir dir;
    RememberDialogFolder(dir.filePath(u"x.dek"_s));
    const QString text = u"デッキ名：森\r\nG-1 森の城 × 4\r\n"_s;
    const TextFile files[] = {
        {"utf8.txt", text.toUtf8(), true},
        {"cp932.txt", EncodeCp932(text), true},
        {"big.txt", QByteArray(kMaxImportFileBytes + 1, '\n'), false},
    };
    for (const TextFile& file : files) {
        const QString path = dir.filePath(QString::fromLatin1(file.Name));
        test::WriteBytes(path, file.Bytes);
        dialog_.ShowText({}, {});
        // The file dialog, once it shows, takes the path.
        QString startedIn;
        QTimer chooser;
        QObject::connect(&chooser, &QTimer::timeout, [&] {
            if (auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                startedIn = files->directory().absolutePath();
                auto* name = files->findChild<QLineEdit*>("fileNameEdit");
                name->setText(path);
                QTest::keyClick(name, Qt::Key_Return);
            }
        });
        chooser.start(0);
        QTest::mouseClick(dialog_.findChild<QPushButton*>("CommandOpenText"), Qt::LeftButton);
        EXPECT_EQ(startedIn, QDir(dir.path()).absolutePath()) << file.Name;
        const QString shown = QDir::toNativeSeparators(path);
        EXPECT_EQ(Text("LabelSource"),
                  (file.Read ? u"読み込み元："_s : u"読み込めません："_s) + shown);
        EXPECT_EQ(Column(2).value(1), file.Read ? u"G-1 森の城"_s : QString()) << file.Name;
    }
}

}  // namespace
}  // namespace kestrava
