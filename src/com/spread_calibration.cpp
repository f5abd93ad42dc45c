#include "com/spread_calibration.h"

#include "com/spread_levels.h"

#include <cmath>

namespace dvk {

namespace {

// 60 mm: far wider than any offered level; wider players take hundreds of darts a leg.
constexpr std::int32_t calibration_tenths_max = 600;

double ratio(std::int64_t part, std::int64_t whole, double scale) {
    return whole > 0 ? scale * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

double average_at(std::int32_t tenths, std::int64_t legs, std::uint32_t seed,
                  const ComTable& com_table) {
    ComThrower thrower(com_table, {20, 3}, seed);
    return play_level_legs(thrower, fitted_level_base + tenths, legs).three_dart_average();
}

} // namespace

void ComLevelTotals::add(const ComLegStats& leg) {
    ++legs;
    simulated_darts += leg.simulated_darts;
    if (leg.winner < 0) {
        ++undecided;
    } else {
        winner_darts += leg.darts[static_cast<std::size_t>(leg.winner)];
        ++check_outs;
    }
    for (std::size_t p = 0; p < 2; ++p) {
        points += leg.points[p];
        darts += leg.darts[p];
        first9_points += leg.first9_points[p];
        first9_darts += leg.first9_darts[p];
        double_darts += leg.double_darts[p];
    }
}

double ComLevelTotals::three_dart_average() const {
    return ratio(points, darts, 3.0);
}
double ComLevelTotals::first9_average() const {
    return ratio(first9_points, first9_darts, 3.0);
}
double ComLevelTotals::check_out_rate() const {
    return ratio(check_outs, double_darts, 100.0);
}
double ComLevelTotals::darts_per_leg_won() const {
    return ratio(winner_darts, check_outs, 1.0);
}

ComLevelTotals play_level_legs(ComThrower& thrower, std::int32_t level, std::int64_t legs) {
    ComLevelTotals totals;
    for (std::int64_t leg = 0; leg < legs; ++leg) {
        totals.add(play_com_leg(thrower, {level, level}, calibration_start_score,
                                static_cast<int>(leg % 2)));
    }
    return totals;
}

double calibrate_spread_size(std::int32_t target_average, std::int64_t legs, std::uint32_t seed,
                             const ComTable& com_table) {
    std::int32_t low = fitted_level_tenths_min; // averages above the target
    std::int32_t high = calibration_tenths_max; // averages below it
    while (high - low > 1) {
        const std::int32_t middle = (low + high) / 2;
        if (average_at(middle, legs, seed, com_table) > target_average) {
            low = middle;
        } else {
            high = middle;
        }
    }
    const double above = average_at(low, legs, seed, com_table) - target_average;
    const double below = target_average - average_at(high, legs, seed, com_table);
    return (above <= below ? low : high) / 10.0;
}

} // namespace dvk
