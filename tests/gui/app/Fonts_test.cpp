#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>

#include "app/Fonts.h"
#include "support/QtPrinters.h"

namespace kestrava::test {
namespace {

// The face the substitutions give a name: the font asked for by name draws with it.
QString FaceOf(const QString& family) {
    return QFontInfo(QFont(family, 9)).family();
}

// The offscreen platform under Wine finds no fonts at all: nothing there to substitute.
bool NoFonts() {
    return QFontDatabase::families().isEmpty();
}

// Asking for the face itself spares each text the search for a name the platform may lack.
TEST(InstallFonts, OwnFontsAskForTheFaceTheNameGets) {
    if (NoFonts()) {
        GTEST_SKIP() << "the platform has no fonts";
    }
    InstallFonts();
    for (const QString& name : {kFixedFont, kProportionalFont}) {
        QWidget window;
        window.setFont(QFont(name, 9));
        QLabel inheriting(&window);
        EXPECT_EQ(window.font().family(), FaceOf(name)) << name.toStdString();
        EXPECT_EQ(window.font().pointSize(), 9);
        EXPECT_EQ(inheriting.font().family(), FaceOf(name)) << name.toStdString();
        EXPECT_FALSE(inheriting.testAttribute(Qt::WA_SetFont));
    }
}

TEST(InstallFonts, MakesTheFixedPitchFaceTheApplicationFont) {
    if (NoFonts()) {
        GTEST_SKIP() << "the platform has no fonts";
    }
    InstallFonts();
    InstallFonts();
    EXPECT_EQ(QApplication::font().family(), FaceOf(kFixedFont));
    EXPECT_EQ(QApplication::font().pointSize(), 9);
}

}  // namespace
}  // namespace kestrava::test
