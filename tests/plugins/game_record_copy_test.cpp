#include "plugins/records/game_record_copy.h"
#include "storage/byte_writer.h"
#include "storage/recovery_layout.h"
#include "support/sample_games.h"

#include <gtest/gtest.h>

#include <cstring>

namespace dvk {
namespace {

std::string bytes_of(const void* record, std::size_t from, std::size_t to) {
    return std::string(static_cast<const char*>(record) + from, to - from);
}

void expect_statistics(const dvk_statistics& seen, const StatisticsCounters& source) {
    const auto values = source.to_array();
    std::array<std::int32_t, StatisticsCounters::count> read{};
    std::memcpy(read.data(), &seen, sizeof(seen));
    EXPECT_EQ(read, values);
    EXPECT_EQ(seen.tons, source.tons);
    EXPECT_EQ(seen.high_out, source.high_out);
    EXPECT_EQ(seen.failure_131, source.failure_131);
}

void expect_player(const dvk_player_block& seen, const PlayerBlock& source) {
    EXPECT_EQ(std::string(seen.name), source.name);
    EXPECT_EQ(seen.start_score, source.start_score);
    EXPECT_EQ(seen.remaining, source.remaining);
    EXPECT_EQ(seen.sets_won, source.sets_won);
    EXPECT_EQ(seen.legs_won, source.legs_won);
    expect_statistics(seen.game, source.game);
    expect_statistics(seen.match, source.match);
    EXPECT_EQ(seen.com_locked, source.com_locked);
    EXPECT_EQ(seen.ask_double, source.ask_double);
    EXPECT_EQ(seen.com, source.com);
    EXPECT_EQ(seen.com_level, source.com_level);
    EXPECT_EQ(seen.com_result, source.com_result);
}

void expect_leg(const dvk_leg_record& seen, const LegRecord& source) {
    EXPECT_EQ(seen.first_player, source.first_player);
    EXPECT_EQ(seen.round, source.round);
    EXPECT_EQ(seen.next_player, source.next_player);
    EXPECT_EQ(seen.rows, source.rows);
    EXPECT_EQ(seen.capacity, source.capacity);
    EXPECT_EQ(seen.finished, source.finished);
    EXPECT_EQ(seen.winner, source.winner);
    EXPECT_EQ(seen.winning_darts, source.winning_darts);
    EXPECT_EQ(seen.check_out, source.check_out);
    const auto pairs = source.statistics_to_array();
    const std::int32_t(*read[])[2] = {
        &seen.leg_tons,         &seen.leg_100,          &seen.leg_reserved,  &seen.leg_140,
        &seen.leg_180,          &seen.leg_remaining,    &seen.leg_darts,     &seen.leg_first9_score,
        &seen.leg_first9_darts, &seen.leg_double_darts, &seen.leg_fail_2_80, &seen.leg_fail_81_130,
        &seen.leg_fail_131};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        EXPECT_EQ((*read[i])[0], pairs[i][0]) << "pair " << i;
        EXPECT_EQ((*read[i])[1], pairs[i][1]) << "pair " << i;
    }
    for (std::size_t p = 0; p < 2; ++p) {
        ASSERT_NE(seen.scores[p], nullptr);
        const std::vector<std::int16_t> entries(seen.scores[p],
                                                seen.scores[p] + source.capacity + 1);
        EXPECT_EQ(entries, source.scores[p]) << "player " << p;
    }
}

TEST(GameRecordCopy, everyFieldOfTheGameReachesThePlugin) {
    GameRecord game = test::third_leg_game();
    game.players[1].com = 1;
    game.players[1].com_locked = 1;
    game.players[1].com_level = 7;
    game.players[0].match.failure_131 = 5;
    game.legs[0].leg_fail_131 = {2, 3};
    game.schedule_mode = 1;
    game.stored = 1;
    game.round_limit = 1;
    GameRecordCopy copy(game);
    dvk_game_record seen{};
    copy.fill(seen);

    EXPECT_EQ(seen.schedule_mode, 1);
    EXPECT_EQ(seen.stored, 1);
    EXPECT_EQ(seen.start_score, 501);
    EXPECT_EQ(seen.game_index, game.game_index);
    EXPECT_EQ(seen.leg_index, 2);
    EXPECT_EQ(seen.leg_limit, game.leg_limit);
    EXPECT_EQ(seen.max_leg, game.max_leg);
    EXPECT_EQ(seen.best_of, game.best_of);
    EXPECT_EQ(seen.round_limit, 1);
    EXPECT_EQ(seen.round, game.round);
    const dvk_system_time& t = seen.started;
    EXPECT_EQ((SystemTime{t.year, t.month, t.day_of_week, t.day, t.hour, t.minute, t.second,
                          t.milliseconds}),
              game.started);
    expect_player(seen.players[0], game.players[0]);
    expect_player(seen.players[1], game.players[1]);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        expect_leg(seen.legs[i], game.legs[i]);
    }
    for (std::size_t p = 0; p < 2; ++p) {
        const std::vector<std::int8_t> darts(seen.darts_at_double[p], seen.darts_at_double[p] + 11);
        EXPECT_EQ(darts, game.darts_at_double[p]);
    }
}

