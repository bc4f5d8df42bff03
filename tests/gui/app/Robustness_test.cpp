// The main window over hostile files: each shows at once, in little memory.
#include <QFile>

#include <ctime>

#ifdef Q_OS_WIN
#include <windows.h>
// after windows.h, whose types it uses
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

#include "Form1Fixture.h"
#include "platform/Cp932.h"

#if defined(__SANITIZE_ADDRESS__)
// Freed memory waits in the sanitizer's quarantine, which would count as memory held; a small
// quarantine keeps the peaks measured close to what the program holds.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=4";
}
#endif

namespace kestrava::test {
namespace {

using RobustnessTest = Form1Test;

long PeakMegabytes() {
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters{};
    K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return long(counters.PeakWorkingSetSize / (1024 * 1024));
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
#endif
}

// Writes head and count copies of line, each ended by CR LF, a line at a time: the test's own
// memory stays out of the peak it measures.
void WriteRepeated(const QString& path, const QString& head, const QString& line, int count) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(EncodeCp932(head)) >= 0);
    const QByteArray bytes = EncodeCp932(line + "\r\n");
    for (int i = 0; i < count; ++i) {
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
}

struct HostileFile {
    const char* Name;
    QString Line;
    int Count;  // 0: a gigabyte without a line end, as a sparse file
};

// The files a user was once stuck with (card lists of 1025 lines of 32 KB, in the names or in
// another column, decks of 300 000 lines of count 0 and of 150 cards of 200 000 characters) and
// the largest the limits let through, then a gigabyte without a line end, opened as a user
// opens them with every card listed. Each stops at a limit (the reading gives up at the line
// limit), shows within a second of processor time and keeps the memory low.
TEST_F(RobustnessTest, HostileFilesShowAtOnceInLittleMemory) {
    const HostileFile files[] = {
        {"long.csv", CardLine("G-1", QString(32700, u'n')), kCardTableSize},
        {"texts.csv", CardLine("G-1", "a", {{17, QString(32700, u'n')}}), kCardTableSize},
        {"names.csv", CardLine("G-1", QString(kMaxCardLineLength - 4, u'名')), kCardTableSize},
        {"zero.dek", QString("Z-1 x").leftJustified(71) + "× 0", 300000},
        {"long.dek", "Z-1 " + QString(200000, u'a') + "  × 1", 150},
        {"texts.dek", "Z-1 " + QString(kMaxCardLineLength - 4, u'霧') + "  × 1", 2000},
        {"huge.csv", {}, 0},
        {"huge.dek", {}, 0}};
    Begin();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    const long peakBefore = PeakMegabytes();
    for (const HostileFile& file : files) {
        const QString path = dir_.filePath(file.Name);
        const bool deck = path.endsWith(".dek");
        WriteRepeated(path, deck ? "n\r\n" : "", file.Line, file.Count);
        ASSERT_TRUE(file.Count > 0 || QFile(path).resize(qint64(1) << 30));
        const std::clock_t start = std::clock();  // processor time: other programs do not count
        Use(deck ? "DeckOpen" : "Open", path);
        form_->repaint();
        EXPECT_LT(std::clock() - start, CLOCKS_PER_SEC) << file.Name;
        EXPECT_EQ(Text("Label24"), "Load " + QDir::toNativeSeparators(path));
    }
    EXPECT_LT(PeakMegabytes() - peakBefore, 60);  // the program takes 40 MB of its own
}

}  // namespace
}  // namespace kestrava::test
