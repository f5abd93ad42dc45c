#pragma once

#include "settings/app_options.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace dvk {

// The colour list of the view option page, as settings keys in the order the list shows them.
// The list's order is not the record's ("View Separate" comes last in the list), so an item
// reaches its field through its key, never through its position.
const std::array<const char*, color_count>& color_page_keys();

// The colour of the options record that a settings key of section "color" names.
std::optional<ColorItem> color_item_for_key(std::string_view key);

// The colour at a position of the list, and the position of a colour.
ColorItem color_page_item(std::size_t index);
std::size_t color_page_index(ColorItem item);

// Sets every colour back to its default.
void reset_colors(AppOptions& options);

// The windows of the colour preview.
enum class PreviewWindow { ScoreList, PlayerInformation, LeftScore };

// The item a click on a preview window chooses: among the colours that window paints with,
// the first one (in a fixed order per window) equal to the colour under the pointer, else the
// window's text colour.
ColorItem picked_color_item(PreviewWindow window, std::uint32_t color, const AppOptions& options);

} // namespace dvk
