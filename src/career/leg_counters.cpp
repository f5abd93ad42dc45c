#include "career/leg_counters.h"

#include <algorithm>

namespace dvk {

namespace {

using C = StatisticsCounters;

constexpr std::array<CounterColumn, StatisticsCounters::count> columns = {{
    {"tons", &C::tons, CounterFold::Sum},
    {"count_100", &C::count_100, CounterFold::Sum},
    {"reserved", &C::reserved, CounterFold::Unused},
    {"count_140", &C::count_140, CounterFold::Sum},
    {"count_180", &C::count_180, CounterFold::Sum},
    {"high_out", &C::high_out, CounterFold::Max},
    {"best_leg", &C::best_leg, CounterFold::MinAboveZero},
    {"worst_leg", &C::worst_leg, CounterFold::Max},
    {"total_score", &C::total_score, CounterFold::Sum},
    {"total_darts", &C::total_darts, CounterFold::Sum},
    {"won_darts", &C::won_darts, CounterFold::Sum},
    {"won_legs", &C::won_legs, CounterFold::Sum},
    {"first9_score", &C::first9_score, CounterFold::Sum},
    {"first9_darts", &C::first9_darts, CounterFold::Sum},
    {"double_darts", &C::double_darts, CounterFold::Sum},
    {"check_outs", &C::check_outs, CounterFold::Sum},
    {"keep_all", &C::keep_all, CounterFold::Sum},
    {"keep_won", &C::keep_won, CounterFold::Sum},
    {"break_all", &C::break_all, CounterFold::Sum},
    {"break_won", &C::break_won, CounterFold::Sum},
    {"success_2_80", &C::success_2_80, CounterFold::Sum},
    {"failure_2_80", &C::failure_2_80, CounterFold::Sum},
    {"success_81_130", &C::success_81_130, CounterFold::Sum},
    {"failure_81_130", &C::failure_81_130, CounterFold::Sum},
    {"success_131", &C::success_131, CounterFold::Sum},
    {"failure_131", &C::failure_131, CounterFold::Sum},
}};

// Tons of a visit or check-out, as the statistics count them.
void count_points(StatisticsCounters& c, int points) {
    if (points >= 100) {
        count_one(c.tons);
    }
    if (points >= 100 && points <= 139) {
        count_one(c.count_100);
    } else if (points >= 140 && points <= 179) {
        count_one(c.count_140);
    } else if (points == 180) {
        count_one(c.count_180);
    }
}

void count_check_out(StatisticsCounters& c, int check_out) {
    count_one(c.check_outs);
    if (check_out >= 2 && check_out <= 80) {
        count_one(c.success_2_80);
    } else if (check_out >= 81 && check_out <= 130) {
        count_one(c.success_81_130);
    } else if (check_out >= 131) {
        count_one(c.success_131);
    }
}

// What the game shot or the middle for diddle counted for this player.
void count_leg_end(StatisticsCounters& c, const LegRecord& leg, const PlayerBlock& block,
                   int player) {
    const bool decided = leg.finished != 0 && leg.winning_darts != 0;
    if (!decided) {
        return;
    }
    const bool first = leg.first_player == player;
    if (leg.winner != player) {
        count_one(first ? c.keep_all : c.break_all);
        return;
    }
    count_one(first ? c.keep_all : c.break_all);
    count_one(first ? c.keep_won : c.break_won);
    c.best_leg = c.worst_leg = leg.winning_darts;
    // A check-out is a game shot; the middle for diddle decides a leg without one.
    if (leg.check_out > 0) {
        c.high_out = leg.check_out;
        if (block.ask_double == 1 || block.com == 1) {
            count_check_out(c, leg.check_out);
        }
    }
}

} // namespace

StatisticsCounters leg_counters(const GameRecord& game, int leg_index, int player) {
    StatisticsCounters c;
    if (!is_player(player) || leg_index < 0 ||
        static_cast<std::size_t>(leg_index) >= game.legs.size()) {
        return c;
    }
    const auto i = static_cast<std::size_t>(player);
    const LegRecord& leg = game.legs[static_cast<std::size_t>(leg_index)];
    const PlayerBlock& block = game.players[i];
    c.tons = leg.leg_tons[i];
    c.count_100 = leg.leg_100[i];
    c.count_140 = leg.leg_140[i];
    c.count_180 = leg.leg_180[i];
    if (leg.finished != 0 && leg.winner == player) {
        count_points(c, leg.check_out);
    }
    c.total_score = saturated(std::int64_t{block.start_score} - leg.leg_remaining[i]);
    c.total_darts = leg.leg_darts[i];
    if (leg.finished != 0 && leg.winner == player && leg.winning_darts != 0) {
        c.won_darts = leg.winning_darts;
        c.won_legs = 1;
    }
    c.first9_score = leg.leg_first9_score[i];
    c.first9_darts = leg.leg_first9_darts[i];
    c.double_darts = leg.leg_double_darts[i];
    c.failure_2_80 = leg.leg_fail_2_80[i];
    c.failure_81_130 = leg.leg_fail_81_130[i];
    c.failure_131 = leg.leg_fail_131[i];
    count_leg_end(c, leg, block, player);
    return c;
}

const std::array<CounterColumn, StatisticsCounters::count>& counter_columns() {
    return columns;
}

void fold_counters(StatisticsCounters& totals, const StatisticsCounters& leg) {
    for (const CounterColumn& column : columns) {
        fold_counter(totals.*column.member, std::int32_t{leg.*column.member}, column.fold,
                     [](std::int32_t& total, std::int32_t value) { add_to(total, value); });
    }
}

} // namespace dvk
