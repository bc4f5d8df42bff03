// The rows of a list as a user reads them, and a click on one as the mouse makes it.
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

}  // namespace kestrava::test
