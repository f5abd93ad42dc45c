#pragma once

#include "layout/window_layout.h"

#include <array>

namespace dvk {

// Height of every line of the game history list, in pixels.
inline constexpr int history_line_height = 24;

// The four columns of a history line, left to right: the start score, the sets or leg number,
// and one column per player.
struct HistoryLineColumns {
    std::array<int, 4> left{};
    std::array<int, 4> right{};
};

// Columns of a line `width` pixels wide: from 4 pixels in to a sixth, a sixth to a third, a
// third to two thirds, two thirds to the full width.
HistoryLineColumns history_line_columns(int width);

// The darts boxes of a leg line and the line that joins them at mid-height.
struct HistoryLegBoxes {
    std::array<LayoutRect, 2> box;
    int join_y = 0;
    int join_left = 0;  // right edge of the first box
    int join_right = 0; // left edge of the second box
};

// Boxes `box_width` wide (the width of "8888"), centred in the player columns of a line at
// `top` and inset by a pixel at top and bottom.
HistoryLegBoxes history_leg_boxes(const HistoryLineColumns& columns, int top, int box_width);

} // namespace dvk
