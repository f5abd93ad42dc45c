#pragma once

namespace dvk {

// Column edges of the score list for a client width: per player a "Scored" and a "To Go"
// column around the column of round numbers.
struct ScoreListColumns {
    int width = 0;
    int scored_left[2] = {0, 0};
    int scored_right[2] = {0, 0};
    int to_go_left[2] = {0, 0};
    int to_go_right[2] = {0, 0};
    int round_left = 0;
    int round_right = 0;
};

ScoreListColumns score_list_columns(int width);

// The player whose columns hold x, or -1 for the round column and outside.
int score_list_hit_column(const ScoreListColumns& columns, int x);

// Point sizes of the score and header fonts for a width.
int score_font_points(int width, bool view_only);
int header_font_points(int width);

// A row is the font's text height and a sixth of it.
int score_list_row_height(int text_height);

// Whole rows that fit under the header.
int score_list_rows_per_page(int client_height, int header_height, int row_height);

} // namespace dvk
