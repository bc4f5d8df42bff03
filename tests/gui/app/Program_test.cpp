// The built program started as a shell starts it: what it prints, how it ends, and that a deck
// argument leaves it running with its window.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "support/QtPrinters.h"

namespace kestrava::test {
namespace {

enum class Display { None, Offscreen };

struct Ending {
    int exitCode;
    QString output;
    QString errors;
};

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(runtimeDir_.isValid()); }

    // Without a display, creating the first window would abort the program: ending normally
    // there shows it never tried.
    void Start(QProcess& process, const QStringList& arguments, Display display) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(QString::fromLatin1(name));
        }
        if (display == Display::Offscreen) {
            environment.insert("QT_QPA_PLATFORM", "offscreen");
        }
        environment.insert("XDG_RUNTIME_DIR", runtimeDir_.path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KESTRAVA_PROGRAM), arguments);
        ASSERT_TRUE(process.waitForStarted());
    }
    Ending RunToEnd(const QStringList& arguments, Display display) {
        QProcess process;
        Start(process, arguments, display);
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QTemporaryDir runtimeDir_;
};

TEST_F(ProgramTest, VersionAndHelpNeedNoDisplay) {
    const struct {
        QStringList arguments;
        QString outputStart;
    } cases[] = {
        {{"--version"}, "brelvik 0.0.8\n"},
        {{"-h"}, "Usage: brelvik [options] [DECK]\n"},
        {{"-platform", "offscreen", "--version"}, "brelvik 0.0.8\n"},  // Qt's own option
    };
    for (const auto& c : cases) {
        const Ending ending = RunToEnd(c.arguments, Display::None);
        EXPECT_EQ(ending.exitCode, 0) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(ending.output.startsWith(c.outputStart)) << ending.output.toStdString();
        EXPECT_EQ(ending.errors, "");
    }
}

TEST_F(ProgramTest, MisuseEndsWithStatusTwoAndTheUsageOnStandardError) {
    const struct {
        QStringList arguments;
        Display display;
        QString errorStart;
    } cases[] = {
        {{"--bogus"}, Display::Offscreen, "brelvik: Unknown option 'bogus'.\n\nUsage: brelvik"},
        {{"one.dek", "two.dek"}, Display::None, "brelvik: Too many arguments"},
    };
    for (const auto& c : cases) {
        const Ending ending = RunToEnd(c.arguments, c.display);
        EXPECT_EQ(ending.exitCode, 2) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(ending.output, "");
        EXPECT_TRUE(ending.errors.startsWith(c.errorStart)) << ending.errors.toStdString();
    }
}

TEST_F(ProgramTest, ADeckArgumentStartsTheProgram) {
    QProcess process;
    Start(process, {QStringLiteral(KESTRAVA_TEST_DATA "/files_mixed.dek")}, Display::Offscreen);
    EXPECT_FALSE(process.waitForFinished(2000)) << process.readAllStandardError().toStdString();
    process.kill();
    process.waitForFinished();
}

}  // namespace
}  // namespace kestrava::test
