#pragma once

#include "settings/key_binding.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dvk {

// The platform's full name of a key with its modifiers ("Ctrl+F5"); empty when it has none.
using KeyNameFunction = std::function<std::string(std::int32_t modifiers, std::int32_t key)>;

// Flag of an accelerator whose key is a virtual-key code.
inline constexpr std::int32_t accelerator_virtual_key = 1;

// One entry of the function-key accelerator table.
struct KeyAccelerator {
    std::int32_t flags = accelerator_virtual_key; // modifier bits plus the virtual-key flag
    std::uint16_t key = 0;
    std::uint16_t command = 0;

    bool operator==(const KeyAccelerator&) const = default;
};

// The accelerators of the key table, in table order: one for every binding with a key. A binding
// whose key or action does not fit the accelerator's 16 bits is left out rather than cut to some
// other key or command. Bindings of the same key all appear; the first one wins.
std::vector<KeyAccelerator> build_key_accelerators(const std::vector<KeyBinding>& keys);

// The command of the first accelerator for `key` pressed with exactly `modifiers`.
std::optional<std::int32_t> find_accelerator_command(const std::vector<KeyAccelerator>& table,
                                                     std::int32_t modifiers, std::int32_t key);

// "Ctrl+", "Shift+" and "Alt+" (always in this order) before the platform's key name; empty
// when the key has no name. Cut at 255 bytes.
std::string format_key_name(std::int32_t modifiers, std::string_view key_name);

// A menu text as an action label: a single "&" is dropped and "&&" gives "&", a part in
// parentheses is dropped (up to the end when it is not closed), and every "." is dropped.
// "&New Game..." gives "New Game".
std::string menu_text_to_label(std::string_view menu_text);

// One item of the Template submenu.
struct TemplateMenuItem {
    std::int32_t score = 0;
    std::int32_t action = 0;
    std::string key_name;

    // The item's text: the score, a tab, the key name.
    std::string text() const;
    bool operator==(const TemplateMenuItem&) const = default;
};

// The Template submenu: every score template bound to a named key, each template once, in
// table order. Empty means the menu shows its "(Nothing)" placeholder.
std::vector<TemplateMenuItem> template_menu_items(const std::vector<KeyBinding>& keys,
                                                  const KeyNameFunction& key_name);

// The key name shown after a command's menu text: that of the first binding of `action`;
// empty when there is none or its key has no name.
std::string shortcut_name_for_action(const std::vector<KeyBinding>& keys, std::int32_t action,
                                     const KeyNameFunction& key_name);

} // namespace dvk
