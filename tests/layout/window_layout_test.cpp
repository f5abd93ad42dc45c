#include "layout/window_layout.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

LayoutInput thousand_wide() {
    LayoutInput in;
    in.width = 1000;
    in.height = 700;
    in.gap = 2;
    in.name_height = 63;
    in.guide_height = 50;
    in.left_height = 120;
    return in;
}

TEST(WindowLayout, everyWindowShown) {
    const MainLayout l = compute_main_layout(thousand_wide());
    EXPECT_EQ(l.name, (LayoutRect{2, 2, 996, 63}));
    EXPECT_EQ(l.player[0], (LayoutRect{2, 67, 198, 459}));
    EXPECT_EQ(l.list, (LayoutRect{202, 67, 596, 459}));
    EXPECT_EQ(l.player[1], (LayoutRect{800, 67, 198, 459}));
    EXPECT_EQ(l.left[0], (LayoutRect{2, 528, 497, 120}));
    EXPECT_EQ(l.left[1], (LayoutRect{501, 528, 497, 120}));
    EXPECT_EQ(l.guide, (LayoutRect{0, 650, 1000, 50}));
}

TEST(WindowLayout, hiddenSideWindowsGiveTheListTheWholeWidth) {
    LayoutInput in = thousand_wide();
    in.player_shown = false;
    in.name_shown = false;
    in.left_shown = false;
    in.guide_shown = false;
    const MainLayout l = compute_main_layout(in);
    EXPECT_EQ(l.list, (LayoutRect{2, 2, 996, 696}));
    EXPECT_EQ(l.guide, LayoutRect{});
    EXPECT_EQ(l.name, LayoutRect{});
}

TEST(WindowLayout, oddGapsAndWidthsTruncate) {
    LayoutInput in = thousand_wide();
    in.width = 801;
    in.gap = 3;
    const MainLayout l = compute_main_layout(in);
    EXPECT_EQ(l.player[0].width, 160 - 3);
    EXPECT_EQ(l.player[1].x, 640);
    EXPECT_EQ(l.player[1].width, 801 - 640 - 3);
    EXPECT_EQ(l.list.x, 163);
    EXPECT_EQ(l.list.width, 640 - 160 - 6);
    EXPECT_EQ(l.left[0].width, 400 - 1 - 3);
    EXPECT_EQ(l.left[1].x, 401);
}

} // namespace
} // namespace dvk
