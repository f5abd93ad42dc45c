#pragma once

#include "broadcast_model/dialog_wait.h"

namespace dvk {

// Presses the button of the program's open dialog that gives `answer`, as the user would.
// False when the open dialog is not the one `wait` describes.
bool answer_open_dialog(const DialogWait& wait, int answer);

} // namespace dvk
