#include "layout/history_line_geometry.h"

namespace dvk {

HistoryLineColumns history_line_columns(int width) {
    HistoryLineColumns columns;
    const int sixth = width / 6;
    const int third = width / 3;
    const int two_thirds = width * 2 / 3;
    columns.left = {4, sixth, third, two_thirds};
    columns.right = {sixth, third, two_thirds, width};
    return columns;
}

HistoryLegBoxes history_leg_boxes(const HistoryLineColumns& columns, int top, int box_width) {
    HistoryLegBoxes boxes;
    for (std::size_t player = 0; player < 2; ++player) {
        const int left = columns.left[player + 2];
        const int right = columns.right[player + 2];
        boxes.box[player] = LayoutRect{left + (right - left - box_width) / 2, top + 1, box_width,
                                       history_line_height - 2};
    }
    boxes.join_y = top + history_line_height / 2;
    boxes.join_left = boxes.box[0].x + boxes.box[0].width;
    boxes.join_right = boxes.box[1].x;
    return boxes;
}

} // namespace dvk
