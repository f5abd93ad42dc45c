#pragma once

#include <array>
#include <cstdint>

namespace dvk {

// The computer levels a player block or a game options record can hold in `com_level`.
//   0 to 11    the twelve table levels, shown as "Level 1" to "Level 12";
//   1000 + A   a player modelled on a real board whose 3-dart match average is about A, for
//              each A of `offered_averages`;
//   2000 + T   a modelled player fitted to someone's visits, with a spread of T tenths of a
//              millimetre (20 to 999).
// The modelled levels sit far above the table levels so that a file using only those reads
// and writes as it always has. Any other stored value plays as `fallback_com_level`, the top
// table level, as levels above it always have.
inline constexpr std::int32_t top_table_level = 11;
inline constexpr std::int32_t fallback_com_level = top_table_level;
inline constexpr std::int32_t average_level_base = 1000;
inline constexpr std::int32_t fitted_level_base = 2000;
inline constexpr std::int32_t fitted_level_tenths_min = 20;
inline constexpr std::int32_t fitted_level_tenths_max = 999;
inline constexpr std::array<std::int32_t, 9> offered_averages = {30, 40, 50,  60, 70,
                                                                 80, 90, 100, 110};

inline constexpr std::int32_t average_level(std::int32_t average) {
    return average_level_base + average;
}

inline constexpr bool is_average_level(std::int32_t level) {
    for (const std::int32_t average : offered_averages) {
        if (level == average_level(average)) {
            return true;
        }
    }
    return false;
}

inline constexpr bool is_fitted_level(std::int32_t level) {
    return level >= fitted_level_base + fitted_level_tenths_min &&
           level <= fitted_level_base + fitted_level_tenths_max;
}

// A level the modelled players play.
inline constexpr bool is_spread_level(std::int32_t level) {
    return is_average_level(level) || is_fitted_level(level);
}

inline constexpr bool is_table_level(std::int32_t level) {
    return level >= 0 && level <= top_table_level;
}

// A stored value in the range of the modelled levels that names none of them, as a file of a
// later version of the program may hold: it plays as `fallback_com_level`, and the user is told.
inline constexpr bool is_unknown_com_level(std::int32_t level) {
    return level >= average_level_base && !is_spread_level(level);
}

// The level a stored value plays: itself when it is a table or modelled level, 0 below 0,
// else `fallback_com_level`.
inline constexpr std::int32_t playable_com_level(std::int32_t level) {
    if (is_table_level(level) || is_spread_level(level)) {
        return level;
    }
    return level < 0 ? 0 : fallback_com_level;
}

} // namespace dvk
