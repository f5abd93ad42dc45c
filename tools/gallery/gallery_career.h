#pragma once

#include <QString>

namespace dvk {

// Renders the career statistics window over a sample archive of invented players: its
// figures, its head-to-head page and its charts, to PNG files in `folder`.
void render_career_gallery(const QString& folder);

} // namespace dvk
