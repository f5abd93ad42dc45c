#pragma once

#include "com/spread.h"
#include "model/com_levels.h"

#include <cstdint>
#include <optional>
#include <span>

namespace dvk {

// One offered average level with the spread that plays it, found by simulation.
struct AverageLevel {
    std::int32_t average = 0;
    double sigma = 0; // the spread's size, see `spread_of_size`
};

// The offered average levels (see com_levels.h), weakest first.
std::span<const AverageLevel> average_levels();

// A fitted level for a spread of size `sigma` mm, held within the stored range.
std::int32_t fitted_level(double sigma);

// The spread of a spread level; nothing for any other level.
std::optional<Spread> spread_for_level(std::int32_t level);

} // namespace dvk
