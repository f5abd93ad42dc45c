#pragma once

#include <QString>

namespace dvk {

// The questions of a check-out and of the middle for diddle.
void render_check_out_gallery(const QString& folder);

} // namespace dvk
