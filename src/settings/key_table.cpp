#include "settings/key_table.h"

#include "model/text_cut.h"

#include <algorithm>
#include <limits>

namespace dvk {
namespace {

constexpr std::size_t max_key_name_bytes = 255;

bool fits_16_bits(std::int32_t value) {
    return value >= 0 && value <= std::numeric_limits<std::uint16_t>::max();
}

std::string name_of(const KeyBinding& binding, const KeyNameFunction& key_name) {
    if (binding.key == 0) {
        return {};
    }
    return key_name(binding.modifiers, binding.key);
}

} // namespace

std::vector<KeyAccelerator> build_key_accelerators(const std::vector<KeyBinding>& keys) {
    std::vector<KeyAccelerator> table;
    for (const KeyBinding& binding : keys) {
        if (binding.key == 0 || !fits_16_bits(binding.key) || !fits_16_bits(binding.action)) {
            continue;
        }
        table.push_back({(binding.modifiers & modifier_mask) | accelerator_virtual_key,
                         static_cast<std::uint16_t>(binding.key),
                         static_cast<std::uint16_t>(binding.action)});
    }
    return table;
}

std::optional<std::int32_t> find_accelerator_command(const std::vector<KeyAccelerator>& table,
                                                     std::int32_t modifiers, std::int32_t key) {
    const auto found = std::find_if(table.begin(), table.end(), [&](const KeyAccelerator& a) {
        return a.key == key && (a.flags & modifier_mask) == (modifiers & modifier_mask);
    });
    if (found == table.end()) {
        return std::nullopt;
    }
    return found->command;
}

std::string format_key_name(std::int32_t modifiers, std::string_view key_name) {
    if (key_name.empty()) {
        return {};
    }
    std::string name;
    if ((modifiers & modifier_ctrl) != 0) {
        name += "Ctrl+";
    }
    if ((modifiers & modifier_shift) != 0) {
        name += "Shift+";
    }
    if ((modifiers & modifier_alt) != 0) {
        name += "Alt+";
    }
    name += key_name;
    return cut_to_bytes(name, max_key_name_bytes);
}

// Multi-byte characters never contain ASCII bytes in UTF-8, so a byte-wise walk keeps them whole.
std::string menu_text_to_label(std::string_view menu_text) {
    std::string label;
    label.reserve(menu_text.size());
    for (std::size_t i = 0; i < menu_text.size(); ++i) {
        const char c = menu_text[i];
        if (c == '&') {
            if (i + 1 < menu_text.size() && menu_text[i + 1] == '&') {
                label.push_back('&');
                ++i;
            }
        } else if (c == '(') {
            const std::size_t close = menu_text.find(')', i);
            if (close == std::string_view::npos) {
                break;
            }
            i = close;
        } else if (c != '.') {
            label.push_back(c);
        }
    }
    return label;
}

std::string TemplateMenuItem::text() const {
    return std::to_string(score) + "\t" + key_name;
}

std::vector<TemplateMenuItem> template_menu_items(const std::vector<KeyBinding>& keys,
                                                  const KeyNameFunction& key_name) {
    std::vector<TemplateMenuItem> items;
    for (const KeyBinding& binding : keys) {
        if (!is_template_action(binding.action)) {
            continue;
        }
        const bool listed = std::any_of(items.begin(), items.end(), [&](const TemplateMenuItem& i) {
            return i.action == binding.action;
        });
        if (listed) {
            continue;
        }
        std::string name = name_of(binding, key_name);
        if (!name.empty()) {
            items.push_back(
                {binding.action - template_action_base, binding.action, std::move(name)});
        }
    }
    return items;
}

std::string shortcut_name_for_action(const std::vector<KeyBinding>& keys, std::int32_t action,
                                     const KeyNameFunction& key_name) {
    const auto first = std::find_if(keys.begin(), keys.end(),
                                    [&](const KeyBinding& b) { return b.action == action; });
    return first == keys.end() ? std::string{} : name_of(*first, key_name);
}

} // namespace dvk
