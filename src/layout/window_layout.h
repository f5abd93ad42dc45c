#pragma once

namespace dvk {

struct LayoutRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const LayoutRect&) const = default;
};

// What the main window's layout depends on: the client size, the gap between the windows, which
// side windows are shown and the heights they asked for (for the smaller of width and height).
struct LayoutInput {
    int width = 0;
    int height = 0;
    int gap = 2;
    bool name_shown = true;
    bool player_shown = true;
    bool left_shown = true;
    bool guide_shown = true;
    int name_height = 0;
    int guide_height = 0;
    int left_height = 0;
};

// Where each child window of the match screen goes; hidden windows keep empty rectangles.
struct MainLayout {
    LayoutRect name;
    LayoutRect list;
    LayoutRect left[2];
    LayoutRect player[2];
    LayoutRect guide;
};

MainLayout compute_main_layout(const LayoutInput& in);

} // namespace dvk
