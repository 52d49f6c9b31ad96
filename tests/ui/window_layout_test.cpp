#include <gtest/gtest.h>

#include "ui/main/window_layout.h"

namespace kestrune {
namespace {

TEST(WindowLayout, DefaultWindowGivesTheWorkedExampleNumbers) {
    const MainLayout layout = ResizeLayout(MainLayout{}, 7215, 4890);
    EXPECT_DOUBLE_EQ(layout.listWidth, 6395);
    EXPECT_DOUBLE_EQ(layout.detailsColumnWidth, 4270);
    EXPECT_DOUBLE_EQ(layout.statusWidth, 6875);
    EXPECT_DOUBLE_EQ(layout.listHeight, 3255);
    EXPECT_DOUBLE_EQ(layout.statusTop, 3945);
    EXPECT_DOUBLE_EQ(layout.lineEnd, 7215);
}

TEST(WindowLayout, RulesLeaveTheToolbarTheListTopAndTheFirstColumnAlone) {
    MainLayout floating;
    floating.listTop = 240;
    const MainLayout layout = ResizeLayout(floating, 9000, 6000);
    EXPECT_DOUBLE_EQ(layout.listTop, 240);
    EXPECT_DOUBLE_EQ(layout.listHeight, 6000 - 1635);
    EXPECT_DOUBLE_EQ(layout.actionColumnWidth, MainLayout{}.actionColumnWidth);
    EXPECT_DOUBLE_EQ(layout.toolbarLeft, 360);
    EXPECT_DOUBLE_EQ(layout.toolbarWidth, 4020);
}

struct Bound {
    const char* what;
    double width, height;
    double listWidth, detailsWidth, statusWidth, listHeight, statusTop;
};

class WindowLayoutBounds : public ::testing::TestWithParam<Bound> {};

// Starting from the default window's layout, the rules at and around their thresholds.
TEST_P(WindowLayoutBounds, KeepsWhatARuleDoesNotReach) {
    const Bound& b = GetParam();
    const MainLayout start = ResizeLayout(MainLayout{}, 7215, 4890);
    const MainLayout layout = ResizeLayout(start, b.width, b.height);
    EXPECT_DOUBLE_EQ(layout.listWidth, b.listWidth) << b.what;
    EXPECT_DOUBLE_EQ(layout.detailsColumnWidth, b.detailsWidth) << b.what;
    EXPECT_DOUBLE_EQ(layout.statusWidth, b.statusWidth) << b.what;
    EXPECT_DOUBLE_EQ(layout.listHeight, b.listHeight) << b.what;
    EXPECT_DOUBLE_EQ(layout.statusTop, b.statusTop) << b.what;
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, WindowLayoutBounds,
    ::testing::Values(
        // list exactly 2125 wide: the Details column keeps its width
        Bound{"list 2125", 2945, 4890, 2125, 4270, 2605, 3255, 3945},
        Bound{"list 2126", 2946, 4890, 2126, 1, 2606, 3255, 3945},
        Bound{"height 1755", 7215, 1755, 6395, 4270, 6875, 120, 810},
        Bound{"height 1754 keeps the list", 7215, 1754, 6395, 4270, 6875, 3255, 809},
        Bound{"height 1051 keeps the status bar", 7215, 1051, 6395, 4270, 6875, 3255, 3945},
        // below 820 wide the list would be narrower than nothing: it keeps its width
        Bound{"width 800", 800, 4890, 6395, 4270, 460, 3255, 3945},
        Bound{"width 50 touches no width", 50, 4890, 6395, 4270, 6875, 3255, 3945}));

TEST(WindowLayout, TwipsConvertAtTheLogicalResolution) {
    EXPECT_EQ(TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(TwipsToPixels(15, 96), 1);
    EXPECT_EQ(TwipsToPixels(7215, 96), 481);
    EXPECT_EQ(TwipsToPixels(7215, 144), 722);
    EXPECT_DOUBLE_EQ(PixelsToTwips(481, 96), 7215);
    EXPECT_DOUBLE_EQ(PixelsToTwips(2, 192), 15);
}

}  // namespace
}  // namespace kestrune
