#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dvk {

// How a computer player is named on the screen, in the history and in CSV files, in the
// user's language: `table` with "%d" for the level shown (1 to 12), `average` with "%d" for
// the average an average level plays, `fitted` with "%s" for the name of the player it copies.
struct ComNameFormats {
    std::string_view table;
    std::string_view average;
    std::string_view fitted;
};

// The name of a computer player of stored level `level` whose name box holds `name`.
std::string com_player_name(std::int32_t level, std::string_view name,
                            const ComNameFormats& formats);

} // namespace dvk
