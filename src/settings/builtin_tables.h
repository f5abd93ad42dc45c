#pragma once

#include "model/game_options.h"
#include "settings/key_binding.h"

#include <vector>

namespace dvk {

struct OptionsEnvironment;

// The schedule offered until the user saves one: a 1001 game, then six games of 501.
std::vector<GameOptions> builtin_schedule(const OptionsEnvironment& environment);

// The key table used until the user changes it: score templates on the function keys, the
// dart and leg commands on Ctrl shortcuts and F9 to F12.
std::vector<KeyBinding> builtin_key_table();

} // namespace dvk
