#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace dvk {

// One dart thrown by the computer: number 1-20, 25 for the bull or 0 for a dart that scores
// nothing; multiplier 1 single, 2 double, 3 treble.
struct ComDart {
    std::int32_t number = 0;
    std::int32_t multiplier = 1;

    std::int32_t points() const { return number * multiplier; }
    bool is_double() const { return multiplier == 2; }

    // "0" for a dart without points, else "S20", "D25", "T19".
    std::string text() const;

    bool operator==(const ComDart&) const = default;
};

// The three darts of one COM visit.
using ComDarts = std::array<ComDart, 3>;

// Points of the first `thrown` darts of a visit.
std::int32_t darts_sum(const ComDarts& darts, int thrown);

} // namespace dvk
