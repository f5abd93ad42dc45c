#pragma once

#include "model/game_options.h"
#include "settings/key_binding.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace dvk {

// Longest path or font face in bytes (the stored fields hold 255 bytes and a terminator).
inline constexpr std::size_t max_path_bytes = 255;
// Longest address of the online page; web addresses outgrow a path's limit.
inline constexpr std::size_t max_page_bytes = 2047;
inline constexpr std::size_t max_name_list_count = 64;
inline constexpr std::size_t color_count = 31;

// Position and outer size of a window; all four 0 means that none is stored.
struct WindowRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool is_stored() const { return left != 0 || top != 0 || width != 0 || height != 0; }
    bool operator==(const WindowRect&) const = default;
};

// The desktop area not taken by task bars, in screen coordinates.
struct WorkArea {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = std::numeric_limits<std::int32_t>::max();
    std::int32_t bottom = std::numeric_limits<std::int32_t>::max();
};

// What the settings keep of one configured plug-in function; the host adds its runtime state.
struct PluginConfig {
    std::string title;
    std::string lib_file_path;
    std::string func_name;
    std::string cmd_line;
    std::int32_t modifiers = 0;
    std::int32_t key = 0;
    // An entry turned off stays in the list but is not loaded (enabled_%d); the program turns
    // off an entry that ended it.
    bool enabled = true;

    bool operator==(const PluginConfig&) const = default;
};

// The player information window's items, in the order of its option page, then its general
// flags.
struct PlayerInfoOptions {
    std::int32_t name = 1;
    std::int32_t first = 1;
    std::int32_t total_sets = 1;
    std::int32_t total_legs = 1;
    std::int32_t total_tons = 0;
    std::int32_t total_100 = 0;
    std::int32_t total_140 = 0;
    std::int32_t total_180s = 0;
    std::int32_t total_high_off = 0;
    std::int32_t total_short = 0;
    std::int32_t total_long = 0;
    std::int32_t avg_score = 1;
    std::int32_t avg_darts = 0;
    std::int32_t avg_first9 = 0;
    std::int32_t avg_check_out = 0;
    std::int32_t avg_check_out_count = 1;
    std::int32_t avg_keep = 0;
    std::int32_t avg_keep_count = 1;
    std::int32_t avg_break = 0;
    std::int32_t avg_break_count = 1;
    std::int32_t arrange = 0;
    std::int32_t large_font = 1;
    std::int32_t scroll = 1;
    std::int32_t avg_per_round = 1;

    bool operator==(const PlayerInfoOptions&) const = default;
};

// Colours are 0x00BBGGRR.
constexpr std::uint32_t rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

// The colours of the match screen, in the order of the options record.
enum class ColorItem : std::size_t {
    background,
    odd_background,
    scored_text,
    text,
    header_background,
    header_text,
    last3number_text,
    line,
    separate,
    ton_circle,
    input_background,
    input_text,
    input_select_background,
    input_select_text,
    left_background,
    left_text,
    left_active_border,
    player_name_background,
    player_name_text,
    player_background,
    player_text,
    player_info_title,
    view_separate,
    guide_background,
    guide_text,
    guide_select_background,
    guide_select_text,
    guide_box_background,
    guide_box_text,
    guide_box_frame,
    guide_box_disable,
};

struct ColorSetting {
    const char* key;
    std::uint32_t default_value;
};

// Settings key and default of every colour, indexed by ColorItem.
const std::array<ColorSetting, color_count>& color_settings();

// What the defaults depend on besides the program: the desktop and the user's language.
struct OptionsEnvironment {
    WorkArea work_area;           // windows stored beyond it are moved back to its corner
    bool japanese_locale = false; // the round limit is on by default under a Japanese locale
    std::string font_name = "Arial";
    std::string player1_name = "Player 1";
    std::string player2_name = "Player 2";
};

// Every setting of the program in memory.
struct AppOptions {
    WindowRect main_window;
    std::int32_t show_state = 10; // 3 maximized, 10 the system's default
    std::int32_t show_player = 1;
    std::int32_t show_left = 1;
    std::int32_t show_guide = 1;
    std::int32_t throw_count = 1;
    std::int32_t ton_circle = 1;
    std::int32_t separate = 1;
    std::int32_t scroll_bar = 1;
    std::int32_t auto_save = 0;
    std::string auto_save_path; // empty: the data folder under the program folder
    std::int32_t check_out_mode = 0;
    std::int32_t recovery = 1;
    std::int32_t check_out_font_height = 0; // measured at run time, never stored
    std::int32_t default_number = 20;
    std::int32_t default_segment = 3;
    GameOptions game;
    std::vector<GameOptions> schedule;
    std::vector<std::string> name_list; // at most max_name_list_count names
    WindowRect history_window;
    WindowRect score_list_window;
    WindowRect arrange_window;
    WindowRect career_window;
    std::array<std::uint32_t, color_count> colors{};
    std::string font_name;
    std::vector<KeyBinding> keys;
    std::int32_t keys_customised = 0; // only a customised key table is written to the file
    PlayerInfoOptions player;
    std::vector<PluginConfig> plugins;
    std::int32_t recovery_delete = 0;
    std::int32_t left_font_size = 40; // 20 larger, 40 medium, 60 smaller
    std::int32_t com_timer = 1000;
    std::int32_t show_name = 1;
    std::int32_t name_size = 11;
    std::int32_t full_screen = 0;
    std::int32_t full_screen_menu_interval = 3000; // negative: the menu bar stays shown
    std::int32_t view_separate_width = 2;
    // What "dvk Online" opens: a web address or a file; empty for the installed user's guide.
    std::string online_page;

    std::uint32_t color(ColorItem item) const { return colors[static_cast<std::size_t>(item)]; }
    void set_color(ColorItem item, std::uint32_t value) {
        colors[static_cast<std::size_t>(item)] = value;
    }

    bool operator==(const AppOptions&) const = default;
};

// The options of a program without a settings file.
AppOptions default_options(const OptionsEnvironment& environment);

} // namespace dvk
