#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace dvk {

// The 26 statistics counters a player block keeps twice (game totals and match totals), in
// their stored order. `high_out` is a 16-bit value kept in a 32-bit slot.
struct StatisticsCounters {
    std::int32_t tons = 0;
    std::int32_t count_100 = 0;
    std::int32_t reserved = 0;
    std::int32_t count_140 = 0;
    std::int32_t count_180 = 0;
    std::int32_t high_out = 0;
    std::int32_t best_leg = 0;
    std::int32_t worst_leg = 0;
    std::int32_t total_score = 0;
    std::int32_t total_darts = 0;
    std::int32_t won_darts = 0;
    std::int32_t won_legs = 0;
    std::int32_t first9_score = 0;
    std::int32_t first9_darts = 0;
    std::int32_t double_darts = 0;
    std::int32_t check_outs = 0;
    std::int32_t keep_all = 0;
    std::int32_t keep_won = 0;
    std::int32_t break_all = 0;
    std::int32_t break_won = 0;
    std::int32_t success_2_80 = 0;
    std::int32_t failure_2_80 = 0;
    std::int32_t success_81_130 = 0;
    std::int32_t failure_81_130 = 0;
    std::int32_t success_131 = 0;
    std::int32_t failure_131 = 0;

    static constexpr std::size_t count = 26;

    // The counters in stored order, for the recovery file and the plug-in mirror.
    std::array<std::int32_t, count> to_array() const;
    static StatisticsCounters from_array(const std::array<std::int32_t, count>& values);

    bool operator==(const StatisticsCounters&) const = default;
};

// Far beyond any match, yet the sum of two of them still fits in 32 bits.
inline constexpr std::int32_t max_counter = 999'999'999;

// Counters stop at plus or minus `max_counter` instead of wrapping round, so an endless match
// can never turn a count negative or into undefined behaviour. A recovery file's values are
// held to the same bound when they are read, so a restart brings back the same counts.
constexpr std::int32_t saturated(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, -max_counter, max_counter));
}
constexpr void add_to(std::int32_t& counter, std::int64_t amount) {
    counter = saturated(std::int64_t{counter} + amount);
}
constexpr void count_one(std::int32_t& counter) {
    add_to(counter, 1);
}

} // namespace dvk