// The recovery file stores the records in their documented 32-bit layout. Every byte before
// the first pointer is the same in the plug-in's layout.
TEST(GameRecordCopy, bytesBeforeThePointersAreThoseOfTheDocumentedLayout) {
    const GameRecord game = test::third_leg_game();
    GameRecordCopy copy(game);
    dvk_game_record seen{};
    copy.fill(seen);

    ByteWriter record;
    recovery_layout::write_game_record(record, game);
    ASSERT_EQ(record.size(), 684U);
    EXPECT_EQ(bytes_of(&seen, 0, 672), record.bytes().substr(0, 672));

    ByteWriter leg;
    recovery_layout::write_leg_record(leg, game.legs[0]);
    ASSERT_EQ(leg.size(), 148U);
    EXPECT_EQ(bytes_of(&seen.legs[0], 0, 20), leg.bytes().substr(0, 20));
    EXPECT_EQ(bytes_of(&seen.legs[0], offsetof(dvk_leg_record, finished), sizeof(dvk_leg_record)),
              leg.bytes().substr(28));

    ByteWriter options;
    recovery_layout::write_options(options, test::sample_options());
    dvk_game_options seen_options{};
    fill_game_options(seen_options, test::sample_options());
    EXPECT_EQ(bytes_of(&seen_options, 0, sizeof(seen_options)), options.bytes());
}

TEST(GameRecordCopy, aRecordShortOfItsLegsAndEntriesIsCompletedWithZeros) {
    GameRecord game = test::third_leg_game();
    game.legs[1].scores[0].resize(2);
    game.darts_at_double[1].resize(3);
    {
        GameRecordCopy copy(game);
        dvk_game_record seen{};
        copy.fill(seen);
        EXPECT_EQ(seen.legs[1].scores[0][1], 60);
        EXPECT_EQ(seen.legs[1].scores[0][10], 0);
        EXPECT_EQ(seen.darts_at_double[1][1], 2);
        EXPECT_EQ(seen.darts_at_double[1][10], 0);
    }
    game.leg_index = 3; // counted, but the fourth leg is not there
    GameRecordCopy copy(game);
    dvk_game_record seen{};
    copy.fill(seen);
    const dvk_leg_record& missing = seen.legs[seen.leg_index];
    EXPECT_EQ(missing.round, 0);
    EXPECT_EQ(missing.capacity, 0);
    EXPECT_EQ(missing.scores[0][0], 0);
    EXPECT_EQ(missing.scores[1][0], 0);
    EXPECT_EQ(seen.darts_at_double[0][0], 0); // the arrays of the current leg: one entry
}

TEST(GameRecordCopy, aStoredGameHasNoDartsAtDouble) {
    GameRecord game = test::third_leg_game();
    game.darts_at_double = {};
    GameRecordCopy copy(game);
    dvk_game_record seen{};
    copy.fill(seen);
    EXPECT_EQ(seen.darts_at_double[0], nullptr);
    EXPECT_EQ(seen.darts_at_double[1], nullptr);
}

TEST(GameRecordCopy, readsBackOnlyWhatThePluginLeftInItsOwnArrays) {
    const GameRecord game = test::third_leg_game();
    GameRecordCopy copy(game);
    dvk_game_record seen{};
    copy.fill(seen);

    seen.legs[2].scores[1][2] = 77;
    seen.legs[2].scores[0] = nullptr; // a pointer the plug-in changed is never followed
    seen.legs = nullptr;
    EXPECT_EQ(copy.score_entry(2, 1, 2), std::optional<std::int16_t>(77));
    EXPECT_EQ(copy.score_entry(2, 0, 1), std::optional<std::int16_t>(26));
    EXPECT_EQ(copy.score_entry(2, 0, 11), std::nullopt);
    EXPECT_EQ(copy.score_entry(3, 0, 0), std::nullopt);
    EXPECT_EQ(copy.score_entry(0, 2, 0), std::nullopt);
    EXPECT_EQ(copy.source(), game);
}

} // namespace
} // namespace dvk
