#pragma once

#include "com/board.h"
#include "com/normal_source.h"

namespace dvk {

// How far a thrower's darts land from the point aimed at: normal spreads with their standard
// deviations in millimetres, sideways (x) and up and down (y), and one for darts aimed at a
// double, where players take more care than at a treble.
struct Spread {
    double sideways = 0;
    double vertical = 0;
    double at_double = 0;

    bool operator==(const Spread&) const = default;
};

// Sideways over up-and-down spread of measured professional throws at treble 20 (about 9.5 mm
// and 6.7 mm); the modelled players keep that shape at every size.
inline constexpr double sideways_to_vertical = 1.19;

// A spread of overall size `sigma` mm (the geometric mean of its two axes) with the measured
// shape; darts at a double scatter by `sigma` in every direction.
Spread spread_of_size(double sigma);

// Where a dart aimed at `aim` lands with standard deviations `sx` and `sy`.
inline BoardPoint scatter(BoardPoint aim, double sx, double sy, NormalSource& source) {
    double dx = 0;
    double dy = 0;
    source.normal_pair(dx, dy);
    return {aim.x + dx * sx, aim.y + dy * sy};
}

} // namespace dvk
