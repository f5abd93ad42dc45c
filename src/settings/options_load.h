#pragma once

#include "settings/app_options.h"
#include "settings/profile_document.h"

#include <cstddef>
#include <string>

namespace dvk {

// Counts in the file beyond these are taken as these: a damaged count must not make loading
// slow or large. They are far above anything the dialogs let a user build.
inline constexpr std::size_t max_schedule_entries = 256;
inline constexpr std::size_t max_key_bindings = 512;
inline constexpr std::size_t max_plugin_entries = 256;

// Every setting from `document`, each missing key taking its default.
AppOptions read_options(const ProfileDocument& document, const OptionsEnvironment& environment);

struct OptionsLoadResult {
    bool ok = true;                 // false only when memory for the options ran out
    std::string unreadable;         // why a settings file that exists could not be read, else empty
    bool unknown_com_level = false; // a computer level the program does not know was read

    explicit operator bool() const { return ok; }
};

// Loads every setting from the settings file at `path`. A missing or unreadable file gives the
// defaults; the user is to be told of an unreadable one, which the next save will not replace.
OptionsLoadResult load_options(const std::string& path, const OptionsEnvironment& environment,
                               AppOptions& options);

// The player-name bar is the shorter client side divided by `name_size`: below 4 its font fills
// the screen, and beyond 1000 it has no height left on any screen.
inline constexpr std::int32_t min_name_size = 4;
inline constexpr std::int32_t max_name_size = 1000;

// Keeps a stored window usable on the work area: its size no larger than the area, and a window
// that lies wholly beyond the area's edges moved back to the origin.
void keep_on_work_area(WindowRect& rect, const WorkArea& work_area);

// Keeps the gap between the match screen's windows (at most a twentieth of the screen's shorter
// side, and 64 pixels) and the player-name bar's divisor to sizes that leave a usable screen.
void fit_view_sizes(AppOptions& options, const WorkArea& work_area);

} // namespace dvk
