#pragma once

#include "model/game_options.h"
#include "model/game_record.h"
#include "storage/byte_reader.h"
#include "storage/byte_writer.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace dvk {

// The fixed byte layouts of the records as the recovery file stores them: little-endian,
// 32-bit integers unless noted, pointer slots 32 bits wide and written as zeros.
namespace recovery_layout {

inline constexpr std::uint8_t file_marker = 0x1A;
inline constexpr std::size_t name_field_size = 64;
inline constexpr std::size_t options_size = 184;
inline constexpr std::size_t player_block_size = 308;
inline constexpr std::size_t game_record_size = 684;
inline constexpr std::size_t leg_record_size = 148;

inline constexpr std::size_t game_record_offset = 1 + options_size; // after the marker

// Most score entries (`capacity` + 1 per leg) a recoverable game may hold: far beyond any real
// game (three hundred legs at the highest round limit), small enough that a damaged file can
// never demand a large allocation.
inline constexpr std::size_t max_score_entries = std::size_t{1} << 20U;

// The part of a leg record a cell update rewrites: first_player, round, next_player, rows,
// and with a changed capacity also capacity.
inline constexpr std::size_t leg_turn_state_size = 16;
inline constexpr std::size_t leg_turn_state_with_capacity_size = 20;

// Bytes of the current leg's arrays for capacity C: per player C + 1 scores of two bytes
// followed by C + 1 darts-at-double bytes.
constexpr std::size_t current_leg_arrays_size(std::int32_t capacity) {
    return 6 * (static_cast<std::size_t>(capacity) + 1);
}
constexpr std::size_t player_arrays_size(std::int32_t capacity) {
    return 3 * (static_cast<std::size_t>(capacity) + 1);
}

// A finished leg keeps only its first `round` + 1 scores in the file; a capacity below its
// round grows to hold them when it is read back, and its rows with it.
void fit_finished_leg(LegRecord& leg);
// Why a leg's turn state and counts cannot be played on, or empty: players other than 1 and 2,
// a negative round, fewer rows than rounds, or for the open current leg no row for its open
// round (typed visits could never reach it), more rows than the arrays hold. The loader
// refuses such a leg and the writer never writes one.
std::string leg_problem(const LegRecord& leg, bool current);

// Why `game` cannot be stored (no current leg, a leg `leg_problem` refuses, too many entries),
// or empty.
std::string unwritable_reason(const GameRecord& game);

void write_options(ByteWriter& out, const GameOptions& options);
void write_game_record(ByteWriter& out, const GameRecord& game);
void write_leg_record(ByteWriter& out, const LegRecord& leg);
// A finished leg: its record and each player's first `round` + 1 scores.
void write_finished_leg(ByteWriter& out, const LegRecord& leg);
// The current leg's four arrays of `capacity` + 1 entries.
void write_current_leg_arrays(ByteWriter& out, const GameRecord& game, const LegRecord& leg);

// Readers fill the fixed fields only; arrays and legs are the caller's business.
bool read_options(ByteReader& in, GameOptions& options);
bool read_game_record(ByteReader& in, GameRecord& game);
bool read_leg_record(ByteReader& in, LegRecord& leg);

} // namespace recovery_layout

} // namespace dvk
