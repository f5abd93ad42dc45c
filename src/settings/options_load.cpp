#include "settings/options_load.h"

#include "model/com_levels.h"
#include "model/playable_values.h"
#include "settings/option_keys.h"
#include "settings/profile_file.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <new>

namespace dvk {
namespace {

using option_keys::indexed;

void read_rect(const ProfileDocument& doc, const char* section, WindowRect& rect) {
    // The keys say right and bottom, but the values are the width and the height.
    rect.left = doc.get_int(section, "left", rect.left);
    rect.top = doc.get_int(section, "top", rect.top);
    rect.width = doc.get_int(section, "right", rect.width);
    rect.height = doc.get_int(section, "bottom", rect.height);
}

// A list count from the file: the fallback -1 means "not stored", other negative counts give an
// empty list, and large counts are capped.
std::int32_t read_count(const ProfileDocument& doc, const char* section, const char* key,
                        std::int32_t fallback, std::size_t cap) {
    const std::int32_t count = doc.get_int(section, key, fallback);
    if (count == -1 && fallback == -1) {
        return -1;
    }
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(count, 0, std::int64_t(cap)));
}

// A colour is text with an automatic base: "0x" hexadecimal, a leading 0 octal, else decimal.
// Only red, green and blue are kept, so that whatever the text, the colour saved is the colour
// loaded again.
std::uint32_t parse_color(const std::string& text, std::uint32_t fallback) {
    if (text.empty()) {
        return fallback;
    }
    const long long value = std::strtoll(text.c_str(), nullptr, 0);
    const long long narrowed = std::clamp<long long>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(narrowed)) & 0x00FFFFFFU;
}

void read_int_keys(const ProfileDocument& doc, const char* section, auto keys, auto& target) {
    for (const auto& entry : keys) {
        target.*entry.field = doc.get_int(section, entry.key, target.*entry.field);
    }
}

void read_game_options(const ProfileDocument& doc, GameOptions& game) {
    for (const auto& entry : option_keys::game_keys) {
        if (entry.number != nullptr) {
            game.*entry.number = doc.get_int("game", entry.key, game.*entry.number);
        } else {
            game.*entry.text = doc.get_string("game", entry.key, game.*entry.text, max_name_bytes);
        }
    }
    bound_game_options(game);
}

GameOptions schedule_entry_defaults(const OptionsEnvironment& environment) {
    GameOptions game;
    game.round_limit = environment.japanese_locale ? 1 : 0;
    game.leg_limit = 1;
    game.p1_name.clear();
    game.p2_name.clear();
    game.p1_start_score = 501;
    return game;
}

void read_schedule(const ProfileDocument& doc, const OptionsEnvironment& environment,
                   std::vector<GameOptions>& schedule) {
    const std::int32_t count = read_count(doc, "schedule", "count", -1, max_schedule_entries);
    if (count < 0) {
        return;
    }
    const GameOptions defaults = schedule_entry_defaults(environment);
    schedule.assign(static_cast<std::size_t>(count), defaults);
    for (std::size_t i = 0; i < schedule.size(); ++i) {
        GameOptions& game = schedule[i];
        for (const auto& entry : option_keys::game_keys) {
            if (!entry.in_schedule) {
                continue;
            }
            const std::string key = indexed(entry.key, i);
            if (entry.number != nullptr) {
                game.*entry.number = doc.get_int("schedule", key, game.*entry.number);
            } else {
                game.*entry.text =
                    doc.get_string("schedule", key, game.*entry.text, max_name_bytes);
            }
        }
        bound_game_options(game);
    }
}

void read_game_section(const ProfileDocument& doc, AppOptions& options) {
    options.auto_save = doc.get_int("game", "auto_save", options.auto_save);
    options.auto_save_path = doc.get_string("game", "auto_save_path", "", max_path_bytes);
    options.check_out_mode = doc.get_int("game", "check_out_mode", options.check_out_mode);
    options.recovery = doc.get_int("game", "recovery", options.recovery);
    options.recovery_delete = doc.get_int("game", "recovery_delete", options.recovery_delete);
    read_game_options(doc, options.game);
    const std::int32_t count = read_count(doc, "game", "name_list_count", 0, max_name_list_count);
    options.name_list.clear();
    for (std::int32_t i = 0; i < count; ++i) {
        options.name_list.push_back(
            doc.get_string("game", indexed("name_list", i), "", max_name_bytes));
    }
}

void read_colors(const ProfileDocument& doc, AppOptions& options) {
    for (std::size_t i = 0; i < color_count; ++i) {
        const ColorSetting& setting = color_settings()[i];
        options.colors[i] = parse_color(doc.get_string("color", setting.key, "", max_path_bytes),
                                        setting.default_value);
    }
}

void read_keys(const ProfileDocument& doc, AppOptions& options) {
    const std::int32_t count = read_count(doc, "key", "count", -1, max_key_bindings);
    if (count < 0) {
        options.keys_customised = 0;
        return;
    }
    options.keys_customised = 1;
    options.keys.assign(static_cast<std::size_t>(count), KeyBinding{});
    for (std::size_t i = 0; i < options.keys.size(); ++i) {
        KeyBinding& binding = options.keys[i];
        binding.action = doc.get_int("key", indexed("action", i), 0);
        binding.modifiers = doc.get_int("key", indexed("ctrl", i), 0);
        binding.key = doc.get_int("key", indexed("key", i), 0);
    }
}

