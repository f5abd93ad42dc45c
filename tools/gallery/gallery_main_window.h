#pragma once

#include <QString>

namespace dvk {

// Renders the main window in sample states (a fresh game, a leg in progress with ton and
// check-out circles, a computer visit) to PNG files in `folder`.
void render_main_window_gallery(const QString& folder);

} // namespace dvk
