#pragma once

#include "model/statistics_counters.h"

#include <array>
#include <cstdint>
#include <string>

namespace dvk {

// A player's counters summed over many legs, wide enough for a lifetime of darts. `counters`
// follows the stored order of the 26 counters (see counter_columns()).
struct CareerTotals {
    std::int64_t games = 0;
    std::int64_t games_won = 0; // games in which he won more legs than his opponent
    std::int64_t legs = 0;
    std::int64_t legs_won = 0;
    std::array<std::int64_t, StatisticsCounters::count> counters{};

    std::int64_t operator[](std::int32_t StatisticsCounters::*member) const;
    std::int64_t& operator[](std::int32_t StatisticsCounters::*member);

    // One finished leg of the player: its counters, folded as counter_columns() says.
    void add_leg(const StatisticsCounters& leg, bool won);

    bool operator==(const CareerTotals&) const = default;
};

// Successes and misses at a double from one range of remaining scores.
struct FinishRange {
    std::int64_t successes = 0;
    std::int64_t failures = 0;
    double percent = 0; // successes of all visits at a double from the range

    bool operator==(const FinishRange&) const = default;
};

// The career figures the window, the command line and the export show. Every quotient is the
// player-information window's: single-precision operands, two decimals, 0 without a
// denominator; averages are per three darts.
struct CareerFigures {
    std::int64_t games = 0;
    std::int64_t games_won = 0;
    std::int64_t legs = 0;
    std::int64_t legs_won = 0;
    double average = 0;        // points per three darts
    double first9_average = 0; // first nine points per three darts (501 legs only)
    double check_out_percent = 0;
    std::int64_t check_outs = 0;
    std::int64_t darts_at_double = 0;
    std::int32_t high_out = 0;
    std::int32_t best_leg = 0;  // 0 when no leg was won
    std::int32_t worst_leg = 0; // 0 when no leg was won
    std::int64_t tons = 0;      // visits of 100 or more
    std::int64_t count_100 = 0;
    std::int64_t count_140 = 0;
    std::int64_t count_180 = 0;
    double tons_per_leg = 0;
    double count_100_per_leg = 0;
    double count_140_per_leg = 0;
    double count_180_per_leg = 0;
    // 2-80, 81-130, 131 and more.
    std::array<FinishRange, 3> finish{};
    double keep_percent = 0;
    std::int64_t keep_won = 0;
    std::int64_t keep_all = 0;
    double break_percent = 0;
    std::int64_t break_won = 0;
    std::int64_t break_all = 0;
    double darts_per_leg_won = 0;

    bool operator==(const CareerFigures&) const = default;
};

CareerFigures career_figures(const CareerTotals& totals);

// The window's quotient of two counters: single-precision operands, times `factor`, 0 for a
// denominator below 1.
double career_quotient(std::int64_t numerator, std::int64_t denominator, int factor);

// "%.2f", as the player-information window prints a figure.
std::string figure_text(double value);

} // namespace dvk
