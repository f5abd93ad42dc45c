// Crafted recovery files: whatever numbers they hold, the game they give sizes its legs within
// what can be played, its counters cannot overflow, and a game that cannot be played is refused.

#include "model/playable_values.h"
#include "storage/recovery_file.h"
#include "storage/recovery_writer.h"
#include "support/match_harness.h"
#include "support/sample_games.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <vector>

namespace dvk {
namespace {

constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();

// The bytes as they are laid out; the writer itself refuses to write a game it would not load.
std::string file_of(const GameOptions& options, const std::vector<GameOptions>& schedule,
                    const GameRecord& game) {
    return recovery_bytes({options, schedule, game});
}

TEST(RecoveryValues, roundLimitThatSizesLaterLegsIsBounded) {
    GameOptions options;
    options.round_limit = 1;
    options.round = 2'000'000'000;
    GameRecord game = test::third_leg_game();
    game.round_limit = 1;
    game.round = 2'000'000'000;
    std::vector<GameOptions> schedule = {options, options};
    game.schedule_mode = 1;

    RecoveryLoad loaded = parse_recovery(file_of(options, schedule, game));
    ASSERT_TRUE(loaded.loaded()) << loaded.reason;
    ASSERT_EQ(loaded.game.round, max_rounds);
    EXPECT_EQ(loaded.options.round, max_rounds);
    EXPECT_EQ(loaded.schedule->at(1).round, max_rounds);

    // Clear Scores sizes the current leg from the game's round limit.
    testing::MatchFixture f;
    f.match.continue_game(std::move(loaded.game));
    f.ports.yes_no_answers = {true};
    f.sheet().clear_scores();
    EXPECT_EQ(f.leg().capacity, max_rounds);
    EXPECT_EQ(f.leg().scores[0].size(), static_cast<std::size_t>(max_rounds) + 1);
}

// A level of a later version plays as Level 12 and is reported; the modelled levels come back
// as stored and report nothing.
TEST(RecoveryValues, unknownComputerLevelsPlayAsLevelTwelveAndAreReported) {
    for (const auto& [stored, played, reported] :
         std::vector<std::tuple<std::int32_t, std::int32_t, bool>>{
             {1055, 11, true}, {2999, 2999, false}, {1110, 1110, false}, {7, 7, false}}) {
        GameOptions options;
        GameRecord game = test::third_leg_game();
        game.players[1].com = 1;
        game.players[1].com_level = stored;
        const RecoveryLoad loaded = parse_recovery(file_of(options, {}, game));
        ASSERT_TRUE(loaded.loaded()) << loaded.reason;
        EXPECT_EQ(loaded.game.players[1].com_level, played) << stored;
        EXPECT_EQ(loaded.unknown_com_level, reported) << stored;
    }
    GameOptions options;
    options.p1_com_level = 1234;
    EXPECT_TRUE(parse_recovery(file_of(options, {}, test::third_leg_game())).unknown_com_level);
}

TEST(RecoveryValues, unplayableStartScoresAndRoundsBecomePlayable) {
    GameOptions options;
    options.start_score = 0;
    options.round_limit = 1;
    options.round = -4;
    options.max_leg = -1;
    GameRecord game = test::third_leg_game();
    game.start_score = -501;
    game.players[0].start_score = most;
    game.players[1].start_score = 0;
    game.round = 0;
    const RecoveryLoad loaded = parse_recovery(file_of(options, {}, game));
    ASSERT_TRUE(loaded.loaded()) << loaded.reason;
    EXPECT_EQ(loaded.options.start_score, min_start_score);
    EXPECT_EQ(loaded.options.round, min_rounds);
    EXPECT_EQ(loaded.options.max_leg, min_legs);
    EXPECT_EQ(loaded.game.start_score, min_start_score);
    EXPECT_EQ(loaded.game.players[0].start_score, max_start_score);
    EXPECT_EQ(loaded.game.players[1].start_score, min_start_score);
    EXPECT_EQ(loaded.game.round, min_rounds);
}

TEST(RecoveryValues, countersNearTheLimitComeBackBoundedAndPlayOnWithoutWrapping) {
    GameRecord game = test::third_leg_game();
    for (PlayerBlock& player : game.players) {
        std::array<std::int32_t, StatisticsCounters::count> values{};
        values.fill(most);
        player.game = StatisticsCounters::from_array(values);
        values.fill(std::numeric_limits<std::int32_t>::min());
        player.match = StatisticsCounters::from_array(values);
        player.legs_won = most;
        player.sets_won = -1;
    }
    game.legs[0].leg_tons = {most, most};
    game.legs[0].winning_darts = most;
    const RecoveryLoad loaded = parse_recovery(file_of({}, {}, game));
    ASSERT_TRUE(loaded.loaded()) << loaded.reason;
    for (const PlayerBlock& player : loaded.game.players) {
        for (const std::int32_t value : player.game.to_array()) {
            EXPECT_EQ(value, max_counter);
        }
        for (const std::int32_t value : player.match.to_array()) {
            EXPECT_EQ(value, -max_counter);
        }
        EXPECT_EQ(player.legs_won, max_counter);
        EXPECT_EQ(player.sets_won, 0);
    }
    EXPECT_EQ(loaded.game.legs[0].leg_tons[0], max_counter);

    testing::MatchFixture f;
    f.match.continue_game(loaded.game);
    f.visits({180, 180, 180, 180});
    for (const PlayerBlock& player : f.game().players) {
        EXPECT_GT(player.game.tons, 0);
        EXPECT_GT(player.game.total_score, 0);
    }
}

TEST(RecoveryValues, scheduleGameOutsideItsScheduleIsRefused) {
    GameRecord game = test::third_leg_game();
    game.schedule_mode = 1;
    for (const std::int32_t index : {-1, 2, most}) {
        game.game_index = index;
        const RecoveryLoad loaded = parse_recovery(file_of({}, test::sample_schedule(), game));
        EXPECT_EQ(loaded.status, RecoveryLoadStatus::NotLoadable) << index;
    }
    game.game_index = 1;
    EXPECT_TRUE(parse_recovery(file_of({}, test::sample_schedule(), game)).loaded());
}

TEST(RecoveryValues, thrownVisitNoDartsCanScoreIsRefusedAndUnusedEntriesAreCleared) {
    GameRecord game = test::third_leg_game();
    game.current_leg().scores[1][5] = 32000; // beyond the visits thrown
    game.darts_at_double[0][1] = 100;
    RecoveryLoad loaded = parse_recovery(file_of({}, {}, game));
    ASSERT_TRUE(loaded.loaded()) << loaded.reason;
    EXPECT_EQ(loaded.game.current_leg().scores[1][5], 0);
    EXPECT_EQ(loaded.game.darts_at_double[0][1], 3);

    for (const std::int16_t points : {181, -4, 32767}) {
        game.current_leg().scores[1][1] = points; // player 2's second visit
        EXPECT_EQ(parse_recovery(file_of({}, {}, game)).status, RecoveryLoadStatus::NotLoadable)
            << points;
    }
}

} // namespace
} // namespace dvk
