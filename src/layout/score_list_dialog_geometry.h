#pragma once

#include "layout/window_layout.h"

#include <array>

namespace dvk {

// What the score list dialog's layout depends on: its client size, the margin kept to every
// edge, and the heights and widths its controls ask for.
struct ScoreListDialogInput {
    int width = 0;
    int height = 0;
    int margin = 8;
    int combo_height = 0;
    int text_height = 0; // the band of the two darts texts
    int button_width = 0;
    int button_height = 0;
};

struct ScoreListDialogLayout {
    LayoutRect combo;
    LayoutRect list;
    std::array<LayoutRect, 2> player;
    std::array<LayoutRect, 2> text;
    LayoutRect close;
};

// The drop-down list across the top; the score list under it down to the band of the darts
// texts; "Close" in the bottom-right corner. The two player windows share the list's place
// and the text band (they are never shown together), each half the width less 2 pixels.
ScoreListDialogLayout score_list_dialog_layout(const ScoreListDialogInput& in);

} // namespace dvk
