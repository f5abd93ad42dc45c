#pragma once

// Section and key names shared by loading and saving, so that both always agree.

#include "settings/app_options.h"

#include <array>
#include <cstdint>
#include <string>

namespace dvk::option_keys {

struct IntKey {
    const char* key;
    std::int32_t AppOptions::*field;
};

struct PlayerKey {
    const char* key;
    std::int32_t PlayerInfoOptions::*field;
};

// One key of a game options record: either a number or a text.
struct GameKey {
    const char* key;
    std::int32_t GameOptions::*number;
    std::string GameOptions::*text;
    bool in_schedule; // schedule entries always limit the legs and store no leg_limit
};

inline constexpr std::array<IntKey, 3> window_keys = {{
    {"state", &AppOptions::show_state},
    {"full_screen", &AppOptions::full_screen},
    {"full_screen_menu_interval", &AppOptions::full_screen_menu_interval},
}};

inline constexpr std::array<IntKey, 10> view_keys = {{
    {"name", &AppOptions::show_name},
    {"name_size", &AppOptions::name_size},
    {"player", &AppOptions::show_player},
    {"left", &AppOptions::show_left},
    {"guide", &AppOptions::show_guide},
    {"throw_count", &AppOptions::throw_count},
    {"ton_circle", &AppOptions::ton_circle},
    {"separate", &AppOptions::separate},
    {"scroll_bar", &AppOptions::scroll_bar},
    {"view_separate_width", &AppOptions::view_separate_width},
}};

inline constexpr std::array<IntKey, 3> com_keys = {{
    {"default_number", &AppOptions::default_number},
    {"default_segment", &AppOptions::default_segment},
    {"com_timer", &AppOptions::com_timer},
}};

inline constexpr std::array<PlayerKey, 24> player_keys = {{
    {"large_font", &PlayerInfoOptions::large_font},
    {"scroll", &PlayerInfoOptions::scroll},
    {"avg_per_round", &PlayerInfoOptions::avg_per_round},
    {"name", &PlayerInfoOptions::name},
    {"first", &PlayerInfoOptions::first},
    {"total_sets", &PlayerInfoOptions::total_sets},
    {"total_legs", &PlayerInfoOptions::total_legs},
    {"total_tons", &PlayerInfoOptions::total_tons},
    {"total_100", &PlayerInfoOptions::total_100},
    {"total_140", &PlayerInfoOptions::total_140},
    {"total_180s", &PlayerInfoOptions::total_180s},
    {"total_high_off", &PlayerInfoOptions::total_high_off},
    {"total_short", &PlayerInfoOptions::total_short},
    {"total_long", &PlayerInfoOptions::total_long},
    {"avg_score", &PlayerInfoOptions::avg_score},
    {"avg_darts", &PlayerInfoOptions::avg_darts},
    {"avg_first9", &PlayerInfoOptions::avg_first9},
    {"avg_check_out", &PlayerInfoOptions::avg_check_out},
    {"avg_check_out_count", &PlayerInfoOptions::avg_check_out_count},
    {"avg_keep", &PlayerInfoOptions::avg_keep},
    {"avg_keep_count", &PlayerInfoOptions::avg_keep_count},
    {"avg_break", &PlayerInfoOptions::avg_break},
    {"avg_break_count", &PlayerInfoOptions::avg_break_count},
    {"arrange", &PlayerInfoOptions::arrange},
}};

inline constexpr std::array<GameKey, 15> game_keys = {{
    {"start_score", &GameOptions::start_score, nullptr, true},
    {"round_limit", &GameOptions::round_limit, nullptr, true},
    {"round", &GameOptions::round, nullptr, true},
    {"leg_limit", &GameOptions::leg_limit, nullptr, false},
    {"max_leg", &GameOptions::max_leg, nullptr, true},
    {"best_of", &GameOptions::best_of, nullptr, true},
    {"change_first", &GameOptions::change_first, nullptr, true},
    {"p1_name", nullptr, &GameOptions::p1_name, true},
    {"p1_start_score", &GameOptions::p1_start_score, nullptr, true},
    {"p1_com", &GameOptions::p1_com, nullptr, true},
    {"p1_com_level", &GameOptions::p1_com_level, nullptr, true},
    {"p2_name", nullptr, &GameOptions::p2_name, true},
    {"p2_start_score", &GameOptions::p2_start_score, nullptr, true},
    {"p2_com", &GameOptions::p2_com, nullptr, true},
    {"p2_com_level", &GameOptions::p2_com_level, nullptr, true},
}};

// Keys of list entries carry the entry's index: "name_list_0", "name_list_1", ...
inline std::string indexed(const char* key, std::size_t index) {
    return std::string(key) + "_" + std::to_string(index);
}

} // namespace dvk::option_keys
