#include "settings/player_item_flags.h"

#include "settings/option_keys.h"

#include <array>
#include <utility>

namespace dvk {

const std::int32_t* player_flag(const PlayerInfoOptions& items, std::string_view key) {
    for (const option_keys::PlayerKey& entry : option_keys::player_keys) {
        if (key == entry.key) {
            return &(items.*entry.field);
        }
    }
    return nullptr;
}

std::int32_t* player_flag(PlayerInfoOptions& items, std::string_view key) {
    return const_cast<std::int32_t*>(player_flag(std::as_const(items), key));
}

std::optional<std::string_view> counts_base_key(std::string_view key) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> counts = {{
        {"avg_check_out_count", "avg_check_out"},
        {"avg_keep_count", "avg_keep"},
        {"avg_break_count", "avg_break"},
    }};
    for (const auto& [counts_key, base] : counts) {
        if (key == counts_key) {
            return base;
        }
    }
    return std::nullopt;
}

} // namespace dvk
