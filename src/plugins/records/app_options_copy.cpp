#include "plugins/records/app_options_copy.h"

#include "plugins/records/game_record_copy.h"
#include "plugins/records/text_fields.h"

#include <algorithm>

namespace dvk {
namespace {

dvk_window_rect rect_of(const WindowRect& r) {
    return {r.left, r.top, r.width, r.height};
}

std::vector<dvk_arrange_entry> entries_of(const ArrangeTable* table) {
    std::vector<dvk_arrange_entry> entries;
    if (table == nullptr) {
        return entries;
    }
    entries.resize(table->count());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ArrangeEntry& in = table->entries[i];
        entries[i].score = in.score;
        for (std::size_t f = 0; f < ArrangeEntry::field_count; ++f) {
            write_text_field(entries[i].fields[f], in.field(f));
        }
    }
    return entries;
}

dvk_player_items player_items_of(const PlayerInfoOptions& p) {
    return {p.name,           p.first,          p.total_sets,    p.total_legs,
            p.total_tons,     p.total_100,      p.total_140,     p.total_180s,
            p.total_high_off, p.total_short,    p.total_long,    p.avg_score,
            p.avg_darts,      p.avg_first9,     p.avg_check_out, p.avg_check_out_count,
            p.avg_keep,       p.avg_keep_count, p.avg_break,     p.avg_break_count,
            p.arrange,        p.large_font,     p.scroll,        p.avg_per_round};
}

dvk_plugin_entry plugin_entry_of(const PluginConfig& config, const PluginEntryState& state,
                                 std::size_t index) {
    dvk_plugin_entry entry{};
    write_text_field(entry.title, config.title);
    write_text_field(entry.lib_file_path, config.lib_file_path);
    write_text_field(entry.func_name, config.func_name);
    entry.event_mask = state.event_mask;
    // The library is named by its function: a plug-in may test it, never use it.
    entry.library = state.loaded ? reinterpret_cast<void*>(state.function) : nullptr;
    entry.function = state.loaded ? state.function : nullptr;
    entry.info = state.info;
    entry.info.size = sizeof(dvk_plugin_info);
    entry.info.data = nullptr;
    entry.list_index = static_cast<std::int32_t>(index);
    entry.modifiers = config.modifiers;
    entry.key = config.key;
    return entry;
}

template <typename T> T* data_or_null(std::vector<T>& values) {
    return values.empty() ? nullptr : values.data();
}

std::int32_t count_of(std::size_t size) {
    return static_cast<std::int32_t>(size);
}

} // namespace

AppOptionsCopy::AppOptionsCopy(const PluginRecordSources& sources) {
    const AppOptions& o = *sources.options;
    dvk_app_options& r = m_record;
    r.main_window = rect_of(o.main_window);
    r.show_state = o.show_state;
    r.show_player = o.show_player;
    r.show_left = o.show_left;
    r.show_guide = o.show_guide;
    r.throw_count = o.throw_count;
    r.ton_circle = o.ton_circle;
    r.separate = o.separate;
    r.scroll_bar = o.scroll_bar;
    r.auto_save = o.auto_save;
    write_text_field(r.auto_save_path, o.auto_save_path);
    r.check_out_mode = o.check_out_mode;
    r.recovery = o.recovery;
    r.check_out_font_height = o.check_out_font_height;
    r.default_number = o.default_number;
    r.default_segment = o.default_segment;
    fill_game_options(r.game, o.game);
    const std::size_t names = std::min(o.name_list.size(), std::size(r.name_list));
    for (std::size_t i = 0; i < names; ++i) {
        write_text_field(r.name_list[i], o.name_list[i]);
    }
    r.name_list_count = count_of(names);
    r.history_window = rect_of(o.history_window);
    r.score_list_window = rect_of(o.score_list_window);
    r.arrange_window = rect_of(o.arrange_window);
    std::copy(o.colors.begin(), o.colors.end(), r.colors);
    write_text_field(r.font_name, o.font_name);
    r.keys_customised = o.keys_customised;
    r.player = player_items_of(o.player);
    r.recovery_delete = o.recovery_delete;
    r.left_font_size = o.left_font_size;
    r.com_timer = o.com_timer;
    r.show_name = o.show_name;
    r.name_size = o.name_size;
    r.full_screen = o.full_screen;
    r.full_screen_menu_interval = o.full_screen_menu_interval;
    r.view_separate_width = o.view_separate_width;
    fill_lists(sources);
}

void AppOptionsCopy::fill_lists(const PluginRecordSources& sources) {
    const AppOptions& o = *sources.options;
    dvk_app_options& r = m_record;
    m_schedule.resize(o.schedule.size());
    for (std::size_t i = 0; i < m_schedule.size(); ++i) {
        fill_game_options(m_schedule[i], o.schedule[i]);
    }
    r.schedule = data_or_null(m_schedule);
    r.schedule_count = count_of(m_schedule.size());

    m_checkout = entries_of(sources.checkout_table);
    m_com = entries_of(sources.com_table);
    r.checkout_table = data_or_null(m_checkout);
    r.checkout_count = count_of(m_checkout.size());
    r.com_table = data_or_null(m_com);
    r.com_count = count_of(m_com.size());

    m_keys.reserve(o.keys.size());
    for (const KeyBinding& k : o.keys) {
        m_keys.push_back({k.action, k.modifiers, k.key});
    }
    r.keys = data_or_null(m_keys);
    r.key_count = count_of(m_keys.size());

    m_plugins.reserve(o.plugins.size());
    for (std::size_t i = 0; i < o.plugins.size(); ++i) {
        const PluginEntryState state =
            i < sources.plugins.size() ? sources.plugins[i] : PluginEntryState{};
        m_plugins.push_back(plugin_entry_of(o.plugins[i], state, i));
    }
    r.plugins = data_or_null(m_plugins);
    r.plugin_count = count_of(m_plugins.size());
}

} // namespace dvk
