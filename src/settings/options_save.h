#pragma once

#include "settings/app_options.h"
#include "settings/profile_document.h"
#include "settings/profile_file.h"

#include <string>

namespace dvk {

// Writes every key that the options save owns: window, view, the game keys other than the
// match keys, com, the three dialog rectangles, colours, font, the key table (only when the
// user customised it), player, plug-ins and the online page. Other keys of `document` keep
// their values.
void write_options(ProfileDocument& document, const AppOptions& options);

// Writes the fifteen match keys of the game section from `game`.
void write_game_options(ProfileDocument& document, const GameOptions& game);

// Writes the schedule's count and every entry.
void write_schedule(ProfileDocument& document, const std::vector<GameOptions>& schedule);

// Each save reads the settings file, changes only its own keys and writes the file whole, so
// keys it does not know and comments survive. A file that exists but cannot be read is left as
// it is and the save fails, rather than replacing the user's settings with a partial file.
ProfileSaveResult save_options(const std::string& path, const AppOptions& options);
ProfileSaveResult save_game_options(const std::string& path, const AppOptions& options);
ProfileSaveResult save_schedule(const std::string& path, const AppOptions& options);

} // namespace dvk
