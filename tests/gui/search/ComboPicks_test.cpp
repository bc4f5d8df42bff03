#include "search/ui/ComboPicks.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include <tuple>

namespace kestrava {
namespace {

// Without focus the wheel leaves the entry alone and goes on to the window; with focus it
// steps through the entries, each step a pick, and stops at the ends without one.
TEST(ComboPicks, TheWheelPicksOnlyWhileTheBoxHasFocus) {
    QWidget window;
    auto* combo = new QComboBox(&window);
    auto* field = new QLineEdit(&window);
    combo->addItems({"ALL", "A", "B", "C"});
    QList<int> picks;
    ConnectUserPicks(*combo, window, [&picks](int index) { picks << index; });
    // Qt would focus a wheel-focus box for a turn over it before the turn arrives.
    EXPECT_EQ(combo->focusPolicy(), Qt::StrongFocus);
    combo->setCurrentIndex(1);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // What has focus, three steps of this delta (below zero: down the list), the entry after,
    // the picks.
    const std::tuple<QWidget*, int, int, QList<int>> cases[] = {
        {field, -120, 1, {}}, {combo, -120, 3, {2, 3}}, {combo, 120, 0, {2, 1, 0}}};
    for (const auto& [focus, delta, entry, expectedPicks] : cases) {
        SCOPED_TRACE(std::to_string(delta) + (focus == combo ? " focused" : " unfocused"));
        focus->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(focus->hasFocus());
        picks.clear();
        const QPointF at = QRectF(combo->rect()).center();
        for (int step = 0; step < 3; ++step) {
            QWheelEvent wheel(at, combo->mapToGlobal(at), {}, {0, delta}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(combo, &wheel);
            EXPECT_EQ(wheel.isAccepted(), focus == combo);
        }
        EXPECT_EQ(combo->currentIndex(), entry);
        EXPECT_EQ(picks, expectedPicks);
    }
}

}  // namespace
}  // namespace kestrava
