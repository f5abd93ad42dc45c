#include "settings/plugin_list.h"

#include "model/text_cut.h"
#include "settings/options_load.h"

#include <algorithm>
#include <limits>

namespace dvk {
namespace {

bool wants_menu_event(const std::vector<std::int32_t>& event_masks, std::size_t index) {
    return index < event_masks.size() && (event_masks[index] & plugin_event_menu) != 0;
}

std::int32_t command_of(std::size_t index) {
    return plugin_command_base + static_cast<std::int32_t>(index);
}

} // namespace

PluginRows::PluginRows(const std::vector<PluginConfig>& configured) {
    m_rows.reserve(configured.size());
    for (std::size_t i = 0; i < configured.size(); ++i) {
        m_rows.push_back({configured[i], static_cast<int>(i)});
    }
}

std::optional<std::size_t> PluginRows::move_up(std::size_t row) {
    if (row == 0 || row >= m_rows.size()) {
        return std::nullopt;
    }
    std::swap(m_rows[row], m_rows[row - 1]);
    return row - 1;
}

std::optional<std::size_t> PluginRows::move_down(std::size_t row) {
    if (row + 1 >= m_rows.size()) {
        return std::nullopt;
    }
    std::swap(m_rows[row], m_rows[row + 1]);
    return row + 1;
}

std::optional<std::size_t> PluginRows::remove(std::size_t row) {
    if (row >= m_rows.size()) {
        return std::nullopt;
    }
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
    if (m_rows.empty()) {
        return std::nullopt;
    }
    return std::min(row, m_rows.size() - 1);
}

bool PluginRows::set_key(std::size_t row, std::int32_t modifiers, std::int32_t key) {
    if (row >= m_rows.size() || key < 0 || key > std::numeric_limits<std::uint16_t>::max()) {
        return false;
    }
    m_rows[row].config.modifiers = modifiers & modifier_mask;
    m_rows[row].config.key = key;
    return true;
}

bool PluginRows::set_enabled(std::size_t row, bool enabled) {
    if (row >= m_rows.size()) {
        return false;
    }
    m_rows[row].config.enabled = enabled;
    return true;
}

bool PluginRows::set_cmd_line(std::size_t row, std::string_view cmd_line) {
    if (row >= m_rows.size()) {
        return false;
    }
    m_rows[row].config.cmd_line = cut_to_bytes(cmd_line, max_path_bytes);
    return true;
}

std::size_t PluginRows::add_functions(std::string_view lib_file_path,
                                      const std::vector<PluginFunctionInfo>& functions) {
    const std::size_t before = m_rows.size();
    for (const PluginFunctionInfo& function : functions) {
        if (m_rows.size() >= max_plugin_entries) {
            break;
        }
        PluginConfig config;
        config.title = cut_to_bytes(function.title, max_path_bytes);
        config.lib_file_path = cut_to_bytes(lib_file_path, max_path_bytes);
        config.func_name = cut_to_bytes(function.func_name, max_path_bytes);
        config.cmd_line = cut_to_bytes(function.cmd_line, max_path_bytes);
        m_rows.push_back({std::move(config), -1});
    }
    return m_rows.size() - before;
}

std::vector<PluginConfig> PluginRows::configs() const {
    std::vector<PluginConfig> list;
    list.reserve(m_rows.size());
    for (const PluginRow& row : m_rows) {
        list.push_back(row.config);
    }
    return list;
}

std::vector<std::size_t> PluginRows::removed(std::size_t opened_count) const {
    std::vector<bool> kept(opened_count, false);
    for (const PluginRow& row : m_rows) {
        if (row.list_index >= 0 && static_cast<std::size_t>(row.list_index) < opened_count) {
            kept[static_cast<std::size_t>(row.list_index)] = true;
        }
    }
    std::vector<std::size_t> gone;
    for (std::size_t i = 0; i < opened_count; ++i) {
        if (!kept[i]) {
            gone.push_back(i);
        }
    }
    return gone;
}

std::vector<KeyAccelerator>
build_plugin_accelerators(const std::vector<PluginConfig>& plugins,
                          const std::vector<std::int32_t>& event_masks) {
    std::vector<KeyAccelerator> table;
    const std::size_t count = std::min(plugins.size(), max_plugin_commands);
    for (std::size_t i = 0; i < count; ++i) {
        const PluginConfig& plugin = plugins[i];
        if (!wants_menu_event(event_masks, i) || plugin.key <= 0 ||
            plugin.key > std::numeric_limits<std::uint16_t>::max()) {
            continue;
        }
        table.push_back({(plugin.modifiers & modifier_mask) | accelerator_virtual_key,
                         static_cast<std::uint16_t>(plugin.key),
                         static_cast<std::uint16_t>(command_of(i))});
    }
    return table;
}

std::vector<ToolsMenuItem> tools_menu_items(const std::vector<PluginConfig>& plugins,
                                            const std::vector<std::int32_t>& event_masks,
                                            const KeyNameFunction& key_name) {
    std::vector<ToolsMenuItem> items;
    const std::size_t count = std::min(plugins.size(), max_plugin_commands);
    for (std::size_t i = 0; i < count; ++i) {
        if (!wants_menu_event(event_masks, i)) {
            continue;
        }
        const PluginConfig& plugin = plugins[i];
        const std::string name =
            plugin.key == 0 ? std::string{} : key_name(plugin.modifiers, plugin.key);
        items.push_back({command_of(i), name.empty() ? plugin.title : plugin.title + "\t" + name});
    }
    return items;
}

} // namespace dvk
