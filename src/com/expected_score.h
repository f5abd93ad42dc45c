#pragma once

#include "com/board.h"

#include <vector>

namespace dvk {

// The expected points of one dart for every aiming point on a 1 mm grid over the scoring
// area, for one normal spread. The board's points are averaged over each cell once; the
// spread is applied as two one-dimensional convolutions, which is exact for a spread whose
// axes are the board's axes.
class ExpectedScoreField {
public:
    static constexpr int half_width = 170; // grid points from the centre to each edge, 1 mm apart

    ExpectedScoreField(double sideways, double vertical);

    // Expected points of a dart aimed at `aim`, interpolated between grid points; 0 off the grid.
    double at(BoardPoint aim) const;

    // The grid point inside the scoring area with the highest expected points.
    BoardPoint best_aim() const;
    double best_score() const { return at(best_aim()); }

private:
    static constexpr int side = 2 * half_width + 1;

    double value(int column, int row) const {
        return m_values[static_cast<std::size_t>(row) * side + static_cast<std::size_t>(column)];
    }

    std::vector<double> m_values;
};

// Expected points of one dart aimed at `aim`, integrated directly over a fine grid of `step`
// mm with the exact normal weight of each cell. Slow; it checks the field.
double expected_score_direct(BoardPoint aim, double sideways, double vertical, double step = 0.2);

} // namespace dvk
