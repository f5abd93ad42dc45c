#include "layout/guide_slots.h"

#include "settings/key_table.h"

#include <algorithm>

namespace dvk {

std::array<std::optional<std::int32_t>, 12> guide_slot_actions(const std::vector<KeyBinding>& keys,
                                                               std::int32_t modifiers) {
    std::array<std::optional<std::int32_t>, 12> actions;
    const std::int32_t held = modifiers & modifier_mask;
    for (const KeyBinding& binding : keys) {
        const std::int32_t index = binding.key - virtual_key_f1;
        if (index < 0 || index >= static_cast<std::int32_t>(actions.size()) ||
            (binding.modifiers & modifier_mask) != held) {
            continue;
        }
        auto& slot = actions[static_cast<std::size_t>(index)];
        if (!slot) {
            slot = binding.action;
        }
    }
    return actions;
}

std::vector<std::int32_t> guide_shown_actions(const std::vector<KeyBinding>& keys) {
    std::vector<std::int32_t> shown;
    for (std::int32_t modifiers = 0; modifiers <= modifier_mask; modifiers += modifier_shift) {
        for (const auto& action : guide_slot_actions(keys, modifiers)) {
            if (action && std::find(shown.begin(), shown.end(), *action) == shown.end()) {
                shown.push_back(*action);
            }
        }
    }
    return shown;
}

std::string guide_command_name(std::int32_t action,
                               const std::function<std::string(std::int32_t)>& menu_text) {
    if (is_template_action(action)) {
        return std::to_string(action - template_action_base);
    }
    return menu_text ? menu_text_to_label(menu_text(action)) : std::string();
}

} // namespace dvk
