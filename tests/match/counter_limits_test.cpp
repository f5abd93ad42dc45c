// Counters at their limit: every sum and increment stops there instead of wrapping round to a
// negative count, and the limit is the one a recovery file's values are held to, so a restart
// brings back the count the screen showed.

#include "match/statistics.h"
#include "model/playable_values.h"
#include "support/match_harness.h"

#include <gtest/gtest.h>

namespace dvk::testing {
namespace {

constexpr std::int32_t most = max_counter;

StatisticsCounters all_at(std::int32_t value) {
    std::array<std::int32_t, StatisticsCounters::count> values{};
    values.fill(value);
    return StatisticsCounters::from_array(values);
}

TEST(CounterLimits, matchTotalsStopAtTheLimit) {
    PlayerBlock player;
    player.match = all_at(most);
    player.game = all_at(most);
    accumulate_match_totals(player, true);
    for (const std::int32_t value : player.match.to_array()) {
        EXPECT_EQ(value, most);
    }
    player.game = all_at(most);
    for (const std::int32_t value : combined_totals(player).to_array()) {
        EXPECT_EQ(value, most);
    }
    player.match = all_at(-most);
    player.game = all_at(-most);
    for (const std::int32_t value : combined_totals(player).to_array()) {
        EXPECT_LT(value, 0);
    }
}

TEST(CounterLimits, aCountThatReachedTheLimitInPlayIsTheSameAfterARestart) {
    PlayerBlock player;
    player.match = all_at(most - 1);
    player.game = all_at(5);
    accumulate_match_totals(player, true);
    GameRecord game;
    game.players[0] = player;
    game.legs.resize(1);
    GameRecord restored = game;
    ASSERT_EQ(bound_game_record(restored, 0), "");
    EXPECT_EQ(restored.players[0].match, game.players[0].match);
    EXPECT_EQ(game.players[0].match.total_score, most);
}

TEST(CounterLimits, aGameShotAtTheLimitKeepsEveryCount) {
    MatchFixture f(two_humans(40), true);
    for (PlayerBlock& player : f.game().players) {
        player.legs_won = most;
        player.sets_won = most;
        player.game = all_at(most);
        player.game.best_leg = 0;
        player.game.high_out = 0;
    }
    f.leg().leg_darts = {most, most};
    f.ports.checkout_darts = {1};
    f.ports.double_darts = {1};
    f.ports.game_shot_answers = {true};
    f.type(40);
    const PlayerBlock& winner = f.game().players[0];
    EXPECT_EQ(winner.legs_won, most);
    for (const std::int32_t value : winner.game.to_array()) {
        EXPECT_GE(value, 0);
    }
    EXPECT_EQ(winner.game.check_outs, most);
    EXPECT_EQ(winner.game.keep_won, most);
    EXPECT_EQ(f.game().players[1].game.break_all, most);
}

TEST(CounterLimits, legStatisticsOfFinishedLegsSumWithoutWrapping) {
    MatchFixture f(two_humans());
    f.visits({100, 60});
    GameRecord& game = f.game();
    LegRecord finished = game.current_leg();
    finished.finished = 1;
    finished.leg_tons = {most, most};
    finished.leg_darts = {most, most};
    finished.leg_remaining = {-most, -most};
    game.legs.insert(game.legs.begin(), finished);
    ++game.leg_index;
    game.players[0].start_score = most;
    recompute_leg_statistics(game, game.leg_index, 0, -1);
    EXPECT_EQ(game.players[0].game.tons, most);
    EXPECT_EQ(game.players[0].game.total_darts, most);
    EXPECT_EQ(game.players[0].game.total_score, most);
    EXPECT_EQ(remaining_score(game, game.leg_index, 0, -1), most - 100);
}

TEST(CounterLimits, middleForDiddleAtAHugeRoundLimitCountsSaturatedDarts) {
    GameOptions options = two_humans();
    options.round_limit = 1;
    options.round = 1;
    MatchFixture f(options);
    f.game().round = most;
    f.ports.diddle_winners = {0};
    f.ports.check_in_answers = {true};
    f.sheet().middle_for_diddle();
    EXPECT_EQ(f.game().legs[0].winning_darts, most);
    EXPECT_EQ(f.game().players[0].game.worst_leg, most);
}

} // namespace
} // namespace dvk::testing
