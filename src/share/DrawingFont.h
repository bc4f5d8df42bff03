// The font the recipe image and the registration sheet draw in: sized in the painter's units
// (pixels of the image, tenths of a millimetre of the sheet), so text keeps its place however
// the device resolves it.
#pragma once

#include <QFont>
#include <QGuiApplication>
#include <QString>

namespace kestrava {

// family, or the application's font when empty.
inline QString FamilyOrDefault(const QString& family) {
    return family.isEmpty() ? QGuiApplication::font().family() : family;
}

inline QFont DrawingFont(const QString& family, int size, bool bold = false) {
    QFont font(family);
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}

}  // namespace kestrava
