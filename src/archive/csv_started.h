#pragma once

#include "model/game_record.h"

#include <optional>
#include <string_view>

namespace dvk {

// The start of a game as a CSV file's first field writes it: the short date and the time of
// the user's locale, of English or of Japanese, whichever reads the text whole. A two-digit
// year is taken in the years 2000 to 2099.
std::optional<SystemTime> parse_csv_started(std::string_view text);

} // namespace dvk
