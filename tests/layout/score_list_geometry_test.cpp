#include "layout/score_list_geometry.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

TEST(ScoreListGeometry, columnEdgesFollowSeventeenthsOfTheWidth) {
    const ScoreListColumns c = score_list_columns(596);
    // u = 596 * 100 / 17 = 3505
    EXPECT_EQ(c.scored_right[0], 105);
    EXPECT_EQ(c.to_go_left[0], 106);
    EXPECT_EQ(c.to_go_right[0], 245);
    EXPECT_EQ(c.round_left, 245);
    EXPECT_EQ(c.round_right, 350);
    EXPECT_EQ(c.scored_left[1], 350);
    EXPECT_EQ(c.scored_right[1], 455);
    EXPECT_EQ(c.to_go_left[1], 456);
    EXPECT_EQ(c.to_go_right[1], 596);
}

TEST(ScoreListGeometry, hitTestKnowsTheRoundColumnIsNoCell) {
    const ScoreListColumns c = score_list_columns(596);
    EXPECT_EQ(score_list_hit_column(c, 0), 0);
    EXPECT_EQ(score_list_hit_column(c, 244), 0);
    EXPECT_EQ(score_list_hit_column(c, 245), -1);
    EXPECT_EQ(score_list_hit_column(c, 349), -1);
    EXPECT_EQ(score_list_hit_column(c, 350), 1);
    EXPECT_EQ(score_list_hit_column(c, 595), 1);
    EXPECT_EQ(score_list_hit_column(c, 596), -1);
    EXPECT_EQ(score_list_hit_column(c, -1), -1);
}

TEST(ScoreListGeometry, fontsRowsAndPages) {
    EXPECT_EQ(score_font_points(596, false), 35);
    EXPECT_EQ(score_font_points(596, true), 27);
    EXPECT_EQ(header_font_points(596), 17);
    EXPECT_EQ(score_list_row_height(36), 42);
    EXPECT_EQ(score_list_rows_per_page(500, 30, 42), 11);
    EXPECT_EQ(score_list_rows_per_page(20, 30, 42), 0);
    EXPECT_EQ(score_list_rows_per_page(500, 30, 0), 0);
}

} // namespace
} // namespace dvk
