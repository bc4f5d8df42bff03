// The rows of a list as a user reads them, and a click or double click on one as the mouse
// makes it.
#pragma once

#include <QListWidget>
#include <QStringList>
#include <QTest>

namespace kestrava::test {

inline QStringList Rows(const QListWidget* list) {
    QStringList rows;
    for (int row = 0; row < list->count(); ++row) {
        rows << list->item(row)->text();
    }
    return rows;
}

inline void ClickRow(QListWidget* list, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(list->viewport(), button, {}, list->visualItemRect(list->item(row)).center());
}

// As a widget receives it: press, release, double click, release.
inline void DoubleClickRow(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    ClickRow(list, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace kestrava::test