void read_plugins(const ProfileDocument& doc, AppOptions& options) {
    const std::int32_t count = read_count(doc, "plugin", "count", 0, max_plugin_entries);
    options.plugins.assign(static_cast<std::size_t>(count), PluginConfig{});
    for (std::size_t i = 0; i < options.plugins.size(); ++i) {
        PluginConfig& plugin = options.plugins[i];
        plugin.title = doc.get_string("plugin", indexed("title", i), "", max_path_bytes);
        plugin.lib_file_path =
            doc.get_string("plugin", indexed("lib_file_path", i), "", max_path_bytes);
        plugin.func_name = doc.get_string("plugin", indexed("func_name", i), "", max_path_bytes);
        plugin.cmd_line = doc.get_string("plugin", indexed("cmd_line", i), "", max_path_bytes);
        plugin.modifiers = doc.get_int("plugin", indexed("ctrl", i), 0);
        plugin.key = doc.get_int("plugin", indexed("key", i), 0);
        plugin.enabled = doc.get_int("plugin", indexed("enabled", i), 1) != 0;
    }
}

} // namespace

void keep_on_work_area(WindowRect& rect, const WorkArea& work_area) {
    const std::int64_t area_width = std::int64_t{work_area.right} - work_area.left;
    const std::int64_t area_height = std::int64_t{work_area.bottom} - work_area.top;
    rect.width = static_cast<std::int32_t>(std::clamp<std::int64_t>(rect.width, 0, area_width));
    rect.height = static_cast<std::int32_t>(std::clamp<std::int64_t>(rect.height, 0, area_height));
    const bool beyond = rect.left > work_area.right || rect.top > work_area.bottom;
    const bool before = std::int64_t{rect.left} + rect.width < work_area.left ||
                        std::int64_t{rect.top} + rect.height < work_area.top;
    if (beyond || before) {
        rect.left = 0;
        rect.top = 0;
    }
}

void fit_view_sizes(AppOptions& options, const WorkArea& work_area) {
    const std::int64_t shorter_side = std::min(std::int64_t{work_area.right} - work_area.left,
                                               std::int64_t{work_area.bottom} - work_area.top);
    const auto widest_gap =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(shorter_side / 20, 2, 64));
    options.view_separate_width = std::clamp(options.view_separate_width, 0, widest_gap);
    options.name_size = std::clamp(options.name_size, min_name_size, max_name_size);
}

AppOptions read_options(const ProfileDocument& doc, const OptionsEnvironment& environment) {
    AppOptions options = default_options(environment);
    read_rect(doc, "window", options.main_window);
    read_int_keys(doc, "window", option_keys::window_keys, options);
    read_int_keys(doc, "view", option_keys::view_keys, options);
    read_game_section(doc, options);
    read_int_keys(doc, "com", option_keys::com_keys, options);
    read_schedule(doc, environment, options.schedule);
    read_rect(doc, "history", options.history_window);
    read_rect(doc, "score_list", options.score_list_window);
    read_rect(doc, "arrange", options.arrange_window);
    read_rect(doc, "career", options.career_window);
    read_colors(doc, options);
    options.font_name = doc.get_string("font", "name", environment.font_name, max_path_bytes);
    options.left_font_size = doc.get_int("font", "left_font_size", options.left_font_size);
    read_keys(doc, options);
    read_int_keys(doc, "player", option_keys::player_keys, options.player);
    read_plugins(doc, options);
    options.online_page = doc.get_string("option", "online_page", "", max_page_bytes);
    for (WindowRect* rect :
         {&options.main_window, &options.history_window, &options.score_list_window,
          &options.arrange_window, &options.career_window}) {
        keep_on_work_area(*rect, environment.work_area);
    }
    fit_view_sizes(options, environment.work_area);
    return options;
}

// True when a game's or a schedule entry's computer level is one the program does not know;
// reading the options plays it as the fallback level.
bool names_unknown_com_level(const ProfileDocument& doc) {
    const std::int32_t entries = read_count(doc, "schedule", "count", 0, max_schedule_entries);
    for (const char* key : {"p1_com_level", "p2_com_level"}) {
        if (is_unknown_com_level(doc.get_int("game", key, 0))) {
            return true;
        }
        for (std::int32_t i = 0; i < entries; ++i) {
            if (is_unknown_com_level(
                    doc.get_int("schedule", indexed(key, static_cast<std::size_t>(i)), 0))) {
                return true;
            }
        }
    }
    return false;
}

OptionsLoadResult load_options(const std::string& path, const OptionsEnvironment& environment,
                               AppOptions& options) {
    try {
        const ProfileLoad load = profile_load(path);
        options = read_options(load.document, environment);
        return {true, load.status == ProfileLoadStatus::Failed ? load.error : std::string(),
                names_unknown_com_level(load.document)};
    } catch (const std::bad_alloc&) {
        return {false, {}};
    }
}

} // namespace dvk
