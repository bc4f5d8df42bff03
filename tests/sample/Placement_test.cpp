// Where the sample-hand window first stands, against the main window and the screen.
#include <gtest/gtest.h>

#include "sample/Placement.h"
#include "support/QtPrinters.h"

namespace kestrava {
namespace {

struct Beside {
    const char* Name;
    QRect Main;       // the main window's frame; the card panel sits at its lower left
    QRect Available;  // the screen less its panels
    QPoint Corner;
};

TEST(PlacementTest, BesideTheMainWindowElseClearOfTheCardPanelElseCentred) {
    const QSize window(566, 548);
    const QRect desktop(0, 0, 1920, 1040);
    const Beside cases[] = {
        {"fits right", {625, 200, 676, 600}, desktop, {1301, 200}},
        {"fits right to the pixel", {0, 0, 670, 600}, {0, 0, 1236, 1040}, {670, 0}},
        {"one pixel short: left", {566, 0, 670, 600}, {0, 0, 1801, 1040}, {0, 0}},
        {"second screen: top below panel", {2500, 0, 676, 600}, {1920, 30, 1920, 1040}, {3176, 30}},
        {"main window low: as low as fits", {625, 800, 676, 600}, desktop, {1301, 492}},
        {"both edges clear: the right", {560, 200, 676, 600}, {0, 0, 1500, 1040}, {934, 200}},
        {"panel under right edge: left", {560, 200, 676, 600}, {0, 0, 1400, 1040}, {0, 200}},
        {"no edge clear: centred", {177, 100, 676, 600}, {0, 0, 1024, 768}, {229, 110}},
        {"larger than the screen: top left", {0, 0, 676, 600}, {0, 30, 500, 400}, {0, 30}},
    };
    for (const Beside& test : cases) {
        const QRect panel(test.Main.x() + 10, test.Main.y() + 360, 341, 217);
        EXPECT_EQ(PlaceBeside(test.Main, panel, window, test.Available), test.Corner) << test.Name;
    }
}

// A frame of 566 x 548 at the corner given, against a desktop of two screens side by side, the
// left one with a panel at its top.
struct LastPlace {
    const char* Name;
    QPoint Corner;
    bool Kept;
};

TEST(PlacementTest, LastPlaceKeptWhileItsTitleBarIsOnAScreen) {
    const QList<QRect> screens = {{0, 30, 1920, 1050}, {1920, 0, 1280, 1024}};
    const LastPlace cases[] = {
        {"across both", {1700, 100}, true},
        {"half off the left edge", {-283, 100}, true},
        {"more than half off the left edge", {-284, 100}, false},
        {"under the panel", {100, 21}, false},
        {"bar just below the panel", {100, 22}, true},
        {"below the shorter second screen", {2000, 1020}, false},
    };
    for (const LastPlace& test : cases) {
        EXPECT_EQ(TitleBarOnScreen(QRect(test.Corner, QSize(566, 548)), screens), test.Kept)
            << test.Name;
    }
}

}  // namespace
}  // namespace kestrava
