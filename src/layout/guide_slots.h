#pragma once

#include "settings/key_binding.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dvk {

// Virtual-key code of F1; F2 to F12 follow it.
inline constexpr std::int32_t virtual_key_f1 = 112;

// The commands of the twelve function keys (index 0 is F1) while exactly `modifiers` are held:
// for each key the action of its first binding in table order, none when it has no binding.
std::array<std::optional<std::int32_t>, 12> guide_slot_actions(const std::vector<KeyBinding>& keys,
                                                               std::int32_t modifiers);

// Every command the bar shows under some combination of Shift, Ctrl and Alt, each once.
std::vector<std::int32_t> guide_shown_actions(const std::vector<KeyBinding>& keys);

// A command's name on the guide bar: a score template by its score, any other command by its
// menu text (given by `menu_text`) without mnemonics and decoration.
std::string guide_command_name(std::int32_t action,
                               const std::function<std::string(std::int32_t)>& menu_text);

} // namespace dvk
