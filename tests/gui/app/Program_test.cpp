// The built program started from a shell. Where it opens no window, what it prints and how it
// ends: without a display the first window would abort it, so ending normally there shows it
// never tried. Where it opens one, the deck it opened, as the settings file it keeps tells.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

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

struct ShellCase {
    QStringList Arguments;
    int ExitCode;
    QString Output;  // how the output begins
    QString Errors;  // how the errors begin
};

// Which arguments give which answer is CommandLine_test's; here that the program prints it.
TEST(Program, AnswersWithoutAWindow) {
    QTemporaryDir runtimeDir;
    ASSERT_TRUE(runtimeDir.isValid());
    const QString version = "brelvik " KESTRAVA_VERSION "\n";
    const ShellCase cases[] = {
        {{"--version"}, 0, version, ""},
        {{"--bogus"}, 2, "", "brelvik: Unknown option 'bogus'.\n\nUsage: brelvik"}};
    for (const ShellCase& test : cases) {
        SCOPED_TRACE(test.Arguments.join(' ').toStdString());
        QProcess process;
        process.setProcessEnvironment(ShellEnvironment(runtimeDir, nullptr));
        process.start(KESTRAVA_PROGRAM, test.Arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        // Windows writes text lines with CR LF.
        const QString output =
            QString::fromLocal8Bit(process.readAllStandardOutput()).replace("\r\n", "\n");
        const QString errors =
            QString::fromLocal8Bit(process.readAllStandardError()).replace("\r\n", "\n");
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), test.ExitCode) << errors.toStdString();
        EXPECT_TRUE(Begins(output, test.Output)) << output.toStdString();
        EXPECT_TRUE(Begins(errors, test.Errors)) << errors.toStdString();
    }
}

// Unix only: a link to a folder, and the settings file of the manual page (Windows keeps the
// settings in the registry).
#ifdef Q_OS_UNIX
// A relative path is the file system's to resolve: "s/../x.dek" is x.dek beside the folder s
// links to, not beside s, where there is none. Opened, it is the first of the recent decks, in
// the settings file the manual page names. That an opened deck shows is StartWithDeckTest's.
TEST(Program, OpensTheDeckNamedOnItsCommandLine) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("real/sub"));
    ASSERT_TRUE(QFile::link(dir.filePath("real/sub"), dir.filePath("s")));
    WriteBytes(dir.filePath("real/x.dek"), EncodeCp932Lines({"deck", "G-2 x  × 1"}));
    QTemporaryDir runtimeDir;
    QProcess program;
    program.setProcessEnvironment(ShellEnvironment(runtimeDir, "offscreen"));
    program.setWorkingDirectory(dir.path());
    program.start(KESTRAVA_PROGRAM, {"s/../x.dek"});
    const QString settings = runtimeDir.filePath("config/brelvik/brelvik.conf");
    const QStringList opened = {QDir(QDir(dir.path()).canonicalPath()).filePath("s/../x.dek")};
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return QSettings(settings, QSettings::IniFormat).value("RecentDecks").toStringList() ==
                   opened;
        },
        60000));
    program.kill();
    program.waitForFinished();
}
#endif

}  // namespace
}  // namespace kestrava::test
