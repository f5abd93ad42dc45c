#pragma once

#include "com/arrange_table.h"
#include "com/board.h"
#include "com/com_dart.h"
#include "com/normal_source.h"
#include "com/segment.h"
#include "com/spread.h"

#include <array>
#include <cstdint>

namespace dvk {

// What a modelled thrower aims at for one dart.
struct SpreadAim {
    BoardPoint point;
    // The segment aimed at; number 0 when the dart goes for the most points (the scoring aim).
    Segment target;
    bool at_double() const { return target.multiplier == 2 && target.number != 0; }
};

// A computer player that throws like a person: every dart lands at the aiming point plus a
// normal spread. While no finish is in reach it aims where its spread scores most; from 170
// down it follows the check-out table's ways, taking the first way that fits the darts left in
// the visit, and where none fits it sets up the finish that is easiest to reach.
class SpreadPlayer {
public:
    // Scores up to this are planned from the check-out table.
    static constexpr std::int32_t finish_range = 170;

    SpreadPlayer(const Spread& spread, const ArrangeTable& check_out);

    const Spread& spread() const { return m_spread; }
    BoardPoint scoring_aim() const { return m_scoring_aim; }

    // The aim for a dart with `left` points needed and `darts_left` darts (1 to 3) in the visit.
    SpreadAim aim(std::int32_t left, int darts_left) const;

    // Throws one dart at `aim`; darts at a double scatter with the double spread.
    ComDart throw_at(const SpreadAim& aim, NormalSource& source) const;

private:
    static constexpr int max_darts = 3;

    Spread m_spread;
    BoardPoint m_scoring_aim;
    // Finish targets by score left (index 0 to finish_range) and darts left minus one.
    std::array<std::array<Segment, max_darts>, finish_range + 1> m_plan{};
};

// The aiming point where a spread of these two axes scores most, computed once per spread for
// the life of the program.
BoardPoint best_scoring_aim(double sideways, double vertical);

} // namespace dvk
