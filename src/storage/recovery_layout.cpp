#include "storage/recovery_layout.h"

#include "model/playable_values.h"

#include <algorithm>
#include <cassert>

namespace dvk::recovery_layout {

namespace {

constexpr std::size_t pointer_size = 4;
constexpr std::size_t reserved_after_int16 = 2;

void write_counters(ByteWriter& out, const StatisticsCounters& counters) {
    for (const std::int32_t value : counters.to_array()) {
        out.i32(value);
    }
}

bool read_counters(ByteReader& in, StatisticsCounters& counters) {
    std::array<std::int32_t, StatisticsCounters::count> values{};
    for (auto& value : values) {
        if (!in.i32(value)) {
            return false;
        }
    }
    counters = StatisticsCounters::from_array(values);
    return true;
}

void write_time(ByteWriter& out, const SystemTime& t) {
    for (const std::uint16_t part :
         {t.year, t.month, t.day_of_week, t.day, t.hour, t.minute, t.second, t.milliseconds}) {
        out.u16(part);
    }
}

bool read_time(ByteReader& in, SystemTime& t) {
    for (std::uint16_t* part : {&t.year, &t.month, &t.day_of_week, &t.day, &t.hour, &t.minute,
                                &t.second, &t.milliseconds}) {
        if (!in.u16(*part)) {
            return false;
        }
    }
    return true;
}

void write_player(ByteWriter& out, const PlayerBlock& player) {
    [[maybe_unused]] const std::size_t start = out.size();
    out.text_field(player.name, name_field_size);
    for (const std::int32_t value :
         {player.start_score, player.remaining, player.sets_won, player.legs_won}) {
        out.i32(value);
    }
    write_counters(out, player.game);
    write_counters(out, player.match);
    for (const std::int32_t value :
         {player.com_locked, player.ask_double, player.com, player.com_level}) {
        out.i32(value);
    }
    out.i16(player.com_result);
    out.zeros(reserved_after_int16);
    assert(out.size() - start == player_block_size);
}

bool read_player(ByteReader& in, PlayerBlock& player) {
    bool ok = in.text_field(player.name, name_field_size);
    for (std::int32_t* value :
         {&player.start_score, &player.remaining, &player.sets_won, &player.legs_won}) {
        ok = ok && in.i32(*value);
    }
    ok = ok && read_counters(in, player.game) && read_counters(in, player.match);
    for (std::int32_t* value :
         {&player.com_locked, &player.ask_double, &player.com, &player.com_level}) {
        ok = ok && in.i32(*value);
    }
    return ok && in.i16(player.com_result) && in.skip(reserved_after_int16);
}

} // namespace

void fit_finished_leg(LegRecord& leg) {
    if (leg.capacity < leg.round) {
        leg.capacity = leg.round + 1;
        leg.rows = leg.capacity;
    }
}

std::string leg_problem(const LegRecord& leg, bool current) {
    if (!is_player(leg.first_player) || !is_player(leg.next_player) || !is_player(leg.winner)) {
        return "a leg names a player other than 1 and 2";
    }
    const bool open = current && leg.finished == 0;
    if (leg.round < 0 || leg.capacity < leg.round || leg.rows < leg.round ||
        (open && leg.rows == leg.round)) {
        return "a leg has an impossible round, rows or capacity";
    }
    if (leg.capacity > max_leg_capacity) {
        return "a leg holds more rounds than a leg can have";
    }
    // A failed enlargement keeps the arrays while the shown rows grew by one.
    if (leg.rows > static_cast<std::int64_t>(leg.capacity) + 1) {
        return "a leg shows more rows than it holds";
    }
    return {};
}

std::string unwritable_reason(const GameRecord& game) {
    if (!game.has_current_leg()) {
        return "the game has no current leg";
    }
    std::size_t entries = 0;
    const auto current = static_cast<std::size_t>(game.leg_index);
    for (std::size_t i = 0; i <= current; ++i) {
        LegRecord counts;
        const LegRecord& leg = game.legs[i];
        counts.first_player = leg.first_player;
        counts.next_player = leg.next_player;
        counts.winner = leg.winner;
        counts.round = leg.round;
        counts.rows = leg.rows;
        counts.capacity = leg.capacity;
        if (i < current) {
            fit_finished_leg(counts);
        }
        counts.finished = leg.finished;
        if (std::string problem = leg_problem(counts, i == current); !problem.empty()) {
            return problem;
        }
        entries += static_cast<std::size_t>(counts.capacity) + 1;
        if (entries > max_score_entries) {
            return "the game holds too many scores";
        }
    }
    return {};
}

void write_options(ByteWriter& out, const GameOptions& o) {
    [[maybe_unused]] const std::size_t start = out.size();
    for (const std::int32_t value :
         {o.start_score, o.round_limit, o.round, o.leg_limit, o.max_leg, o.best_of}) {
        out.i32(value);
    }
    out.text_field(o.p1_name, name_field_size);
    out.text_field(o.p2_name, name_field_size);
    for (const std::int32_t value :
         {o.p1_start_score, o.p2_start_score, o.p1_com, o.p2_com, o.p1_com_level, o.p2_com_level,
          o.schedule_entry, o.change_first}) {
        out.i32(value);
    }
    assert(out.size() - start == options_size);
}

bool read_options(ByteReader& in, GameOptions& o) {
    bool ok = true;
    for (std::int32_t* value :
         {&o.start_score, &o.round_limit, &o.round, &o.leg_limit, &o.max_leg, &o.best_of}) {
        ok = ok && in.i32(*value);
    }
    ok = ok && in.text_field(o.p1_name, name_field_size) &&
         in.text_field(o.p2_name, name_field_size);
    for (std::int32_t* value :
         {&o.p1_start_score, &o.p2_start_score, &o.p1_com, &o.p2_com, &o.p1_com_level,
          &o.p2_com_level, &o.schedule_entry, &o.change_first}) {
        ok = ok && in.i32(*value);
    }
    return ok;
}

void write_game_record(ByteWriter& out, const GameRecord& g) {
    [[maybe_unused]] const std::size_t start = out.size();
    for (const std::int32_t value :
         {g.schedule_mode, g.stored, g.start_score, g.game_index, g.leg_index, g.leg_limit,
          g.max_leg, g.best_of, g.round_limit, g.round}) {
        out.i32(value);
    }
    write_time(out, g.started);
    write_player(out, g.players[0]);
    write_player(out, g.players[1]);
    out.zeros(3 * pointer_size); // legs, darts_at_double[0], darts_at_double[1]
    assert(out.size() - start == game_record_size);
}

bool read_game_record(ByteReader& in, GameRecord& g) {
    bool ok = true;
    for (std::int32_t* value :
         {&g.schedule_mode, &g.stored, &g.start_score, &g.game_index, &g.leg_index, &g.leg_limit,
          &g.max_leg, &g.best_of, &g.round_limit, &g.round}) {
        ok = ok && in.i32(*value);
    }
    return ok && read_time(in, g.started) && read_player(in, g.players[0]) &&
           read_player(in, g.players[1]) && in.skip(3 * pointer_size);
}

void write_leg_record(ByteWriter& out, const LegRecord& leg) {
    [[maybe_unused]] const std::size_t start = out.size();
    for (const std::int32_t value :
         {leg.first_player, leg.round, leg.next_player, leg.rows, leg.capacity}) {
        out.i32(value);
    }
    out.zeros(2 * pointer_size); // scores[0], scores[1]
    for (const std::int32_t value : {leg.finished, leg.winner, leg.winning_darts}) {
        out.i32(value);
    }
    out.i16(leg.check_out);
    out.zeros(reserved_after_int16);
    for (const PlayerPair& pair : leg.statistics_to_array()) {
        out.i32(pair[0]);
        out.i32(pair[1]);
    }
    assert(out.size() - start == leg_record_size);
}

bool read_leg_record(ByteReader& in, LegRecord& leg) {
    bool ok = true;
    for (std::int32_t* value :
         {&leg.first_player, &leg.round, &leg.next_player, &leg.rows, &leg.capacity}) {
        ok = ok && in.i32(*value);
    }
    ok = ok && in.skip(2 * pointer_size);
    for (std::int32_t* value : {&leg.finished, &leg.winner, &leg.winning_darts}) {
        ok = ok && in.i32(*value);
    }
    ok = ok && in.i16(leg.check_out) && in.skip(reserved_after_int16);
    std::array<PlayerPair, LegRecord::statistics_pairs> pairs{};
    for (PlayerPair& pair : pairs) {
        ok = ok && in.i32(pair[0]) && in.i32(pair[1]);
    }
    if (ok) {
        leg.statistics_from_array(pairs);
    }
    return ok;
}

void write_finished_leg(ByteWriter& out, const LegRecord& leg) {
    write_leg_record(out, leg);
    for (int player = 0; player < 2; ++player) {
        for (std::int32_t i = 0; i <= leg.round; ++i) {
            out.i16(leg.score(player, i));
        }
    }
}

void write_current_leg_arrays(ByteWriter& out, const GameRecord& game, const LegRecord& leg) {
    for (int player = 0; player < 2; ++player) {
        for (std::int32_t i = 0; i <= leg.capacity; ++i) {
            out.i16(leg.score(player, i));
        }
        for (std::int32_t i = 0; i <= leg.capacity; ++i) {
            out.i8(game.double_darts(player, i));
        }
    }
}

} // namespace dvk::recovery_layout
