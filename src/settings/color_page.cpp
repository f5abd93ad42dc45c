#include "settings/color_page.h"

#include <algorithm>
#include <initializer_list>
#include <stdexcept>

namespace dvk {
namespace {

ColorItem item_named(std::string_view key) {
    const std::optional<ColorItem> item = color_item_for_key(key);
    if (!item) {
        throw std::logic_error("unknown colour key");
    }
    return *item;
}

ColorItem first_equal(std::uint32_t color, const AppOptions& options,
                      std::initializer_list<ColorItem> candidates, ColorItem otherwise) {
    for (const ColorItem item : candidates) {
        if (options.color(item) == color) {
            return item;
        }
    }
    return otherwise;
}

} // namespace

const std::array<const char*, color_count>& color_page_keys() {
    static constexpr std::array<const char*, color_count> keys = {
        "background",
        "odd_background",
        "scored_text",
        "text",
        "header_background",
        "header_text",
        "last3number_text",
        "line",
        "separate",
        "ton_circle",
        "input_background",
        "input_text",
        "input_select_background",
        "input_select_text",
        "left_background",
        "left_text",
        "left_active_border",
        "player_name_background",
        "player_name_text",
        "player_background",
        "player_text",
        "player_info_title",
        "guide_background",
        "guide_text",
        "guide_select_background",
        "guide_select_text",
        "guide_box_background",
        "guide_box_text",
        "guide_box_frame",
        "guide_box_disable",
        "view_separate",
    };
    return keys;
}

std::optional<ColorItem> color_item_for_key(std::string_view key) {
    const auto& settings = color_settings();
    const auto found = std::find_if(settings.begin(), settings.end(),
                                    [&](const ColorSetting& s) { return key == s.key; });
    if (found == settings.end()) {
        return std::nullopt;
    }
    return static_cast<ColorItem>(found - settings.begin());
}

ColorItem color_page_item(std::size_t index) {
    return item_named(color_page_keys().at(index));
}

std::size_t color_page_index(ColorItem item) {
    const std::string_view key = color_settings().at(static_cast<std::size_t>(item)).key;
    const auto& keys = color_page_keys();
    return static_cast<std::size_t>(
        std::find_if(keys.begin(), keys.end(), [&](const char* k) { return key == k; }) -
        keys.begin());
}

void reset_colors(AppOptions& options) {
    for (std::size_t i = 0; i < color_count; ++i) {
        options.colors[i] = color_settings()[i].default_value;
    }
}

ColorItem picked_color_item(PreviewWindow window, std::uint32_t color, const AppOptions& options) {
    switch (window) {
    case PreviewWindow::ScoreList:
        return first_equal(color, options,
                           {ColorItem::background, ColorItem::odd_background,
                            ColorItem::header_background, ColorItem::input_background,
                            ColorItem::scored_text},
                           ColorItem::text);
    case PreviewWindow::PlayerInformation:
        return first_equal(color, options,
                           {ColorItem::player_background, ColorItem::player_name_background,
                            ColorItem::player_name_text},
                           ColorItem::player_text);
    case PreviewWindow::LeftScore:
        break;
    }
    return first_equal(color, options, {ColorItem::left_background, ColorItem::left_active_border},
                       ColorItem::left_text);
}

} // namespace dvk
