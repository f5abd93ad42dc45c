#pragma once

#include <QString>

namespace dvk {

// Renders the game history, score list and dart-out-shots dialogs in sample states, each at two
// sizes, to PNG files in `folder`.
void render_records_gallery(const QString& folder);

} // namespace dvk
