#include "com/spread_levels.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace dvk {

namespace {

// Found with `dvk-sim --recalibrate --legs 5000 --seed 1` (a bisection over spread sizes in
// tenths of a millimetre, 1,000 legs of 501 per step); `dvk-sim --calibrate` checks them.
// For 110 the search's 6.4 mm reached 110.99 over 10,000 legs, its neighbour 6.5 mm 109.91.
constexpr std::array<AverageLevel, 9> levels = {{
    {30, 32.5},
    {40, 22.4},
    {50, 16.9},
    {60, 13.9},
    {70, 11.6},
    {80, 10.1},
    {90, 8.7},
    {100, 7.5},
    {110, 6.5},
}};

std::optional<double> average_sigma(std::int32_t average) {
    for (const AverageLevel& level : levels) {
        if (level.average == average) {
            return level.sigma;
        }
    }
    return std::nullopt;
}

} // namespace

std::span<const AverageLevel> average_levels() {
    return levels;
}

std::int32_t fitted_level(double sigma) {
    const auto tenths = static_cast<std::int32_t>(std::lround(sigma * 10));
    return fitted_level_base + std::clamp(tenths, fitted_level_tenths_min, fitted_level_tenths_max);
}

std::optional<Spread> spread_for_level(std::int32_t level) {
    if (is_fitted_level(level)) {
        return spread_of_size((level - fitted_level_base) / 10.0);
    }
    if (const auto sigma = average_sigma(level - average_level_base)) {
        return spread_of_size(*sigma);
    }
    return std::nullopt;
}

static_assert(levels.size() == offered_averages.size());

} // namespace dvk
