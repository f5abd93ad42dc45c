#pragma once

#include "model/game_record.h"
#include "model/statistics_counters.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace dvk {

// The 26 counters that finished leg `leg_index` adds to `player`'s game totals: the per-leg
// statistics of the leg record, its check-out, and what the game shot or the middle for
// diddle counted (high out, best and worst leg, check-out successes, keep and break). The sum
// of these over a game's finished legs equals the game totals of its player block.
StatisticsCounters leg_counters(const GameRecord& game, int leg_index, int player);

// How the counters of several legs combine into totals: most are sums; the high out and the
// worst leg are the largest value, the best leg the smallest value above 0.
enum class CounterFold { Sum, Max, MinAboveZero, Unused };

// Folds one leg's `value` into `total` by the column's rule; `add` sums, so that a total of 32
// bits can saturate where a 64-bit one need not.
template <typename Total, typename Add>
void fold_counter(Total& total, Total value, CounterFold fold, Add add) {
    switch (fold) {
    case CounterFold::Sum:
        add(total, value);
        break;
    case CounterFold::Max:
        total = std::max(total, value);
        break;
    case CounterFold::MinAboveZero:
        if (value > 0 && (total <= 0 || value < total)) {
            total = value;
        }
        break;
    case CounterFold::Unused:
        break;
    }
}

struct CounterColumn {
    std::string_view name; // also the column's name in the archive
    std::int32_t StatisticsCounters::*member;
    CounterFold fold;
};

// Every counter with its column name and fold, in stored order.
const std::array<CounterColumn, StatisticsCounters::count>& counter_columns();

// Adds one leg's counters into totals by the folds above.
void fold_counters(StatisticsCounters& totals, const StatisticsCounters& leg);

} // namespace dvk
