#pragma once

#include "model/game_options.h"
#include "model/game_record.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace dvk {

// The numbers a game can be played with. Everything that sizes a leg or feeds the statistics
// passes through these ranges when it comes from a file, so a damaged or hand-edited file can
// neither demand a huge allocation nor drive a counter to the end of its 32 bits.
inline constexpr std::int32_t min_start_score = 2;
inline constexpr std::int32_t max_start_score = 99999;
inline constexpr std::int32_t min_rounds = 1;
inline constexpr std::int32_t max_rounds = 3333;
inline constexpr std::int32_t min_legs = 1;
inline constexpr std::int32_t max_legs = 99999;
// Rounds a leg can hold. A leg without a round limit grows ten rounds at a time; no leg that is
// played comes near this.
inline constexpr std::int32_t max_leg_capacity = 99999;
inline constexpr std::int32_t max_game_index = 999'999;

// A visit's entry: points 0 to 180, or minus the darts of a winning check-out.
inline constexpr std::int16_t min_visit_entry = -3;
inline constexpr std::int16_t max_visit_entry = 180;

// Brings every number of a game options record into range: start scores, rounds and legs are
// clamped; a handicap of 0 or less keeps meaning "none"; a computer level the program does
// not know becomes the nearest table level (see com_levels.h).
void bound_game_options(GameOptions& options);

// Brings a game record read from a file into range. Values that only count or describe are
// clamped; a schedule game that names no entry of its `schedule_entries` or a visit that no
// dart could score makes the record unplayable. Returns why, or an empty text when it can be
// played.
std::string bound_game_record(GameRecord& game, std::size_t schedule_entries);

} // namespace dvk
