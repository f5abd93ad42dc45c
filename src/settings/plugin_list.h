#pragma once

#include "settings/app_options.h"
#include "settings/key_table.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dvk {

// Events of the main window a plug-in function can ask for; the match raises the others.
inline constexpr std::int32_t plugin_event_window_created = 1;
inline constexpr std::int32_t plugin_event_close = 2;
inline constexpr std::int32_t plugin_event_menu = 4;
// The parameter of the close event: the user closes the program, or the session ends.
inline constexpr std::int32_t plugin_close_window = 16;
inline constexpr std::int32_t plugin_close_session = 17;

// The command of a function's Tools item and shortcut is this plus its place in the list.
inline constexpr std::int32_t plugin_command_base = 33768;
inline constexpr std::size_t max_plugin_commands = 1000;

// What a library tells of one function it offers.
struct PluginFunctionInfo {
    std::string title;
    std::string func_name;
    std::string cmd_line;

    bool operator==(const PluginFunctionInfo&) const = default;
};

// A row of the Plug-in page: a configured function and where it stood in the options' list
// when the page opened (-1 for a row added since), so that applying the rows keeps the
// libraries of the entries that stay.
struct PluginRow {
    PluginConfig config;
    int list_index = -1;

    bool operator==(const PluginRow&) const = default;
};

// The Plug-in page's working copy of the plug-in list. Nothing changes in the options until
// the rows are applied, so a cancelled page keeps every entry and its library.
class PluginRows {
public:
    explicit PluginRows(const std::vector<PluginConfig>& configured);

    const std::vector<PluginRow>& rows() const { return m_rows; }
    std::size_t size() const { return m_rows.size(); }

    // Move a row by one; the answer is its new position, or nothing when it cannot move.
    std::optional<std::size_t> move_up(std::size_t row);
    std::optional<std::size_t> move_down(std::size_t row);
    // Removes a row; the answer is the row to select next (the one that took its place, or
    // the new last one), or nothing when no row is left or `row` did not exist.
    std::optional<std::size_t> remove(std::size_t row);
    // The shortcut of a row: Shift, Ctrl and Alt flags and a virtual key (0 = none).
    bool set_key(std::size_t row, std::int32_t modifiers, std::int32_t key);
    // Turns a row's function on or off; one that is off stays in the list but is not loaded.
    bool set_enabled(std::size_t row, bool enabled);
    // The command line a function's settings left in its block.
    bool set_cmd_line(std::size_t row, std::string_view cmd_line);
    // Appends one row per function of the library at `lib_file_path`, without a shortcut,
    // while the list stays within what the settings keep (a longer list would lose its tail at
    // the next start). The answer is the number of rows added.
    std::size_t add_functions(std::string_view lib_file_path,
                              const std::vector<PluginFunctionInfo>& functions);

    // The plug-in list of the rows, in their order.
    std::vector<PluginConfig> configs() const;
    // The positions of the list the page opened on whose rows are gone.
    std::vector<std::size_t> removed(std::size_t opened_count) const;

private:
    std::vector<PluginRow> m_rows;
};

// The plug-in shortcut table: one accelerator for every function that wants the menu event
// and has a shortcut key, with the command of its place in the list. `event_masks` gives the
// event mask of each entry of `plugins` (0 for entries not loaded).
std::vector<KeyAccelerator> build_plugin_accelerators(const std::vector<PluginConfig>& plugins,
                                                      const std::vector<std::int32_t>& event_masks);

// One item of the Tools menu.
struct ToolsMenuItem {
    std::int32_t command = 0;
    std::string text; // the title, a tab and the shortcut's name when it has one

    bool operator==(const ToolsMenuItem&) const = default;
};

// The Tools menu: every function that wants the menu event, in list order. Empty means that
// the menu bar has no Tools menu.
std::vector<ToolsMenuItem> tools_menu_items(const std::vector<PluginConfig>& plugins,
                                            const std::vector<std::int32_t>& event_masks,
                                            const KeyNameFunction& key_name);

} // namespace dvk
