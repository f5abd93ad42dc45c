#include "layout/side_window_geometry.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace dvk {
namespace {

constexpr std::string_view ellipsis = "...";
constexpr int default_name_size = 11;

bool is_continuation_byte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte counts of the prefixes that end on a character boundary, shortest first (0 included).
std::vector<std::size_t> character_boundaries(std::string_view text) {
    std::vector<std::size_t> ends{0};
    for (std::size_t i = 1; i <= text.size(); ++i) {
        if (i == text.size() || !is_continuation_byte(text[i])) {
            ends.push_back(i);
        }
    }
    return ends;
}

std::string with_ellipsis(std::string_view text, std::size_t bytes) {
    std::string cut(text.substr(0, bytes));
    cut += ellipsis;
    return cut;
}

// The largest size from 1 to `largest` whose measure is at most `limit`. Text measures grow
// about in proportion to the size, so the largest size's measure gives a close guess; each
// size tried costs the program a font.
int largest_fitting_by_scale(int largest, int limit, const PointMeasure& measure) {
    const auto fits = [&](int p) { return measure(p) <= limit; };
    if (largest < 1) {
        return 0;
    }
    const int at_largest = measure(largest);
    if (at_largest <= limit) {
        return largest;
    }
    const auto guess =
        static_cast<int>(static_cast<std::int64_t>(largest) * limit / std::max(at_largest, 1));
    return largest_fitting_size_near(1, largest - 1, guess, fits);
}

} // namespace

int point_to_pixels(int points, int dpi) {
    return std::max(1, static_cast<int>(static_cast<std::int64_t>(points) * dpi / 72));
}

