// A main window over a small fictional card list, driven as a user drives it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "app/Fonts.h"
#include "app/Form1.h"
#include "app/Startup.h"
#include "support/ListRows.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

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
        InstallFonts();
        ASSERT_TRUE(dir_.isValid());
        cardListPath_ = CardListPathIn(dir_.path());
        WriteBytes(cardListPath_, CardListBytes(FixtureCardLines()));
        form_ = std::make_unique<Form1>(catalogue_);
    }
    void TearDown() override {
        form_.reset();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
        // Windows that delete themselves when closed go now, not in a later test.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Start() { Main(catalogue_, *form_, cardListPath_); }

    template <typename T>
    T* Find(const QString& name) const {
        T* widget = form_->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QString Text(const QString& label) const { return Find<QLabel>(label)->text(); }
    // Clicks a button; a check box on its indicator, where the user aims.
    void Click(const QString& button) {
        QAbstractButton* widget = Find<QAbstractButton>(button);
        const QPoint where = qobject_cast<QCheckBox*>(widget) != nullptr
                                 ? QPoint(7, widget->height() / 2)
                                 : widget->rect().center();
        QTest::mouseClick(widget, Qt::LeftButton, {}, where);
    }
    QStringList Lines(const QString& list) const { return Rows(Find<QListWidget>(list)); }
    void SelectCard(int row) { ClickRow(Find<QListWidget>("List1"), row); }

    QTemporaryDir dir_;
    QString cardListPath_;
    CardCatalogue catalogue_;
    std::unique_ptr<Form1> form_;
};

}  // namespace kestrava::test
