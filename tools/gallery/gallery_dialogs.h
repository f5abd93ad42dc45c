#pragma once

#include <QString>

namespace dvk {

// Renders the game option dialog and the COM throwing dialog in sample states to PNG files in
// `folder`, for review.
void render_dialog_gallery(const QString& folder);

} // namespace dvk
