// A main window over a small fictional card list, driven as a user drives it.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "app/Fonts.h"
#include "app/Form1.h"
#include "app/Startup.h"
#include "files/ui/FileWindows.h"
#include "platform/TextFile.h"
#include "support/ListRows.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"
#include "support/TryExpect.h"

namespace kestrava::test {

inline QString U(const char16_t* text) {
    return QString::fromUtf16(text);
}

// Two G cards (one a Rare castle), a C card with two formations, a lower-case code, an M card.
inline QStringList FixtureCardLines() {
    const QList<QPair<int, QString>> archer = {{3, "Aria Velden"}, {4, "Common"},
                                               {7, "兵力"},        {8, "弓兵"},
                                               {25, "密集陣形"},   {26, "111020000"}};
    const QList<QPair<int, QString>> general = {
        {5, "2"},          {6, "1"},         {7, "指揮官"},    {25, "紡錘陣形"},
        {26, "010121000"}, {27, "包囲陣形"}, {28, "101020101"}};
    return {CardLine("G-2", "緑の弓兵", archer),
            CardLine("G-1", "森の城", {{3, "nolo"}, {4, "Rare"}, {7, "城"}, {23, "3"}}),
            CardLine("C-1", "混沌の将", general), CardLine("c-9", "小文字"),
            CardLine("M-1", "水の計略", {{3, "Aria Velden"}})};
}

class Form1Test : public ::testing::Test {
  protected:
    void SetUp() override {
        // Each question box is answered by the next button of answers_, or by the key Enter or
        // Escape; one that no test step expects fails the test at once instead of waiting
        // forever.
        answers_.clear();
        QObject::connect(&questions_, &QTimer::timeout, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && answers_.isEmpty()) {
                ADD_FAILURE() << "an unexpected question: " << box->text().toStdString();
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (box != nullptr &&
                       (answers_.first() == "Enter" || answers_.first() == "Escape")) {
                QTest::keyClick(box,
                                answers_.takeFirst() == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
            } else if (box != nullptr) {
                box->findChild<QPushButton*>(answers_.takeFirst())->click();
            }
        });
        questions_.start(10);
        InstallFonts();
        ASSERT_TRUE(dir_.isValid());
        // Recent decks, the dialog's folder and window places from an earlier test.
        QSettings().clear();
        cardListPath_ = CardListPathIn(dir_.path());
        WriteBytes(cardListPath_, CardListBytes(FixtureCardLines()));
        NewForm();
    }
    // A fresh main window whose recovery copies stay in folder (this test's own by default).
    void NewForm(const QString& folder = {}) {
        form_.reset();
        form_ = std::make_unique<Form1>(catalogue_,
                                        folder.isEmpty() ? dir_.filePath("recovery") : folder);
    }
    void TearDown() override {
        EXPECT_EQ(answers_, QStringList()) << "questions that never came";
        form_.reset();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
        // Windows that delete themselves when closed go now, not in a later test.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Start() { Main(catalogue_, *form_, cardListPath_); }
    // Starts and ticks "ALL": C-1, G-1 (a castle), G-2, M-1 and c-9 listed.
    void Begin() {
        Start();
        Click("Check24");
    }
    // For keys: the main window active.
    void Activate() {
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    template <typename T>
    T* Find(const QString& name) const {
        T* widget = form_->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QString Text(const QString& label) const { return Find<QLabel>(label)->text(); }
    QString DeckName() const { return Find<QLineEdit>("Text2")->text(); }
    // Clicks a button; a check box on its indicator, where the user aims.
    void Click(const QString& button) {
        QAbstractButton* widget = Find<QAbstractButton>(button);
        const QPoint where = qobject_cast<QCheckBox*>(widget) != nullptr
                                 ? QPoint(7, widget->height() / 2)
                                 : widget->rect().center();
        QTest::mouseClick(widget, Qt::LeftButton, {}, where);
    }
    QString Path(const QString& name) const {
        return QDir::toNativeSeparators(dir_.filePath(name));
    }
    // A deck file in this test's folder: the deck's name, then lines "code name  × count".
    QString DeckFile(const QString& name, const QStringList& lines) {
        WriteBytes(Path(name), EncodeCp932Lines(lines));
        return Path(name);
    }
    void Trigger(const char* action) { Find<QAction>(action)->trigger(); }
    // Adds the card of row: Command2 four copies, Command4 one.
    void Add(int row, const char* button) {
        SelectCard(row);
        Click(button);
    }
    // The file dialog is open: enters the path as pasted (the key simulator types ASCII only)
    // and presses Enter.
    void EnterPath(const QString& path) {
        Form2* dialog = form_->Files().FileDialog();
        ASSERT_NE(dialog, nullptr);
        auto* text = dialog->findChild<QLineEdit*>("Text1");
        text->selectAll();
        text->insert(path);
        QTest::keyClick(text, Qt::Key_Return);
    }
    // A File menu command, then the path entered in the file dialog; an unsaved deck that a
    // deck file would replace is let go.
    void Use(const char* action, const QString& path) {
        if (QByteArray(action) == "DeckOpen" && form_->Document().IsUnsaved()) {
            answers_ << "DiscardButton";
        }
        Trigger(action);
        EnterPath(path);
    }
    QStringList Lines(const QString& list) const { return Rows(Find<QListWidget>(list)); }
    void SelectCard(int row) { ClickRow(Find<QListWidget>("List1"), row); }

    // Object names of the buttons that answer the coming question boxes, in order.
    static inline QStringList answers_;
    QTimer questions_;
    QTemporaryDir dir_;
    QString cardListPath_;
    CardCatalogue catalogue_;
    std::unique_ptr<Form1> form_;
};

}  // namespace kestrava::test
