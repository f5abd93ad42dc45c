#pragma once

#include <QString>

namespace dvk {

// Renders the left-score windows, the player-name bar and the function-key guide bar in
// sample states, at the sizes a 1280×800 and an 800×600 main window give them, as PNG files
// in `folder`.
void render_side_gallery(const QString& folder);

} // namespace dvk
