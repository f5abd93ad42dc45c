#pragma once

#include <QString>

namespace dvk {

// Renders the Option dialog's pages, the "Select key" dialog and the schedule dialogs in
// sample states to PNG files in `folder`, for review.
void render_option_gallery(const QString& folder);

} // namespace dvk
