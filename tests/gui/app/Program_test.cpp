// The built program started from a shell. Where it opens no window, what it prints and how it
// ends: without a display the first window would abort it, so ending normally there shows it
// never tried. Where it opens one, what the window shows, as Qt's minimal platform saves it.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <tuple>

#include "app/Form1.h"
#include "app/Version.h"
#include "platform/TextFile.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava::test {
namespace {

// An empty start asks for no text at all.
bool Begins(const QString& text, const QString& start) {
    return start.isEmpty() ? text.isEmpty() : text.startsWith(start);
}

// A start from a shell with the platform given (nullptr: no display at all).
QProcessEnvironment ShellEnvironment(const QTemporaryDir& runtimeDir, const char* platform) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(name);
    }
    if (platform != nullptr) {
        environment.insert("QT_QPA_PLATFORM", platform);
    }
    environment.insert("XDG_RUNTIME_DIR", runtimeDir.path());
    // The program keeps its recent decks and recovery copies there, not in the user's folders.
    environment.insert("XDG_CONFIG_HOME", runtimeDir.filePath("config"));
    environment.insert("XDG_DATA_HOME", runtimeDir.filePath("data"));
    return environment;
}

TEST(Program, AnswersWithoutAWindow) {
    QTemporaryDir runtimeDir;
    ASSERT_TRUE(runtimeDir.isValid());
    const QString version = "brelvik " KESTRAVA_VERSION "\n";
    // Arguments, platform, exit code, output and errors begin.
    const std::tuple<QStringList, const char*, int, QString, QString> cases[] = {
        {{"--version"}, nullptr, 0, version, ""},
        {{"-platform", "offscreen", "-v"}, nullptr, 0, version, ""},  // Qt's option
        {{"one.dek", "two.dek"}, nullptr, 2, "", "brelvik: Too many arguments"},
        {{"--bogus"}, nullptr, 2, "", "brelvik: Unknown option 'bogus'.\n\nUsage: brelvik"}};
    for (const auto& [arguments, platform, exitCode, outputStart, errorsStart] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QProcess process;
        process.setProcessEnvironment(ShellEnvironment(runtimeDir, platform));
        process.start(KESTRAVA_PROGRAM, arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), exitCode) << errors.toStdString();
        EXPECT_TRUE(Begins(output, outputStart)) << output.toStdString();
        EXPECT_TRUE(Begins(errors, errorsStart)) << errors.toStdString();
    }
}

// Starts the program in folder with arguments on Qt's minimal platform, which saves every frame
// it shows as outputNNNN.png in the current folder when QT_DEBUG_BACKINGSTORE is set; true once
// a frame comes for which shows is true.
bool ShowsFrame(const QTemporaryDir& runtimeDir, const QString& folder,
                const QStringList& arguments, const std::function<bool(const QImage&)>& shows) {
    QProcessEnvironment environment = ShellEnvironment(runtimeDir, "minimal:fontconfig");
    environment.insert("QT_DEBUG_BACKINGSTORE", "1");
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(KESTRAVA_PROGRAM, arguments);
    int frame = 0;
    const bool shown = QTest::qWaitFor(
        [&] {
            const QByteArray png = ReadBytes(QDir(folder).filePath(
                QStringLiteral("output%1.png").arg(frame, 4, 10, QChar('0'))));
            // Frames are written one after the other; a frame's last chunk says it is whole.
            if (!png.endsWith(QByteArray("IEND\xae\x42\x60\x82", 8))) {
                return false;
            }
            ++frame;
            return shows(QImage::fromData(png, "PNG"));
        },
        60000);
    process.kill();
    process.waitForFinished();
    return shown;
}

// Any pixel of area darker than mid-grey: text drawn on a list's white. A frame of another
// window, smaller than the main window, has none.
bool HasInk(const QImage& image, const QRect& area) {
    if (!image.rect().contains(area)) {
        return false;
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                return true;
            }
        }
    }
    return false;
}

// A relative path is the file system's to resolve: "s/../x.dek" is x.dek beside the folder s
// links to, not beside s, where there is none.
TEST(Program, ShowsTheDeckNamedOnItsCommandLine) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("real/sub"));
    ASSERT_TRUE(QFile::link(dir.filePath("real/sub"), dir.filePath("s")));
    WriteBytes(dir.filePath("real/x.dek"), EncodeCp932Lines({"deck", "G-2 x  × 1"}));
    // Where the deck list draws its lines below the menu bar, whose height is the platform's.
    CardCatalogue catalogue;
    Form1 form(catalogue);
    const QWidget* below = form.centralWidget();
    const QWidget* lines = form.findChild<QListWidget*>("List2")->viewport();
    const QRect area =
        QRect(lines->mapTo(below, QPoint(0, 0)), lines->size()).adjusted(2, 2, -2, -2);
    QTemporaryDir runtimeDir;
    EXPECT_TRUE(ShowsFrame(runtimeDir, dir.path(), {"s/../x.dek"}, [&](const QImage& frame) {
        return HasInk(frame, area.translated(0, frame.height() - below->height()));
    }));
    // Among the recent decks, in the settings file the manual page names.
    const QSettings settings(runtimeDir.filePath("config/brelvik/brelvik.conf"),
                             QSettings::IniFormat);
    EXPECT_EQ(settings.value("RecentDecks").toStringList(),
              QStringList{QDir(QDir(dir.path()).canonicalPath()).filePath("s/../x.dek")});
}

}  // namespace
}  // namespace kestrava::test
