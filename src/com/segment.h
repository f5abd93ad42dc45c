#pragma once

#include <cstdint>
#include <string_view>

namespace dvk {

// A dartboard segment: number 1-20, 25 for the bull, 0 for no number; multiplier 1 single,
// 2 double, 3 treble.
struct Segment {
    std::int32_t number = 0;
    std::int32_t multiplier = 1;

    bool operator==(const Segment&) const = default;
};

inline constexpr std::int32_t bull_number = 25;

// Reads a segment name such as "T20", "D25" or "S5". The multiplier comes from the first
// character alone ('D' double, 'T' treble, anything else single); the number is the run of
// digits from the first digit on, 0 when the name has none. So "20" and "S20" are the same
// and "X7" is single 7.
Segment parse_segment(std::string_view name);

// Points of a segment name (number times multiplier), held at the largest 32-bit value.
std::int32_t segment_value(std::string_view name);

// True when the throw model knows the segment's number (1-20 or the bull).
bool is_board_number(std::int32_t number);

// The target aimed at when the COM table has nothing to offer, from the settings'
// number and segment: a number that is not on the board becomes 20; the bull takes single or
// double (else double), other numbers single, double or treble (else treble).
Segment default_target(std::int32_t number, std::int32_t multiplier);

} // namespace dvk
