#pragma once

#include "com/com_leg.h"

#include <cstdint>

namespace dvk {

// The figures of many legs of 501 played by two computer players of one level, summed over
// both players as a match average is.
struct ComLevelTotals {
    std::int64_t legs = 0;
    std::int64_t undecided = 0;
    std::int64_t winner_darts = 0;
    std::int64_t points = 0;
    std::int64_t darts = 0;
    std::int64_t first9_points = 0;
    std::int64_t first9_darts = 0;
    std::int64_t double_darts = 0;
    std::int64_t check_outs = 0;
    std::int64_t simulated_darts = 0;

    void add(const ComLegStats& leg);
    double three_dart_average() const;
    double first9_average() const;
    // Legs checked out per hundred darts at a double.
    double check_out_rate() const;
    double darts_per_leg_won() const;
};

inline constexpr std::int32_t calibration_start_score = 501;

// Plays `legs` legs of 501 between two players of stored level `level`, the first thrower
// taking turns.
ComLevelTotals play_level_legs(ComThrower& thrower, std::int32_t level, std::int64_t legs);

// The spread size, in whole tenths of a millimetre, whose players reach a 3-dart match
// average closest to `target_average` over `legs` legs from `seed`. Every candidate plays the
// same random numbers, so the average falls steadily with the size and a bisection finds it.
double calibrate_spread_size(std::int32_t target_average, std::int64_t legs, std::uint32_t seed,
                             const ComTable& com_table);

} // namespace dvk
