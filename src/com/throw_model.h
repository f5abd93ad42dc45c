#pragma once

#include "com/com_dart.h"
#include "com/com_random.h"

#include <cstdint>

namespace dvk {

// Hit rates of one level, in percent per roll.
struct ThrowRates {
    std::int32_t single = 0;
    std::int32_t double_ring = 0;
    std::int32_t treble = 0;
};

// The model's top column: every dart lands where it is aimed. Levels offered to the user are
// 0 to 11.
inline constexpr std::int32_t perfect_level = 12;

// The rates of a level index; below 0 reads as 0, above the top column as the top column.
ThrowRates throw_rates(std::int32_t level);

// The neighbour of board number `number` (1-20): side 0 anticlockwise, side 1 clockwise.
std::int32_t board_neighbour(std::int32_t number, std::int32_t side);

// Where a dart aimed at `number` with `multiplier` lands for a player of `level`. A dart that
// misses its ring drifts to a neighbour (one side per dart) until it lands. Numbers off the
// board score nothing; a multiplier outside 1-3 aims at the single.
ComDart simulate_dart(std::int32_t level, std::int32_t number, std::int32_t multiplier,
                      ComRandom& random);

} // namespace dvk
