#include "layout/side_window_geometry.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

// The search must give what counting down one point at a time gives, for any limit.
TEST(LargestFittingSize, agreesWithCountingDown) {
    const auto text_height = [](int points) { return points * 4 / 3 + points / 7; };
    for (int limit = -2; limit < 90; ++limit) {
        int counted = 60;
        while (counted >= 1 && text_height(counted) > limit) {
            --counted;
        }
        const int searched =
            largest_fitting_size(1, 60, [&](int p) { return text_height(p) <= limit; });
        EXPECT_EQ(searched, counted) << "limit " << limit;
    }
}

TEST(LargestFittingSize, emptyRangeGivesOneBelowTheLow) {
    EXPECT_EQ(largest_fitting_size(5, 4, [](int) { return true; }), 4);
    EXPECT_EQ(largest_fitting_size(5, 9, [](int) { return false; }), 4);
    EXPECT_EQ(largest_fitting_size(5, 9, [](int) { return true; }), 9);
}

} // namespace
} // namespace dvk
