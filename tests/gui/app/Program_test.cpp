// The built program started from a shell: what it prints and how it ends when it opens no
// window. Without a display the first window would abort it, so ending normally there shows
// it never tried.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include <tuple>

#include "support/QtPrinters.h"

namespace kestrava::test {
namespace {

// An empty start asks for no text at all.
bool Begins(const QString& text, const QString& start) {
    return start.isEmpty() ? text.isEmpty() : text.startsWith(start);
}

TEST(Program, AnswersWithoutAWindow) {
    QTemporaryDir runtimeDir;
    ASSERT_TRUE(runtimeDir.isValid());
    // Arguments, platform (nullptr: no display at all), exit code, output and errors begin.
    const std::tuple<QStringList, const char*, int, QString, QString> cases[] = {
        {{"--version"}, nullptr, 0, "brelvik 0.0.8\n", ""},
        {{"-platform", "offscreen", "-v"}, nullptr, 0, "brelvik 0.0.8\n", ""},  // Qt's option
        {{"one.dek", "two.dek"}, nullptr, 2, "", "brelvik: Too many arguments"},
        {{"--bogus"}, nullptr, 2, "", "brelvik: Unknown option 'bogus'.\n\nUsage: brelvik"}};
    for (const auto& [arguments, platform, exitCode, outputStart, errorsStart] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(name);
        }
        if (platform != nullptr) {
            environment.insert("QT_QPA_PLATFORM", platform);
        }
        environment.insert("XDG_RUNTIME_DIR", runtimeDir.path());
        QProcess process;
        process.setProcessEnvironment(environment);
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

}  // namespace
}  // namespace kestrava::test
