// The main window over a card list that is one huge line: it shows at once, in little memory.
#include <QAction>
#include <QElapsedTimer>
#include <QFile>

#include <sys/resource.h>

#include "Form1Fixture.h"
#include "files/ui/FileWindows.h"

namespace kestrava::test {
namespace {

using RobustnessTest = Form1Test;

long PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// A gigabyte without a line end, as a sparse file: the reading gives up at the line limit, so
// the window shows at once and memory stays small. First in this program, so the peak memory
// measured is this test's own.
TEST_F(RobustnessTest, HugeLineEndsTheReadingAtOnce) {
    QFile huge(cardListPath_);
    ASSERT_TRUE(huge.resize(0) && huge.resize(qint64(1) << 30));
    const long peakBefore = PeakMegabytes();
    QElapsedTimer timer;
    timer.start();
    Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(catalogue_.CardCount(), 0);
    EXPECT_EQ(Text("Label24"), "Load " + cardListPath_);

    form_->findChild<QAction*>("DeckOpen")->trigger();
    auto* text = form_->Files().FileDialog()->findChild<QLineEdit*>("Text1");
    text->setText(cardListPath_);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(Text("Label24"), "Load " + cardListPath_);  // read, as an empty deck
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_LT(PeakMegabytes() - peakBefore, 100);
}

}  // namespace
}  // namespace kestrava::test
