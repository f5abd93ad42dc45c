#include "com/board.h"
#include "com/expected_score.h"
#include "com/normal_source.h"
#include "com/spread.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

namespace dvk {
namespace {

constexpr std::array<std::int32_t, 20> clockwise = {20, 1,  18, 4,  13, 6,  10, 15, 2,  17,
                                                    3,  19, 7,  16, 8,  11, 14, 9,  12, 5};

BoardPoint polar(double r, double degrees_clockwise_from_up) {
    const double a = degrees_clockwise_from_up * std::numbers::pi / 180;
    return {r * std::sin(a), r * std::cos(a)};
}

struct RingCase {
    const char* name;
    double r;
    ComDart expected; // along the 20's centre line
};

class BoardRings : public testing::TestWithParam<RingCase> {};

TEST_P(BoardRings, pointOnTheTwentysCentreLineScoresItsRing) {
    EXPECT_EQ(dart_at(polar(GetParam().r, 0)), GetParam().expected);
}

// A point on a wire belongs to the ring inside it.
INSTANTIATE_TEST_SUITE_P(
    EveryWire, BoardRings,
    testing::Values(
        RingCase{"centre", 0.0, {25, 2}}, RingCase{"bullWire", 6.35, {25, 2}},
        RingCase{"pastBullWire", 6.36, {25, 1}}, RingCase{"outerBullWire", 15.9, {25, 1}},
        RingCase{"pastOuterBull", 15.91, {20, 1}}, RingCase{"trebleInnerWire", 99.0, {20, 1}},
        RingCase{"pastTrebleInner", 99.01, {20, 3}}, RingCase{"trebleOuterWire", 107.0, {20, 3}},
        RingCase{"pastTreble", 107.01, {20, 1}}, RingCase{"doubleInnerWire", 162.0, {20, 1}},
        RingCase{"pastDoubleInner", 162.01, {20, 2}}, RingCase{"doubleOuterWire", 170.0, {20, 2}},
        RingCase{"offTheBoard", 170.01, {0, 1}}),
    [](const testing::TestParamInfo<RingCase>& info) { return std::string(info.param.name); });

TEST(BoardSectors, everySegmentOfEverySectorScoresItsNumber) {
    for (std::size_t i = 0; i < clockwise.size(); ++i) {
        const double centre = 18.0 * static_cast<double>(i);
        const std::int32_t n = clockwise[i];
        for (const double offset : {-8.9, 0.0, 8.9}) {
            SCOPED_TRACE(testing::Message() << n << " at " << centre + offset);
            EXPECT_EQ(dart_at(polar(57, centre + offset)), (ComDart{n, 1}));
            EXPECT_EQ(dart_at(polar(103, centre + offset)), (ComDart{n, 3}));
            EXPECT_EQ(dart_at(polar(135, centre + offset)), (ComDart{n, 1}));
            EXPECT_EQ(dart_at(polar(166, centre + offset)), (ComDart{n, 2}));
        }
    }
}

TEST(BoardSectors, aWireBetweenSectorsBelongsToTheSectorClockwiseOfIt) {
    for (std::size_t i = 0; i < clockwise.size(); ++i) {
        const double wire = 18.0 * static_cast<double>(i) + 9.0;
        EXPECT_EQ(sector_at(wire), clockwise[(i + 1) % clockwise.size()]) << wire;
        EXPECT_EQ(sector_at(wire - 0.001), clockwise[i]) << wire;
    }
    EXPECT_EQ(sector_at(-9.0), 20);
    EXPECT_EQ(sector_at(351.0), 20);
    EXPECT_EQ(sector_at(-9.001), 5);
    EXPECT_EQ(sector_at(720.0), 20);
}

TEST(BoardAim, everySegmentsAimPointLiesInThatSegment) {
    for (const std::int32_t n : clockwise) {
        for (const std::int32_t m : {1, 2, 3}) {
            EXPECT_EQ(dart_at(aim_point({n, m})), (ComDart{n, m})) << n << "x" << m;
        }
    }
    EXPECT_EQ(dart_at(aim_point({25, 2})), (ComDart{25, 2}));
    EXPECT_EQ(dart_at(aim_point({0, 1})), (ComDart{25, 2}));
}

TEST(Spread, dartsScatterWithTheGivenMeanAndDeviations) {
    NormalSource source(11);
    constexpr int n = 200'000;
    const BoardPoint aim{10, -20};
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (int i = 0; i < n; ++i) {
        const BoardPoint p = scatter(aim, 9.5, 6.7, source);
        const double dx = p.x - aim.x;
        const double dy = p.y - aim.y;
        sx += dx;
        sy += dy;
        sxx += dx * dx;
        syy += dy * dy;
        sxy += dx * dy;
    }
    EXPECT_NEAR(sx / n, 0.0, 0.06);
    EXPECT_NEAR(sy / n, 0.0, 0.05);
    EXPECT_NEAR(std::sqrt(sxx / n), 9.5, 0.05);
    EXPECT_NEAR(std::sqrt(syy / n), 6.7, 0.04);
    EXPECT_NEAR(sxy / n / (9.5 * 6.7), 0.0, 0.01);
}

TEST(Spread, aFixedSeedReplaysEveryDart) {
    NormalSource a(5);
    NormalSource b(5);
    for (int i = 0; i < 100; ++i) {
        const BoardPoint p = scatter({}, 10, 10, a);
        const BoardPoint q = scatter({}, 10, 10, b);
        ASSERT_EQ(p.x, q.x);
        ASSERT_EQ(p.y, q.y);
    }
}

TEST(ExpectedScore, fieldAgreesWithDirectIntegrationAtSeveralAims) {
    const ExpectedScoreField round(10, 10);
    const ExpectedScoreField oval(11.9, 8.4);
    for (const BoardPoint aim : {aim_point({20, 3}), aim_point({19, 3}), BoardPoint{0, 0},
                                 aim_point({16, 2}), BoardPoint{-40.5, -90.25}}) {
        SCOPED_TRACE(testing::Message() << aim.x << "," << aim.y);
        EXPECT_NEAR(round.at(aim), expected_score_direct(aim, 10, 10), 0.12);
        EXPECT_NEAR(oval.at(aim), expected_score_direct(aim, 11.9, 8.4), 0.12);
    }
}

// Published three-dart averages of a round spread aimed at treble 20.
TEST(ExpectedScore, threeDartAverageAtTrebleTwentyFollowsThePublishedCurve) {
    const std::array<std::pair<double, double>, 9> published = {{{5, 129},
                                                                 {7, 110},
                                                                 {9, 95},
                                                                 {10, 88.5},
                                                                 {12, 77.5},
                                                                 {14, 68.6},
                                                                 {16, 61.6},
                                                                 {20, 51.8},
                                                                 {30, 40.9}}};
    for (const auto& [sigma, average] : published) {
        EXPECT_NEAR(3 * ExpectedScoreField(sigma, sigma).at(aim_point({20, 3})), average, 0.6)
            << sigma;
    }
}

TEST(ExpectedScore, bestAimMovesFromTrebleTwentyTowardsTheLowerLeftAsTheSpreadGrows) {
    EXPECT_EQ(dart_at(ExpectedScoreField(5, 5).best_aim()), (ComDart{20, 3}));
    EXPECT_EQ(dart_at(ExpectedScoreField(12, 12).best_aim()).number, 20);
    const BoardPoint wide = ExpectedScoreField(22, 22).best_aim();
    EXPECT_EQ(sector_at(std::atan2(wide.x, wide.y) * 180 / std::numbers::pi), 19);
    const BoardPoint wider = ExpectedScoreField(45, 45).best_aim();
    EXPECT_LT(wider.x, 0);
    EXPECT_LT(wider.y, 0);
    EXPECT_LT(std::hypot(wider.x, wider.y), std::hypot(wide.x, wide.y));
}

} // namespace
} // namespace dvk
