#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "com/com_leg.h"
#include "com/throw_model.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

class ComLeg : public testing::Test {
protected:
    const ComTable m_table{parse_arrange_text(builtin_arrange_text(BuiltinTable::Com))};
    ComThrower m_thrower{m_table, {20, 3}, 42};
};

TEST_F(ComLeg, topLevelLegIsWonByCheckingOutTheWholeStartScore) {
    for (int leg = 0; leg < 20; ++leg) {
        const ComLegStats stats =
            play_com_leg(m_thrower, {perfect_level, perfect_level}, 501, leg % 2);
        ASSERT_TRUE(stats.winner == 0 || stats.winner == 1);
        const auto w = static_cast<std::size_t>(stats.winner);
        EXPECT_EQ(stats.points[w], 501);
        EXPECT_GE(stats.darts[w], 9);
        EXPECT_LE(stats.darts[w], 15);
        EXPECT_EQ(stats.first9_darts[w], 9);
        EXPECT_GT(stats.first9_points[w], 360);
        EXPECT_EQ(stats.first9_points[w] == 501, stats.darts[w] == 9);
        EXPECT_GE(stats.double_darts[w], 1);
    }
}

TEST_F(ComLeg, threeDartAverageRisesWithTheLevel) {
    double previous = 0;
    for (const std::int32_t level : {0, 4, 8, 11}) {
        std::int64_t points = 0;
        std::int64_t darts = 0;
        for (int leg = 0; leg < 100; ++leg) {
            const ComLegStats stats = play_com_leg(m_thrower, {level, level}, 501, leg % 2);
            ASSERT_NE(stats.winner, -1);
            points += stats.points[0] + stats.points[1];
            darts += stats.darts[0] + stats.darts[1];
        }
        const double average = 3.0 * static_cast<double>(points) / static_cast<double>(darts);
        EXPECT_GT(average, previous) << level;
        previous = average;
    }
}

} // namespace
} // namespace dvk
