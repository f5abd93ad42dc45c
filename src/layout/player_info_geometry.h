#pragma once

#include "layout/player_info_rows.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace dvk {

// Point sizes of the window's main, small (counts) and large (values under labels) fonts.
struct PlayerInfoFontSizes {
    int main = 9;
    int small = 9;
    int large = 14;

    bool operator==(const PlayerInfoFontSizes&) const = default;
};

// The sizes a window of `width` starts from: a tenth of the width (a fourteenth with the long
// check-out label), never below 9 points; the large font a fifth, never below 14.
PlayerInfoFontSizes player_info_start_sizes(int width, bool long_label);

// Text heights in pixels and the gap after each row.
struct PlayerInfoMetrics {
    int line = 0;
    int small_line = 0;
    int large_line = 0;
    int gap = 0;
    bool large_form = false;

    bool operator==(const PlayerInfoMetrics&) const = default;
};

// Text heights of the window's fonts at a point size, as the window measures them. `header`
// gives the name header's height for a main font size, 0 when the window has no header.
struct PlayerInfoMeasure {
    std::function<int(int points)> main_line;
    std::function<int(int points)> small_line;
    std::function<int(int points)> large_line;
    std::function<int(int points)> header;
};

struct PlayerInfoFitRequest {
    int width = 0;
    int height = 0;
    bool long_label = false;
    bool fixed_fonts = false; // keep the start sizes whatever the height
    bool large_form = false;
};

struct PlayerInfoFit {
    PlayerInfoFontSizes sizes;
    PlayerInfoMetrics metrics;
    int header_height = 0;
};

// Fits the fonts to the window: from the start sizes, the row gap (half the line height) is
// lowered one pixel at a time, then all fonts one point, until the header and `skeleton` fit
// the height or the fonts reach their smallest sizes.
PlayerInfoFit fit_player_info_fonts(const PlayerInfoFitRequest& request,
                                    const std::vector<PlayerInfoRow>& skeleton,
                                    const PlayerInfoMeasure& measure);

// Left edges: of labels (values end as far from the right edge), of section titles and of
// check-out suggestions. `figure_width` is the width of the check-out label with ": 188.88",
// `suggestion_width` that of "S88-S88-S88".
struct PlayerInfoIndent {
    int label = 0;
    int title = 0;
    int suggestion = 0;

    bool operator==(const PlayerInfoIndent&) const = default;
};

PlayerInfoIndent player_info_indent(int width, int figure_width, int suggestion_width,
                                    int average_char_width, bool large_font);

enum class PlayerInfoFont { main, small, large };
enum class PlayerInfoAlign { left, right, centre };
enum class PlayerInfoPart { label, value };

// One text of a row in content coordinates, vertically centred in its box.
struct PlayerInfoPlacement {
    std::size_t row = 0;
    PlayerInfoPart part = PlayerInfoPart::label;
    PlayerInfoFont font = PlayerInfoFont::main;
    PlayerInfoAlign align = PlayerInfoAlign::left;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PlayerInfoPlacement&) const = default;
};

struct PlayerInfoLayout {
    std::vector<PlayerInfoPlacement> placements;
    int content_height = 0;
};

// Places the rows top to bottom. A figure's value sits on the label's line, right-aligned, or
// in the large form centred under it in the large font; counts move up by the gap and take the
// small font (the main font, centred, in the large form). The gap after the last figure is not
// part of the content.
PlayerInfoLayout place_player_info_rows(const std::vector<PlayerInfoRow>& rows,
                                        const PlayerInfoMetrics& metrics,
                                        const PlayerInfoIndent& indent, int width);

int player_info_content_height(const std::vector<PlayerInfoRow>& rows,
                               const PlayerInfoMetrics& metrics);

} // namespace dvk
