#include "settings/options_save.h"

#include "model/text_cut.h"
#include "settings/option_keys.h"

#include <cstdio>
#include <functional>
#include <new>

namespace dvk {
namespace {

using option_keys::indexed;

void write_rect(ProfileDocument& doc, const char* section, const WindowRect& rect) {
    doc.write_int(section, "left", rect.left);
    doc.write_int(section, "top", rect.top);
    doc.write_int(section, "right", rect.width);
    doc.write_int(section, "bottom", rect.height);
}

void write_text(ProfileDocument& doc, const char* section, const std::string& key,
                const std::string& text, std::size_t max_bytes) {
    doc.write_string(section, key, cut_to_bytes(text, max_bytes));
}

std::int32_t count_of(std::size_t size) {
    return static_cast<std::int32_t>(size);
}

void write_int_keys(ProfileDocument& doc, const char* section, auto keys, const auto& source) {
    for (const auto& entry : keys) {
        doc.write_int(section, entry.key, source.*entry.field);
    }
}

void write_game_section(ProfileDocument& doc, const AppOptions& options) {
    doc.write_int("game", "auto_save", options.auto_save);
    write_text(doc, "game", "auto_save_path", options.auto_save_path, max_path_bytes);
    doc.write_int("game", "check_out_mode", options.check_out_mode);
    doc.write_int("game", "recovery", options.recovery);
    doc.write_int("game", "recovery_delete", options.recovery_delete);
    const std::size_t count = std::min(options.name_list.size(), max_name_list_count);
    doc.write_int("game", "name_list_count", count_of(count));
    for (std::size_t i = 0; i < count; ++i) {
        write_text(doc, "game", indexed("name_list", i), options.name_list[i], max_name_bytes);
    }
}

// A colour equal to its default is stored empty, so a changed default reaches every user who
// never chose the colour.
void write_colors(ProfileDocument& doc, const AppOptions& options) {
    for (std::size_t i = 0; i < color_count; ++i) {
        const ColorSetting& setting = color_settings()[i];
        if (options.colors[i] == setting.default_value) {
            doc.write_string("color", setting.key, "");
            continue;
        }
        char text[16];
        std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(options.colors[i]));
        doc.write_string("color", setting.key, text);
    }
}

void write_keys(ProfileDocument& doc, const AppOptions& options) {
    doc.write_int("key", "count", count_of(options.keys.size()));
    for (std::size_t i = 0; i < options.keys.size(); ++i) {
        doc.write_int("key", indexed("action", i), options.keys[i].action);
        doc.write_int("key", indexed("ctrl", i), options.keys[i].modifiers);
        doc.write_int("key", indexed("key", i), options.keys[i].key);
    }
}

void write_plugins(ProfileDocument& doc, const AppOptions& options) {
    doc.write_int("plugin", "count", count_of(options.plugins.size()));
    for (std::size_t i = 0; i < options.plugins.size(); ++i) {
        const PluginConfig& plugin = options.plugins[i];
        write_text(doc, "plugin", indexed("title", i), plugin.title, max_path_bytes);
        write_text(doc, "plugin", indexed("lib_file_path", i), plugin.lib_file_path,
                   max_path_bytes);
        write_text(doc, "plugin", indexed("func_name", i), plugin.func_name, max_path_bytes);
        write_text(doc, "plugin", indexed("cmd_line", i), plugin.cmd_line, max_path_bytes);
        doc.write_int("plugin", indexed("ctrl", i), plugin.modifiers);
        doc.write_int("plugin", indexed("key", i), plugin.key);
        // Only an entry turned off carries the key, so the settings of a user who never had
        // a plug-in turned off read and write as they always have.
        if (plugin.enabled) {
            doc.remove_key("plugin", indexed("enabled", i));
        } else {
            doc.write_int("plugin", indexed("enabled", i), 0);
        }
    }
}

void write_game_keys(ProfileDocument& doc, const char* section, const GameOptions& game,
                     const std::function<std::string(const char*)>& key_name, bool schedule_entry) {
    for (const auto& entry : option_keys::game_keys) {
        if (schedule_entry && !entry.in_schedule) {
            continue;
        }
        if (entry.number != nullptr) {
            doc.write_int(section, key_name(entry.key), game.*entry.number);
        } else {
            write_text(doc, section, key_name(entry.key), game.*entry.text, max_name_bytes);
        }
    }
}

ProfileSaveResult update_file(const std::string& path,
                              const std::function<void(ProfileDocument&)>& write) {
    try {
        ProfileLoad load = profile_load(path);
        if (load.status == ProfileLoadStatus::Failed) {
            return {false, load.error};
        }
        write(load.document);
        return profile_save(load.document, path);
    } catch (const std::bad_alloc&) {
        return {false, "Out of memory."};
    }
}

} // namespace

void write_options(ProfileDocument& doc, const AppOptions& options) {
    write_rect(doc, "window", options.main_window);
    write_int_keys(doc, "window", option_keys::window_keys, options);
    write_int_keys(doc, "view", option_keys::view_keys, options);
    write_game_section(doc, options);
    write_int_keys(doc, "com", option_keys::com_keys, options);
    write_rect(doc, "history", options.history_window);
    write_rect(doc, "score_list", options.score_list_window);
    write_rect(doc, "arrange", options.arrange_window);
    // Kept once the career window was placed, so that a file the window never touched stays as
    // it was.
    if (options.career_window != WindowRect{}) {
        write_rect(doc, "career", options.career_window);
    }
    write_colors(doc, options);
    write_text(doc, "font", "name", options.font_name, max_path_bytes);
    doc.write_int("font", "left_font_size", options.left_font_size);
    if (options.keys_customised == 1) {
        write_keys(doc, options);
    }
    write_int_keys(doc, "player", option_keys::player_keys, options.player);
    write_plugins(doc, options);
    write_text(doc, "option", "online_page", options.online_page, max_page_bytes);
}

void write_game_options(ProfileDocument& doc, const GameOptions& game) {
    write_game_keys(
        doc, "game", game, [](const char* key) { return std::string(key); }, false);
}

void write_schedule(ProfileDocument& doc, const std::vector<GameOptions>& schedule) {
    doc.write_int("schedule", "count", count_of(schedule.size()));
    for (std::size_t i = 0; i < schedule.size(); ++i) {
        write_game_keys(
            doc, "schedule", schedule[i], [i](const char* key) { return indexed(key, i); }, true);
    }
}

ProfileSaveResult save_options(const std::string& path, const AppOptions& options) {
    return update_file(path, [&](ProfileDocument& doc) { write_options(doc, options); });
}

ProfileSaveResult save_game_options(const std::string& path, const AppOptions& options) {
    return update_file(path, [&](ProfileDocument& doc) { write_game_options(doc, options.game); });
}

ProfileSaveResult save_schedule(const std::string& path, const AppOptions& options) {
    return update_file(path, [&](ProfileDocument& doc) { write_schedule(doc, options.schedule); });
}

} // namespace dvk
