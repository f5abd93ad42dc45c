#pragma once

#include "settings/app_options.h"

#include <optional>

namespace dvk {

// Where a dialog that remembers its rectangle opens. A stored rectangle without a positive width
// and height is no rectangle: the dialog opens at its designed size, centred over its owner.
// One that sticks out of the work area is cut to the area's size and moved onto it, so a
// dialog last used on a screen that is gone, or on a larger one, still opens where it can be
// seen and moved.
std::optional<WindowRect> restored_dialog_rect(const WindowRect& stored, const WorkArea& area);

} // namespace dvk
