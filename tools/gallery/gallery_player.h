#pragma once

#include <QString>

namespace dvk {

// Renders the player information window in sample states (two widths, large font on and off,
// a short window with its scroll arrows, the dialog modes) to PNG files in `folder`.
void render_player_gallery(const QString& folder);

} // namespace dvk
