#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "com/com_leg.h"
#include "com/com_visit.h"
#include "com/spread_calibration.h"
#include "com/spread_fit.h"
#include "com/spread_levels.h"
#include "com/spread_player.h"

#include <gtest/gtest.h>

#include <vector>

namespace dvk {
namespace {

const ArrangeTable& check_out_table() {
    static const ArrangeTable table =
        parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout));
    return table;
}

const ComTable& com_table() {
    static const ComTable table(parse_arrange_text(builtin_arrange_text(BuiltinTable::Com)));
    return table;
}

struct AimCase {
    const char* name;
    std::int32_t left;
    int darts;
    Segment expected; // number 0: the scoring aim
};

class SpreadPlayerAim : public testing::TestWithParam<AimCase> {
protected:
    const SpreadPlayer m_player{spread_of_size(10), check_out_table()};
};

TEST_P(SpreadPlayerAim, followsTheCheckOutWaysAndSetsUpWhereNoneFits) {
    EXPECT_EQ(m_player.aim(GetParam().left, GetParam().darts).target, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Finishes, SpreadPlayerAim,
                         testing::Values(AimCase{"doubleSixteen", 32, 1, {16, 2}},
                                         AimCase{"bull", 50, 3, {25, 2}},
                                         AimCase{"oneDartAtSixtyLeavesForty", 60, 1, {20, 1}},
                                         AimCase{"twoDartWayWithTwoLeft", 100, 2, {20, 3}},
                                         AimCase{"setUpFortyWithTheLastDart", 100, 1, {20, 3}},
                                         AimCase{"oddScoreSetsUpAnEvenOne", 33, 1, {1, 1}},
                                         AimCase{"threeDartFinish", 170, 3, {20, 3}},
                                         AimCase{"noFinishInReachScores", 501, 3, {0, 1}},
                                         AimCase{"justOutOfReachScores", 171, 2, {0, 1}}),
                         [](const testing::TestParamInfo<AimCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(SpreadPlayerAim, bogeyNumbersSetUpAFinishInsteadOfGivingUp) {
    const SpreadPlayer player(spread_of_size(10), check_out_table());
    for (const std::int32_t bogey : {169, 168, 166, 165, 163, 162, 159}) {
        const SpreadAim aim = player.aim(bogey, 3);
        ASSERT_NE(aim.target.number, 0) << bogey;
        const std::int32_t left = bogey - aim.target.number * aim.target.multiplier;
        EXPECT_GE(left, 2) << bogey;
        EXPECT_LE(left, 110) << bogey; // a finish of two darts remains
    }
}

// A player whose darts land where they are aimed finishes 170 in three darts and 501 in nine.
TEST(SpreadComPlayer, aThrowerWithoutSpreadPlaysThePerfectLeg) {
    ComThrower thrower(com_table(), {20, 3}, 3);
    const ComLegStats stats = play_com_leg(thrower, {fitted_level(2.0), fitted_level(2.0)}, 170, 0);
    EXPECT_EQ(stats.winner, 0);
    EXPECT_EQ(stats.darts[0], 3);
}

TEST(SpreadComPlayer, eachDartAimedAtADoubleCountsOnce) {
    ComThrower thrower(com_table(), {20, 3}, 9);
    int counted = 0;
    int aimed = 0;
    for (int visit = 0; visit < 200; ++visit) {
        GameRecord game;
        game.players[0].remaining = 32;
        game.players[0].com = 1;
        game.players[0].com_level = average_level(60);
        game.players[1].remaining = 501;
        game.legs.push_back(LegRecord::with_capacity(10, 1));
        game.darts_at_double[0].assign(11, 0);
        game.darts_at_double[1].assign(11, 0);
        ComVisit com(game, 0, thrower);
        const SpreadPlayer player(*spread_for_level(average_level(60)), check_out_table());
        std::int32_t left = 32;
        while (!com.finished()) {
            const ComStep step = com.tick();
            if (step.kind == ComStep::Kind::DartThrown) {
                aimed += player.aim(left, 3 - step.dart_index).at_double() &&
                                 (left <= 40 && left % 2 == 0)
                             ? 1
                             : 0;
                left -= step.dart.points();
            }
        }
        counted += game.darts_at_double[0][0];
    }
    EXPECT_EQ(counted, aimed);
    EXPECT_GT(counted, 200);
}

TEST(SpreadLevels, storedLevelsAreReadAsTableSpreadOrUnknownLevels) {
    for (const std::int32_t table_level : {0, 5, 11}) {
        EXPECT_FALSE(is_spread_level(table_level));
        EXPECT_EQ(playable_com_level(table_level), table_level);
        EXPECT_FALSE(spread_for_level(table_level).has_value());
    }
    // Values the program does not know play as they always have: below 0 as the first level,
    // above the table as its top level.
    for (const auto& [stored, played] : std::vector<std::pair<std::int32_t, std::int32_t>>{
             {-1, 0}, {12, 11}, {999, 11}, {1055, 11}, {1000, 11}, {2019, 11}, {3000, 11}}) {
        EXPECT_EQ(playable_com_level(stored), played) << stored;
        EXPECT_FALSE(spread_for_level(stored).has_value()) << stored;
    }
    for (const AverageLevel& level : average_levels()) {
        EXPECT_TRUE(is_spread_level(average_level(level.average))) << level.average;
        EXPECT_EQ(spread_for_level(average_level(level.average)), spread_of_size(level.sigma));
    }
    EXPECT_EQ(fitted_level(12.34), 2123);
    EXPECT_EQ(spread_for_level(2123), spread_of_size(12.3));
    EXPECT_EQ(fitted_level(0.5), fitted_level_base + fitted_level_tenths_min);
    EXPECT_EQ(fitted_level(500), fitted_level_base + fitted_level_tenths_max);
}

// The levels named by their average reach it: 2,000 legs on a fixed seed; the standard
// error of such a run is about 0.15, the calibration's own tolerance 1.0.
TEST(SpreadCalibration, eachAverageLevelPlaysItsNamedAverage) {
    for (const AverageLevel& level : average_levels()) {
        ComThrower thrower(com_table(), {20, 3}, 2024);
        const ComLevelTotals totals = play_level_legs(thrower, average_level(level.average), 2000);
        EXPECT_NEAR(totals.three_dart_average(), level.average, 1.5) << level.average;
        EXPECT_EQ(totals.undecided, 0);
    }
}

TEST(SpreadCalibration, strongerLevelsHitMoreOfTheirDoubles) {
    double previous = 0;
    for (const AverageLevel& level : average_levels()) {
        ComThrower thrower(com_table(), {20, 3}, 77);
        const double rate =
            play_level_legs(thrower, average_level(level.average), 500).check_out_rate();
        EXPECT_GT(rate, previous) << level.average;
        previous = rate;
    }
    EXPECT_GT(previous, 35.0);
    EXPECT_LT(previous, 55.0);
}

std::vector<std::int32_t> simulated_visits(double sigma, int count, std::uint64_t seed) {
    const Spread spread = spread_of_size(sigma);
    const BoardPoint aim = best_scoring_aim(spread.sideways, spread.vertical);
    NormalSource source(seed);
    std::vector<std::int32_t> visits;
    for (int v = 0; v < count; ++v) {
        std::int32_t score = 0;
        for (int dart = 0; dart < 3; ++dart) {
            score += dart_at(scatter(aim, spread.sideways, spread.vertical, source)).points();
        }
        visits.push_back(score);
    }
    return visits;
}

struct FitCase {
    double sigma;
    int visits;
    double tolerance; // relative
};

class SpreadFitRecovery : public testing::TestWithParam<FitCase> {};

// Players with a known spread are recovered from their visits: within 12 % from 300 visits
// and 5 % from 3,000 (measured worst cases over five samples: 7.6 % and 3.2 %).
TEST_P(SpreadFitRecovery, recoversAKnownSpreadFromItsVisits) {
    const FitCase c = GetParam();
    const auto fit = fit_spread(simulated_visits(c.sigma, c.visits, 4242), 1);
    ASSERT_TRUE(fit.has_value());
    EXPECT_EQ(fit->visits, c.visits);
    EXPECT_NEAR(fit->sigma, c.sigma, c.sigma * c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(KnownPlayers, SpreadFitRecovery,
                         testing::Values(FitCase{7, 300, 0.12}, FitCase{7, 3000, 0.05},
                                         FitCase{13, 300, 0.12}, FitCase{13, 3000, 0.05},
                                         FitCase{22, 300, 0.12}, FitCase{22, 3000, 0.05}));

TEST(SpreadFit, tooFewScoringVisitsAreRefused) {
    std::vector<std::int32_t> visits(min_fit_visits - 1, 60);
    EXPECT_FALSE(fit_spread(visits).has_value());
    visits.push_back(181); // not a visit score: left out
    visits.push_back(-1);
    EXPECT_FALSE(fit_spread(visits).has_value());
    visits.push_back(45);
    const auto fit = fit_spread(visits);
    ASSERT_TRUE(fit.has_value());
    EXPECT_EQ(fit->visits, min_fit_visits);
}

} // namespace
} // namespace dvk