std::string elide_text(std::string_view text, int width, const TextMeasure& measure) {
    if (measure(std::string(text)) <= width) {
        return std::string(text);
    }
    if (measure(std::string(ellipsis)) > width) {
        return {};
    }
    // Widths grow with the prefix, so the longest prefix that still fits is found by halving.
    const std::vector<std::size_t> ends = character_boundaries(text);
    std::size_t low = 0;                // fits (the bare ellipsis was checked above)
    std::size_t high = ends.size() - 1; // the whole text does not fit
    while (high - low > 1) {
        const std::size_t middle = low + (high - low) / 2;
        if (measure(with_ellipsis(text, ends[middle])) <= width) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return with_ellipsis(text, ends[low]);
}

int largest_fitting_size(int low, int high, const std::function<bool(int)>& fits) {
    // Text grows with its point size, so the sizes that fit form a range from `low` up; a
    // binary search finds its top with a handful of measurements instead of one per point.
    int found = low - 1;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        if (fits(middle)) {
            found = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return found;
}

int largest_fitting_size_near(int low, int high, int guess, const std::function<bool(int)>& fits) {
    if (low > high) {
        return low - 1;
    }
    guess = std::clamp(guess, low, high);
    int step = 1;
    if (fits(guess)) {
        int fitting = guess;
        while (fitting < high) {
            const int next = std::min(high, fitting + step);
            if (!fits(next)) {
                return largest_fitting_size(fitting + 1, next - 1, fits);
            }
            fitting = next;
            step *= 2;
        }
        return fitting;
    }
    int too_large = guess;
    while (too_large > low) {
        const int next = std::max(low, too_large - step);
        if (fits(next)) {
            return largest_fitting_size(next + 1, too_large - 1, fits);
        }
        too_large = next;
        step *= 2;
    }
    return low - 1;
}

int shrink_to_fit(int points, int count, const std::function<bool(int, int)>& fits) {
    if (points <= 1) {
        return points;
    }
    // Usually every text fits at the full size: trying it first saves the search.
    int index = 0;
    while (index < count && fits(points, index)) {
        ++index;
    }
    if (index == count) {
        return points;
    }
    const int smallest = points / 2;
    std::vector<int> fitting;
    for (int text = 0; text < count; ++text) {
        if (fits(smallest, text)) {
            fitting.push_back(text);
        }
    }
    const auto all_fit = [&](int candidate) {
        return std::all_of(fitting.begin(), fitting.end(),
                           [&](int index) { return fits(candidate, index); });
    };
    const int size = largest_fitting_size(smallest + 1, points, all_fit);
    return size > smallest ? size : smallest;
}

int left_score_height(int length, int left_font_size) {
    int divisor = 20;
    if (left_font_size == 20) {
        divisor = 15;
    } else if (left_font_size == 60) {
        divisor = 30;
    }
    return std::max(0, length) / divisor * 5;
}

LeftScoreLayout left_score_layout(int width, int height, const PointMeasure& digits_width) {
    LeftScoreLayout layout;
    layout.frame = std::max(0, height / 26);
    const int available = width - 2 * layout.frame;
    const int largest = height - 10 * layout.frame;
    if (largest <= 0 || available <= 0) {
        layout.points = std::max(largest, 0);
        return layout;
    }
    layout.points = largest_fitting_by_scale(largest, available, digits_width);
    return layout;
}

int name_bar_height(int length, int name_size) {
    const int divisor = name_size >= 1 ? name_size : default_name_size;
    return std::max(0, length) / divisor;
}

int name_bar_font_points(int height, const PointMeasure& font_height) {
    const int limit = height - 2;
    if (limit <= 0) {
        return std::max(height, 0);
    }
    return std::max(largest_fitting_by_scale(height, limit, font_height), 0);
}

std::string name_bar_score_text(const GameRecord& game, const NameBarContent& content) {
    if (content.player_view) {
        return {};
    }
    const PlayerBlock& p0 = game.players[0];
    const PlayerBlock& p1 = game.players[1];
    if (content.sets && content.total_sets) {
        if (content.total_legs) {
            return "(" + std::to_string(p0.sets_won) + ") " + std::to_string(p0.legs_won) + " - " +
                   std::to_string(p1.legs_won) + " (" + std::to_string(p1.sets_won) + ")";
        }
        return "(" + std::to_string(p0.sets_won) + ") - (" + std::to_string(p1.sets_won) + ")";
    }
    if (content.total_legs) {
        return std::to_string(p0.legs_won) + " - " + std::to_string(p1.legs_won);
    }
    return {};
}

std::string name_bar_player_text(const GameRecord& game, int player, const NameBarContent& content,
                                 const ComNameFormats& com_formats) {
    const PlayerBlock& block = game.players[player == 1 ? 1 : 0];
    std::string name =
        block.com != 0 ? com_player_name(block.com_level, block.name, com_formats) : block.name;
    if (content.first_marker && !content.player_view && content.first_player == player) {
        name.insert(0, "* ");
    }
    return name;
}

std::array<NameBand, 2> name_bar_bands(int width, int score_width, int char_width) {
    const int w = score_width > 0 ? score_width + char_width / 2 : 0;
    const int margin = char_width / 2;
    // Half a character apart from the score on both sides, so that neither name touches it.
    return {NameBand{margin, width / 2 - w / 2 - margin},
            NameBand{width / 2 + w / 2 + margin, width - margin}};
}

int guide_bar_height(int length) {
    return std::max(0, length) / 10;
}

int guide_font_points(int height, const PointMeasure& font_height) {
    const int limit = height / 2 - 6;
    if (limit <= 0) {
        return std::max(height / 2, 0);
    }
    return std::max(largest_fitting_by_scale(height / 2, limit, font_height), 0);
}

GuideSlotBox guide_slot_box(int slot, int width, int height) {
    const int index = std::clamp(slot, 1, guide_slot_count) - 1;
    const int row_height = std::max(0, height / 2 - 2);
    GuideSlotBox box;
    box.width = std::max(0, width / guide_slots_per_row);
    box.left = index % guide_slots_per_row * box.width;
    box.top = index < guide_slots_per_row ? 2 : 2 + row_height + 1;
    box.height = row_height;
    return box;
}

GuideSlotBox guide_cap_box(const GuideSlotBox& slot, int cap_width) {
    return {slot.left + 1, slot.top + 1, std::max(0, cap_width - 1), std::max(0, slot.height - 2)};
}

GuideSlotBox guide_name_box(const GuideSlotBox& slot, int cap_width) {
    const int left = slot.left + cap_width + 2;
    return {left, slot.top, std::max(0, slot.left + slot.width - left), slot.height};
}

int guide_slot_at(int x, int y, int width, int height) {
    const int column_width = width / guide_slots_per_row;
    const int row_height = height / 2;
    if (column_width <= 0 || row_height <= 0 || x < 0 || y < 0) {
        return 0;
    }
    const int column = x / column_width;
    const int row = y / row_height;
    if (column >= guide_slots_per_row || row >= 2) {
        return 0;
    }
    return column + row * guide_slots_per_row + 1;
}

} // namespace dvk
