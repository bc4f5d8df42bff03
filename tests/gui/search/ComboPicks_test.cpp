#include "search/ui/ComboPicks.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

namespace kestrava {
namespace {

// An editable box as the illustrator box is, with a field after it to take the focus.
class ComboPicksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        combo_->addItems({"ALL", "A", "B", "C"});
        combo_->setInsertPolicy(QComboBox::NoInsert);
        ConnectUserPicks(*combo_, window_, [this](int index) { picks_ << index; });
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    QWidget window_;
    QComboBox* combo_ = new QComboBox(&window_);
    QLineEdit* field_ = new QLineEdit(&window_);
    QList<int> picks_;
};

struct WheelCase {
    bool Focused;
    int Delta;  // of each of three steps; below zero: down the list
    int Entry;  // after
    QList<int> Picks;
};

// Without focus the wheel leaves the entry alone and goes on to the window; with focus it
// steps through the entries, each step a pick, and stops at the ends without one.
TEST_F(ComboPicksTest, TheWheelPicksOnlyWhileTheBoxHasFocus) {
    // Qt would focus a wheel-focus box for a turn over it before the turn arrives.
    EXPECT_EQ(combo_->focusPolicy(), Qt::StrongFocus);
    combo_->setCurrentIndex(1);
    const WheelCase cases[] = {
        {false, -120, 1, {}}, {true, -120, 3, {2, 3}}, {true, 120, 0, {2, 1, 0}}};
    for (const WheelCase& test : cases) {
        SCOPED_TRACE(std::to_string(test.Delta) + (test.Focused ? " focused" : " unfocused"));
        (test.Focused ? static_cast<QWidget*>(combo_) : field_)->setFocus(Qt::MouseFocusReason);
        picks_.clear();
        const QPointF at = QRectF(combo_->rect()).center();
        for (int step = 0; step < 3; ++step) {
            QWheelEvent wheel(at, combo_->mapToGlobal(at), {}, {0, test.Delta}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(combo_, &wheel);
            EXPECT_EQ(wheel.isAccepted(), test.Focused);
        }
        EXPECT_EQ(combo_->currentIndex(), test.Entry);
        EXPECT_EQ(picks_, test.Picks);
    }
}

struct TypedCase {
    const char* Typed;
    Qt::Key Key;
    QList<int> Picks;
};

// Leaving the field, or Enter on text that is no entry as it stands, is no pick.
TEST_F(ComboPicksTest, TheFieldPicksOnlyOnEnterOnAnExactEntry) {
    const TypedCase cases[] = {{"", Qt::Key_Tab, {}},      {"b", Qt::Key_Tab, {}},
                               {"B", Qt::Key_Tab, {}},     {"b", Qt::Key_Return, {}},
                               {"AL", Qt::Key_Return, {}}, {"B", Qt::Key_Return, {2}}};
    for (const TypedCase& test : cases) {
        SCOPED_TRACE(std::string(test.Typed) + (test.Key == Qt::Key_Tab ? " Tab" : " Enter"));
        combo_->setFocus(Qt::MouseFocusReason);
        picks_.clear();
        combo_->lineEdit()->selectAll();
        QTest::keyClicks(combo_, test.Typed);
        QTest::keyClick(combo_, test.Key);
        field_->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(picks_, test.Picks);
    }
}

}  // namespace
}  // namespace kestrava
