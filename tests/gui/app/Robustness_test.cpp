// The main window's overwrite question while the file it asks about vanishes, on a path with
// Japanese characters and blanks: "はい" writes the whole file afresh.
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <sys/resource.h>

#include "Form1Fixture.h"
#include "files/DeckFile.h"
#include "files/DeckHtml.h"
#include "files/ui/FileWindows.h"
#include "files/ui/Form2.h"
#include "files/ui/Form3.h"
#include "platform/TextFile.h"

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

TEST_F(RobustnessTest, FileThatVanishesBeforeYesIsWrittenAfresh) {
    Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    Click("Check24");
    SelectCard(1);  // G-1
    Click("Command2");
    ASSERT_TRUE(QDir(dir_.path()).mkdir("デッキ 置き場"));
    const QString path = QDir::toNativeSeparators(dir_.filePath("デッキ 置き場/古い デッキ"));
    for (bool html : {false, true}) {
        const auto lines = html ? DeckHtmlLines : DeckFileLines;
        const QByteArray expected = EncodeCp932Lines(
            lines(form_->CurrentDeck(), form_->Tallies(), catalogue_.FactionNames));
        SCOPED_TRACE(html ? "html page" : "deck file");
        WriteBytes(path, "old");
        form_->findChild<QAction*>(html ? "print_HTML" : "Save")->trigger();
        auto* text = form_->Files().FileDialog()->findChild<QLineEdit*>("Text1");
        text->selectAll();
        text->insert(path);  // as pasted: the key simulator types ASCII only
        QTest::keyClick(text, Qt::Key_Return);
        Form3* question = form_->Files().Confirmation();
        ASSERT_NE(question, nullptr);
        ASSERT_TRUE(QFile::remove(path));
        QTest::mouseClick(question->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        EXPECT_EQ(form_->Files().Confirmation(), nullptr);
        EXPECT_EQ(Text("Label24"), "Save " + path);
        EXPECT_EQ(ReadBytes(path), expected);
    }
}

}  // namespace
}  // namespace kestrava::test
