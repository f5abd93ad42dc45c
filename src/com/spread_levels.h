#pragma once

#include "com/spread.h"

#include <cstdint>
#include <optional>
#include <span>

namespace dvk {

// Computer players modelled on a real board, stored in the same `com_level` field as the
// twelve table levels (0 to 11), far above them so that no file that uses only those changes:
//   1000 + A   a player whose 3-dart match average is about A (the offered averages below);
//   2000 + T   a player fitted to someone's visits, with a spread of T tenths of a millimetre.
// Any other stored value at or above 1000 is unknown to the program; it plays as
// `unknown_level_fallback` and the user is told.
inline constexpr std::int32_t average_level_base = 1000;
inline constexpr std::int32_t fitted_level_base = 2000;
inline constexpr std::int32_t fitted_level_tenths_min = 20;  // 2.0 mm
inline constexpr std::int32_t fitted_level_tenths_max = 999; // 99.9 mm
inline constexpr std::int32_t unknown_level_fallback = 11;   // "Level 12"

// One offered average level with the spread that plays it, found by simulation.
struct AverageLevel {
    std::int32_t average = 0;
    double sigma = 0; // the spread's size, see `spread_of_size`
};

// The offered average levels, weakest first.
std::span<const AverageLevel> average_levels();

// The stored level of an average level, and back.
inline constexpr std::int32_t average_level(std::int32_t average) {
    return average_level_base + average;
}

// A fitted level for a spread of size `sigma` mm, held within the stored range.
std::int32_t fitted_level(double sigma);

// True for a stored level that the program plays with a spread.
bool is_spread_level(std::int32_t level);

// True for every stored level the program knows: the table levels and the spread levels.
bool is_known_com_level(std::int32_t level);

// The spread of a spread level; nothing for any other level.
std::optional<Spread> spread_for_level(std::int32_t level);

} // namespace dvk
