#pragma once

#include <cstdint>

namespace dvk {

// Modifier bits of a key binding; combinations are sums.
inline constexpr std::int32_t modifier_shift = 4;
inline constexpr std::int32_t modifier_ctrl = 8;
inline constexpr std::int32_t modifier_alt = 16;
inline constexpr std::int32_t modifier_mask = modifier_shift | modifier_ctrl | modifier_alt;

// Actions from 51000 to 51180 enter the score (action − 51000) as a visit.
inline constexpr std::int32_t template_action_base = 51000;
inline constexpr std::int32_t max_template_score = 180;

// One entry of the key table: pressing `key` (a Windows virtual-key code, 0 = none) with
// `modifiers` held runs `action` (a main-window command id or a score template).
struct KeyBinding {
    std::int32_t action = 0;
    std::int32_t modifiers = 0;
    std::int32_t key = 0;

    bool operator==(const KeyBinding&) const = default;
};

inline constexpr bool is_template_action(std::int32_t action) {
    return action >= template_action_base && action <= template_action_base + max_template_score;
}

} // namespace dvk
