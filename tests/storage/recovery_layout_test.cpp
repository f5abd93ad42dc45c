#include "storage/recovery_writer.h"
#include "support/sample_games.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

using test::TempFolder;

// An expected file built field by field at documented offsets, independently of the writer.
class ExpectedBytes {
public:
    explicit ExpectedBytes(std::size_t size) : m_bytes(size, '\0') {}

    void u8(std::size_t at, std::uint8_t v) { m_bytes.at(at) = static_cast<char>(v); }
    void i16(std::size_t at, std::int32_t v) {
        const auto bits = static_cast<std::uint16_t>(v);
        u8(at, static_cast<std::uint8_t>(bits & 0xFF));
        u8(at + 1, static_cast<std::uint8_t>(bits >> 8));
    }
    void i32(std::size_t at, std::int32_t v) {
        const auto bits = static_cast<std::uint32_t>(v);
        for (std::size_t i = 0; i < 4; ++i) {
            u8(at + i, static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFF));
        }
    }
    void text(std::size_t at, const std::string& s) { m_bytes.replace(at, s.size(), s); }
    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

void expect_options(ExpectedBytes& e, std::size_t at, const GameOptions& o) {
    e.i32(at + 0, o.start_score);
    e.i32(at + 4, o.round_limit);
    e.i32(at + 8, o.round);
    e.i32(at + 12, o.leg_limit);
    e.i32(at + 16, o.max_leg);
    e.i32(at + 20, o.best_of);
    e.text(at + 24, o.p1_name);
    e.text(at + 88, o.p2_name);
    e.i32(at + 152, o.p1_start_score);
    e.i32(at + 156, o.p2_start_score);
    e.i32(at + 160, o.p1_com);
    e.i32(at + 164, o.p2_com);
    e.i32(at + 168, o.p1_com_level);
    e.i32(at + 172, o.p2_com_level);
    e.i32(at + 176, o.schedule_entry);
    e.i32(at + 180, o.change_first);
}

void expect_counters(ExpectedBytes& e, std::size_t at, const StatisticsCounters& c) {
    const std::pair<std::size_t, std::int32_t> fields[] = {
        {0, c.tons},          {4, c.count_100},       {12, c.count_140},      {16, c.count_180},
        {20, c.high_out},     {24, c.best_leg},       {28, c.worst_leg},      {32, c.total_score},
        {36, c.total_darts},  {40, c.won_darts},      {44, c.won_legs},       {48, c.first9_score},
        {52, c.first9_darts}, {56, c.double_darts},   {60, c.check_outs},     {64, c.keep_all},
        {68, c.keep_won},     {72, c.break_all},      {76, c.break_won},      {80, c.success_2_80},
        {84, c.failure_2_80}, {88, c.success_81_130}, {92, c.failure_81_130}, {96, c.success_131},
        {100, c.failure_131},
    };
    for (const auto& [offset, value] : fields) {
        e.i32(at + offset, value);
    }
}

void expect_player(ExpectedBytes& e, std::size_t at, const PlayerBlock& p) {
    e.text(at, p.name);
    e.i32(at + 64, p.start_score);
    e.i32(at + 68, p.remaining);
    e.i32(at + 72, p.sets_won);
    e.i32(at + 76, p.legs_won);
    expect_counters(e, at + 80, p.game);
    expect_counters(e, at + 184, p.match);
    e.i32(at + 288, p.com_locked);
    e.i32(at + 292, p.ask_double);
    e.i32(at + 296, p.com);
    e.i32(at + 300, p.com_level);
    e.i16(at + 304, p.com_result);
}

void expect_game(ExpectedBytes& e, std::size_t at, const GameRecord& g) {
    e.i32(at + 0, g.schedule_mode);
    e.i32(at + 4, g.stored);
    e.i32(at + 8, g.start_score);
    e.i32(at + 12, g.game_index);
    e.i32(at + 16, g.leg_index);
    e.i32(at + 20, g.leg_limit);
    e.i32(at + 24, g.max_leg);
    e.i32(at + 28, g.best_of);
    e.i32(at + 32, g.round_limit);
    e.i32(at + 36, g.round);
    const SystemTime& t = g.started;
    const std::uint16_t parts[] = {t.year, t.month,  t.day_of_week, t.day,
                                   t.hour, t.minute, t.second,      t.milliseconds};
    for (std::size_t i = 0; i < 8; ++i) {
        e.i16(at + 40 + 2 * i, parts[i]);
    }
    expect_player(e, at + 56, g.players[0]);
    expect_player(e, at + 364, g.players[1]);
}

