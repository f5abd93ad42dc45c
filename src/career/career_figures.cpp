#include "career/career_figures.h"

#include "career/leg_counters.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace dvk {

namespace {

std::size_t column_of(std::int32_t StatisticsCounters::*member) {
    const auto& columns = counter_columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].member == member) {
            return i;
        }
    }
    return 0;
}

std::int32_t narrowed(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::int64_t CareerTotals::operator[](std::int32_t StatisticsCounters::*member) const {
    return counters[column_of(member)];
}

std::int64_t& CareerTotals::operator[](std::int32_t StatisticsCounters::*member) {
    return counters[column_of(member)];
}

void CareerTotals::add_leg(const StatisticsCounters& leg, bool won) {
    ++legs;
    if (won) {
        ++legs_won;
    }
    const auto& columns = counter_columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        fold_counter(counters[i], std::int64_t{leg.*columns[i].member}, columns[i].fold,
                     [](std::int64_t& total, std::int64_t value) { total += value; });
    }
}

double career_quotient(std::int64_t numerator, std::int64_t denominator, int factor) {
    if (denominator < 1) {
        return 0.0;
    }
    const float value = static_cast<float>(numerator) / static_cast<float>(denominator) *
                        static_cast<float>(factor);
    return static_cast<double>(value);
}

std::string figure_text(double value) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.2f", value);
    return text.data();
}

CareerFigures career_figures(const CareerTotals& t) {
    using C = StatisticsCounters;
    CareerFigures f;
    f.games = t.games;
    f.games_won = t.games_won;
    f.legs = t.legs;
    f.legs_won = t.legs_won;
    f.average = career_quotient(t[&C::total_score], t[&C::total_darts], 3);
    f.first9_average = career_quotient(t[&C::first9_score], t[&C::first9_darts], 3);
    f.check_outs = t[&C::check_outs];
    f.darts_at_double = t[&C::double_darts];
    f.check_out_percent = career_quotient(f.check_outs, f.darts_at_double, 100);
    f.high_out = narrowed(t[&C::high_out]);
    f.best_leg = narrowed(t[&C::best_leg]);
    f.worst_leg = narrowed(t[&C::worst_leg]);
    f.tons = t[&C::tons];
    f.count_100 = t[&C::count_100];
    f.count_140 = t[&C::count_140];
    f.count_180 = t[&C::count_180];
    f.tons_per_leg = career_quotient(f.tons, f.legs, 1);
    f.count_100_per_leg = career_quotient(f.count_100, f.legs, 1);
    f.count_140_per_leg = career_quotient(f.count_140, f.legs, 1);
    f.count_180_per_leg = career_quotient(f.count_180, f.legs, 1);
    const std::array<std::pair<std::int32_t C::*, std::int32_t C::*>, 3> ranges = {{
        {&C::success_2_80, &C::failure_2_80},
        {&C::success_81_130, &C::failure_81_130},
        {&C::success_131, &C::failure_131},
    }};
    for (std::size_t r = 0; r < ranges.size(); ++r) {
        f.finish[r].successes = t[ranges[r].first];
        f.finish[r].failures = t[ranges[r].second];
        f.finish[r].percent = career_quotient(f.finish[r].successes,
                                              f.finish[r].successes + f.finish[r].failures, 100);
    }
    f.keep_won = t[&C::keep_won];
    f.keep_all = t[&C::keep_all];
    f.keep_percent = career_quotient(f.keep_won, f.keep_all, 100);
    f.break_won = t[&C::break_won];
    f.break_all = t[&C::break_all];
    f.break_percent = career_quotient(f.break_won, f.break_all, 100);
    f.darts_per_leg_won = career_quotient(t[&C::won_darts], t[&C::won_legs], 1);
    return f;
}

} // namespace dvk
