#pragma once

#include "settings/app_options.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace dvk {

// The flag of section "player" that a settings key names; null for an unknown key.
std::int32_t* player_flag(PlayerInfoOptions& items, std::string_view key);
const std::int32_t* player_flag(const PlayerInfoOptions& items, std::string_view key);

// A counts line is drawn only under its percentage row, so its box on the player page is
// enabled only while the row's box is checked: the key of that row for a counts key.
std::optional<std::string_view> counts_base_key(std::string_view key);

} // namespace dvk
