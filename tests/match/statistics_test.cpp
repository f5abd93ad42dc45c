#include "match/statistics.h"
#include "support/match_harness.h"

#include <gtest/gtest.h>

namespace dvk::testing {
namespace {

TEST(Statistics, finishingVisitsCountAsTonsThoughStoredNegative) {
    MatchFixture f(two_humans(270));
    f.ports.checkout_darts = {3, 3};
    f.ports.game_shot_answers = {true, true};
    f.visits({170, 0, 100});
    const StatisticsCounters& ann = f.game().players[0].game;
    EXPECT_EQ(ann.tons, 2);
    EXPECT_EQ(ann.count_140, 1);
    EXPECT_EQ(ann.count_100, 1);
    EXPECT_EQ(ann.high_out, 100);
    EXPECT_EQ(ann.first9_darts, 0) << "first nine only from 501";
}

TEST(Statistics, handicapStartScoresOtherThan501GiveNoFirstNine) {
    GameOptions options = two_humans();
    options.p2_start_score = 301;
    MatchFixture f(options);
    f.visits({100, 100, 100, 100});
    EXPECT_EQ(f.game().players[0].game.first9_score, 200);
    EXPECT_EQ(f.game().players[1].start_score, 301);
    EXPECT_EQ(f.game().players[1].game.first9_darts, 0);
    EXPECT_EQ(format_window_figure(0, 0, 3), "0.00");
}

TEST(Statistics, loserDartsAreThreePerVisitHeThrew) {
    MatchFixture f(two_humans(301));
    f.ports.checkout_darts = {3, 2};
    f.ports.game_shot_answers = {true, true};
    f.visits({180, 60, 121});
    EXPECT_EQ(f.game().legs[0].leg_darts, (PlayerPair{6, 3})) << "first thrower won";
    f.visits({0, 180, 0, 60, 0, 61});
    EXPECT_EQ(f.game().legs[1].first_player, 1);
    EXPECT_EQ(f.game().legs[1].leg_darts, (PlayerPair{8, 9})) << "second thrower won";
    EXPECT_EQ(f.game().players[0].game.won_darts, 14);
    EXPECT_EQ(f.game().players[0].game.won_legs, 2);
    EXPECT_EQ(f.game().players[0].game.best_leg, 6);
    EXPECT_EQ(f.game().players[0].game.worst_leg, 8);
    EXPECT_EQ(f.game().players[0].game.break_won, 1);
    EXPECT_EQ(f.game().players[1].game.keep_all, 1);
    EXPECT_EQ(f.game().players[1].game.keep_won, 0);
}

TEST(Statistics, derivedFigureTexts) {
    EXPECT_EQ(format_window_figure(501, 9, 1), "55.67");
    EXPECT_EQ(format_window_figure(501, 9, 3), "167.00");
    EXPECT_EQ(format_window_figure(3, 12, 100), "25.00");
    EXPECT_EQ(format_window_figure(5, 0, 100), "0.00");
    EXPECT_EQ(format_window_figure(2, -1, 1), "0.00");
    EXPECT_EQ(format_counts(3, 12), "(3 / 12)");
}

TEST(Statistics, combinedTotalsTakeTheBestOfTheNonZeroLegs) {
    PlayerBlock p;
    p.match.best_leg = 15;
    p.match.worst_leg = 30;
    p.match.high_out = 120;
    p.match.tons = 4;
    p.game.best_leg = 0;
    p.game.worst_leg = 40;
    p.game.high_out = 80;
    p.game.tons = 2;
    const StatisticsCounters c = combined_totals(p);
    EXPECT_EQ(c.best_leg, 15);
    EXPECT_EQ(c.worst_leg, 40);
    EXPECT_EQ(c.high_out, 120);
    EXPECT_EQ(c.tons, 6);
    p.game.best_leg = 12;
    EXPECT_EQ(combined_totals(p).best_leg, 12);
    p.match.best_leg = 0;
    p.game.best_leg = 0;
    EXPECT_EQ(combined_totals(p).best_leg, 0);
}

TEST(Statistics, impossibleVisits) {
    for (int v : {163, 166, 169, 172, 173, 175, 176, 178, 179, 181, 999}) {
        EXPECT_TRUE(is_impossible_visit(v)) << v;
    }
    for (int v : {0, 1, 162, 164, 165, 167, 168, 170, 171, 174, 177, 180}) {
        EXPECT_FALSE(is_impossible_visit(v)) << v;
    }
}

TEST(Statistics, remainingScoreNeverReadsOutsideTheLeg) {
    GameRecord g;
    g.players[0].start_score = 501;
    EXPECT_EQ(remaining_score(g, 0, 0, 5), 501);
    g.legs.push_back(LegRecord::with_capacity(10, 1));
    g.legs[0].scores[0][0] = 100;
    EXPECT_EQ(remaining_score(g, 0, 0, 1000), 401);
    EXPECT_EQ(remaining_score(g, 0, 7, 1), 0);
    recompute_leg_statistics(g, 3, 0, 5);
    recompute_leg_statistics(g, 0, 0, 1000);
    EXPECT_EQ(g.legs[0].leg_tons[0], 1);
}

} // namespace
} // namespace dvk::testing