void expect_leg(ExpectedBytes& e, std::size_t at, const LegRecord& leg) {
    e.i32(at + 0, leg.first_player);
    e.i32(at + 4, leg.round);
    e.i32(at + 8, leg.next_player);
    e.i32(at + 12, leg.rows);
    e.i32(at + 16, leg.capacity);
    e.i32(at + 28, leg.finished);
    e.i32(at + 32, leg.winner);
    e.i32(at + 36, leg.winning_darts);
    e.i16(at + 40, leg.check_out);
    const PlayerPair pairs[] = {leg.leg_tons,         leg.leg_100,          leg.leg_reserved,
                                leg.leg_140,          leg.leg_180,          leg.leg_remaining,
                                leg.leg_darts,        leg.leg_first9_score, leg.leg_first9_darts,
                                leg.leg_double_darts, leg.leg_fail_2_80,    leg.leg_fail_81_130,
                                leg.leg_fail_131};
    for (std::size_t i = 0; i < 13; ++i) {
        e.i32(at + 44 + 8 * i, pairs[i][0]);
        e.i32(at + 48 + 8 * i, pairs[i][1]);
    }
}

TEST(RecoveryLayout, fileWrittenInTheThirdLegHoldsEveryBlockAtItsOffset) {
    TempFolder folder;
    const GameRecord game = test::third_leg_game();
    const GameOptions options = test::sample_options();
    RecoveryWriter writer(folder / "dvk.tmp");
    ASSERT_TRUE(writer.write(true, RecoveryWrite::Complete, {options, {}, game}).ok);

    // Two finished legs of 148 + 2 x 4 x 2 bytes (round 3: four scores per player), then the
    // current leg: 148 bytes and 2 x (11 x 2 + 11) bytes for capacity 10.
    const std::size_t leg0 = 869;
    const std::size_t leg1 = leg0 + 148 + 16;
    const std::size_t current = leg1 + 148 + 16;
    const std::size_t end = current + 148 + 66;
    ExpectedBytes e(end);
    e.u8(0, 0x1A);
    expect_options(e, 1, options);
    expect_game(e, 185, game);
    for (const auto& [at, index] : {std::pair{leg0, 0}, std::pair{leg1, 1}}) {
        const LegRecord& leg = game.legs[static_cast<std::size_t>(index)];
        expect_leg(e, at, leg);
        for (std::size_t i = 0; i < 4; ++i) {
            e.i16(at + 148 + 2 * i, leg.scores[0][i]);
            e.i16(at + 156 + 2 * i, leg.scores[1][i]);
        }
    }
    expect_leg(e, current, game.legs[2]);
    for (std::size_t i = 0; i < 11; ++i) {
        e.i16(current + 148 + 2 * i, game.legs[2].scores[0][i]);
        e.u8(current + 170 + i, static_cast<std::uint8_t>(game.darts_at_double[0][i]));
        e.i16(current + 181 + 2 * i, game.legs[2].scores[1][i]);
        e.u8(current + 203 + i, static_cast<std::uint8_t>(game.darts_at_double[1][i]));
    }

    EXPECT_EQ(test::file_bytes(writer.path()), e.bytes());
    EXPECT_EQ(writer.leg_offset(), static_cast<std::int64_t>(current));
    EXPECT_EQ(writer.written_capacity(), 10);
}

TEST(RecoveryLayout, scheduleGameStoresCountAndEntriesBeforeTheLegs) {
    TempFolder folder;
    GameRecord game = test::third_leg_game();
    game.schedule_mode = 1;
    const GameOptions options = test::sample_options();
    const std::vector<GameOptions> schedule = test::sample_schedule();
    RecoveryWriter writer(folder / "dvk.tmp");
    ASSERT_TRUE(writer.write(true, RecoveryWrite::Complete, {options, schedule, game}).ok);

    ExpectedBytes e(873 + 2 * 184);
    e.i32(869, 2);
    expect_options(e, 873, schedule[0]);
    expect_options(e, 873 + 184, schedule[1]);
    const std::string bytes = test::file_bytes(writer.path());
    ASSERT_GT(bytes.size(), 873u + 2 * 184);
    EXPECT_EQ(bytes.substr(869, 4 + 2 * 184), e.bytes().substr(869));
    EXPECT_EQ(writer.leg_offset(), 873 + 2 * 184 + 2 * (148 + 16));
}

TEST(RecoveryLayout, namesAreCutAtACharacterBoundaryAndZeroPadded) {
    TempFolder folder;
    GameRecord game = test::third_leg_game();
    // 62 bytes and a two-byte character: the character does not fit in the 63 bytes left
    // before the terminator and is dropped whole.
    game.players[0].name = std::string(62, 'a') + "\xC3\xA9";
    game.players[1].name = "Zo\xC3\xAB";
    RecoveryWriter writer(folder / "dvk.tmp");
    ASSERT_TRUE(writer.write(true, RecoveryWrite::Complete, {{}, {}, game}).ok);

    const std::string bytes = test::file_bytes(writer.path());
    EXPECT_EQ(bytes.substr(185 + 56, 64), std::string(62, 'a') + std::string(2, '\0'));
    EXPECT_EQ(bytes.substr(185 + 364, 64), "Zo\xC3\xAB" + std::string(60, '\0'));
}

} // namespace
} // namespace dvk
