// Runs the window tests inside one QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Settings and recovery copies go to a test folder, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    // Settings in a folder of this run's own, as files on every system, so that test programs
    // running side by side never clear each other's.
    QCoreApplication::setOrganizationName(QStringLiteral("brelvik"));
    const QTemporaryDir settings;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QCoreApplication::addLibraryPath(QStringLiteral(KESTRAVA_PROGRAM_DIR));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
