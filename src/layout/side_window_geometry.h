#pragma once

#include "com/com_player_name.h"
#include "model/game_record.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace dvk {

// A font measurement (a text's width or the font's height, in pixels) at a point size.
using PointMeasure = std::function<int(int points)>;
// The width of a text in pixels in the font being fitted.
using TextMeasure = std::function<int(const std::string& text)>;

// Pixel size of a font of `points` on a screen of `dpi` dots per inch; at least 1.
int point_to_pixels(int points, int dpi);

// Largest prefix of `text` (whole UTF-8 characters) that fits `width` with "..." appended, or
// the whole text when it fits. Empty when not even the ellipsis fits.
std::string elide_text(std::string_view text, int width, const TextMeasure& measure);

// The largest size from `low` to `high` for which `fits` holds, given that every size below a
// fitting one fits too; `low` - 1 when none does.
int largest_fitting_size(int low, int high, const std::function<bool(int)>& fits);

// As largest_fitting_size, but starting the search at `guess` (clamped to the range) and
// widening by doubling steps, so a guess one or two off costs three to five measurements.
int largest_fitting_size_near(int low, int high, int guess, const std::function<bool(int)>& fits);

// A label font's size for `count` texts: the largest size from `points` down to half of it at
// which every text fits (`fits(size, index)`) that fits at half the size at all. A text too
// long even then is cut anyway and does not shrink the others further.
int shrink_to_fit(int points, int count, const std::function<bool(int size, int index)>& fits);

// ---- Left-score window ----

// Height of a left-score window for `length` (the smaller side of the main window's client
// area). The larger the number, the smaller the divisor; an unknown size counts as medium.
int left_score_height(int length, int left_font_size);

struct LeftScoreLayout {
    int frame = 0;  // width of the active frame; 0 in a very low window
    int points = 0; // size of the number font, fitted so that "8888" fits between the frames
};

// `digits_width` measures "8888" at a point size: the largest size from the height down that
// fits, found from a guess scaled from the largest size's width.
LeftScoreLayout left_score_layout(int width, int height, const PointMeasure& digits_width);

// ---- Player-name window ----

// Bar height for `length`; a divisor below 1 from a damaged settings file counts as the default.
int name_bar_height(int length, int name_size);

// Largest point size from `height` down whose font (measured by `font_height`) leaves a pixel
// above and below.
int name_bar_font_points(int height, const PointMeasure& font_height);

// What the bar shows besides the names.
struct NameBarContent {
    bool sets = false;        // the game's legs count as sets
    bool total_sets = true;   // show sets won
    bool total_legs = true;   // show legs won
    bool first_marker = true; // mark the first thrower
    bool player_view = false; // the player information windows are shown and carry score and
                              // marker instead
    int first_player = 0;
};

// The sets and legs between the names; empty when none is shown.
std::string name_bar_score_text(const GameRecord& game, const NameBarContent& content);

// A player's name as shown: a computer player by `com_formats` (see com_player_name.h),
// preceded by "* " for the first thrower.
std::string name_bar_player_text(const GameRecord& game, int player, const NameBarContent& content,
                                 const ComNameFormats& com_formats);

struct NameBand {
    int left = 0;
    int right = 0;
    int width() const { return right > left ? right - left : 0; }
};

// Where the two names go in a bar of `width`: player 0 left of the score text (of pixel width
// `score_width`, 0 without one), player 1 right of it, each half a character (`char_width` is
// the font's average character width) from the bar's edge and from the score.
std::array<NameBand, 2> name_bar_bands(int width, int score_width, int char_width);

// ---- Function-key guide bar ----

inline constexpr int guide_slot_count = 12;
inline constexpr int guide_slots_per_row = 6;

// Bar height for `length`.
int guide_bar_height(int length);

// Label font size for a bar of `height`: half the bar, lowered until the font (measured by
// `font_height`) leaves room in its row.
int guide_font_points(int height, const PointMeasure& font_height);

struct GuideSlotBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Slot 1 to 12 of a bar of `width` × `height`: F1 to F6 in the upper row, F7 to F12 below.
GuideSlotBox guide_slot_box(int slot, int width, int height);

// The key cap of a slot, `cap_width` wide (the width of "F188" in the label font).
GuideSlotBox guide_cap_box(const GuideSlotBox& slot, int cap_width);

// Where a slot's command name goes: right of the cap to the slot's right edge.
GuideSlotBox guide_name_box(const GuideSlotBox& slot, int cap_width);

// The slot under a point, 1 to 12, or 0 outside the slot grid (including the few pixels right
// of the last column when the width is not a multiple of six).
int guide_slot_at(int x, int y, int width, int height);

} // namespace dvk
