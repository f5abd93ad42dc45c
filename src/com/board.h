#pragma once

#include "com/com_dart.h"
#include "com/segment.h"

#include <cstdint>

namespace dvk {

// A point on the face of a standard board in millimetres: the origin is the centre of the
// bull, x runs to the right and y upwards (towards the 20).
struct BoardPoint {
    double x = 0;
    double y = 0;
};

// The rings of a standard board, measured from the centre to the outer edge of each ring's
// wire, in millimetres.
namespace board_mm {
inline constexpr double bull = 6.35;
inline constexpr double outer_bull = 15.9;
inline constexpr double treble_inner = 99.0;
inline constexpr double treble_outer = 107.0;
inline constexpr double double_inner = 162.0;
inline constexpr double double_outer = 170.0;
} // namespace board_mm

// The number of the sector at `angle_degrees`, measured clockwise from straight up; the 20 is
// centred on 0. An angle on the wire between two sectors belongs to the sector clockwise of
// it.
std::int32_t sector_at(double angle_degrees);

// Where a dart at `p` scores, as the rest of the program knows darts: the bull's eye is
// D25, the outer bull S25, a dart off the scoring area 0. A point on a ring wire belongs to
// the ring inside it.
ComDart dart_at(BoardPoint p);

// The point to aim at for a segment: the middle of its ring and sector (for the large single
// the wider inner part). The bull and the outer bull are aimed at the centre; a number that
// is not on the board is aimed at the centre too.
BoardPoint aim_point(Segment target);

} // namespace dvk
