#include "model/statistics_counters.h"

namespace dvk {

namespace {

// Member pointers in stored order; the single place that knows the order.
constexpr std::array<std::int32_t StatisticsCounters::*, StatisticsCounters::count> order = {
    &StatisticsCounters::tons,           &StatisticsCounters::count_100,
    &StatisticsCounters::reserved,       &StatisticsCounters::count_140,
    &StatisticsCounters::count_180,      &StatisticsCounters::high_out,
    &StatisticsCounters::best_leg,       &StatisticsCounters::worst_leg,
    &StatisticsCounters::total_score,    &StatisticsCounters::total_darts,
    &StatisticsCounters::won_darts,      &StatisticsCounters::won_legs,
    &StatisticsCounters::first9_score,   &StatisticsCounters::first9_darts,
    &StatisticsCounters::double_darts,   &StatisticsCounters::check_outs,
    &StatisticsCounters::keep_all,       &StatisticsCounters::keep_won,
    &StatisticsCounters::break_all,      &StatisticsCounters::break_won,
    &StatisticsCounters::success_2_80,   &StatisticsCounters::failure_2_80,
    &StatisticsCounters::success_81_130, &StatisticsCounters::failure_81_130,
    &StatisticsCounters::success_131,    &StatisticsCounters::failure_131,
};

} // namespace

std::array<std::int32_t, StatisticsCounters::count> StatisticsCounters::to_array() const {
    std::array<std::int32_t, count> values{};
    for (std::size_t i = 0; i < count; ++i) {
        values[i] = this->*order[i];
    }
    return values;
}

StatisticsCounters StatisticsCounters::from_array(const std::array<std::int32_t, count>& values) {
    StatisticsCounters counters;
    for (std::size_t i = 0; i < count; ++i) {
        counters.*order[i] = values[i];
    }
    return counters;
}

} // namespace dvk
