#include "settings/app_options.h"

#include "settings/builtin_tables.h"

namespace dvk {

const std::array<ColorSetting, color_count>& color_settings() {
    static constexpr std::array<ColorSetting, color_count> settings = {{
        {"background", rgb(255, 255, 255)},
        {"odd_background", rgb(255, 255, 255)},
        {"scored_text", rgb(0, 0, 0)},
        {"text", rgb(0, 0, 0)},
        {"header_background", rgb(201, 201, 201)},
        {"header_text", rgb(0, 0, 0)},
        {"last3number_text", rgb(128, 0, 0)},
        {"line", rgb(85, 85, 85)},
        {"separate", rgb(0, 0, 0)},
        {"ton_circle", rgb(160, 160, 160)},
        {"input_background", rgb(255, 255, 128)},
        {"input_text", rgb(0, 0, 0)},
        {"input_select_background", rgb(10, 36, 106)},
        {"input_select_text", rgb(255, 255, 255)},
        {"left_background", rgb(255, 255, 255)},
        {"left_text", rgb(0, 0, 0)},
        {"left_active_border", rgb(10, 36, 106)},
        {"player_name_background", rgb(10, 36, 106)},
        {"player_name_text", rgb(255, 255, 255)},
        {"player_background", rgb(201, 201, 201)},
        {"player_text", rgb(0, 0, 0)},
        {"player_info_title", rgb(10, 36, 106)},
        {"view_separate", rgb(0, 0, 0)},
        {"guide_background", rgb(201, 201, 201)},
        {"guide_text", rgb(0, 0, 0)},
        {"guide_select_background", rgb(10, 36, 106)},
        {"guide_select_text", rgb(255, 255, 255)},
        {"guide_box_background", rgb(255, 255, 255)},
        {"guide_box_text", rgb(0, 0, 0)},
        {"guide_box_frame", rgb(0, 0, 0)},
        {"guide_box_disable", rgb(128, 128, 128)},
    }};
    return settings;
}

AppOptions default_options(const OptionsEnvironment& environment) {
    AppOptions options;
    options.game.round_limit = environment.japanese_locale ? 1 : 0;
    options.game.p1_name = environment.player1_name;
    options.game.p2_name = environment.player2_name;
    options.schedule = builtin_schedule(environment);
    for (std::size_t i = 0; i < color_count; ++i) {
        options.colors[i] = color_settings()[i].default_value;
    }
    options.font_name = environment.font_name;
    options.keys = builtin_key_table();
    return options;
}

} // namespace dvk
