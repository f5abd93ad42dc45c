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

// Loads every setting from the settings file at `path`. A missing or unreadable file gives the
// defaults. Returns false only when memory for the options ran out.
bool load_options(const std::string& path, const OptionsEnvironment& environment,
                  AppOptions& options);

// Moves a window whose stored corner lies beyond the right or bottom edge of the work area back
// to the origin; its size is kept.
void keep_on_work_area(WindowRect& rect, const WorkArea& work_area);

} // namespace dvk
