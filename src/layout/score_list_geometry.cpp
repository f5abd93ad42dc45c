#include "layout/score_list_geometry.h"

namespace dvk {

ScoreListColumns score_list_columns(int width) {
    ScoreListColumns c;
    c.width = width;
    const long long u = static_cast<long long>(width) * 100 / 17;
    const auto edge = [u](int parts) { return static_cast<int>(parts * u / 100); };
    c.scored_left[0] = 0;
    c.scored_right[0] = edge(3);
    c.to_go_left[0] = edge(3) + 1;
    c.to_go_right[0] = edge(7);
    c.round_left = edge(7);
    c.round_right = edge(10);
    c.scored_left[1] = edge(10);
    c.scored_right[1] = edge(13);
    c.to_go_left[1] = edge(13) + 1;
    c.to_go_right[1] = width;
    return c;
}

int score_list_hit_column(const ScoreListColumns& columns, int x) {
    if (x >= 0 && x < columns.to_go_right[0]) {
        return 0;
    }
    if (x >= columns.scored_left[1] && x < columns.width) {
        return 1;
    }
    return -1;
}

int score_font_points(int width, bool view_only) {
    return width / (view_only ? 22 : 17);
}

int header_font_points(int width) {
    return width / 34;
}

int score_list_row_height(int text_height) {
    return text_height + text_height / 6;
}

int score_list_rows_per_page(int client_height, int header_height, int row_height) {
    if (row_height <= 0) {
        return 0;
    }
    const int rows = (client_height - header_height + 1) / row_height;
    return rows > 0 ? rows : 0;
}

} // namespace dvk
