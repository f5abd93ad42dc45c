#include "layout/window_layout.h"

namespace dvk {

MainLayout compute_main_layout(const LayoutInput& in) {
    MainLayout out;
    const int w = in.width;
    const int h = in.height;
    const int s = in.gap;
    int top = s;
    int guide_reserve = s;
    int left_reserve = 0;
    if (in.name_shown) {
        out.name = {s, s, w - 2 * s, in.name_height};
        top = in.name_height + 2 * s;
    }
    if (in.guide_shown) {
        guide_reserve = in.guide_height + s;
    }
    if (in.left_shown) {
        const int y = h - guide_reserve - in.left_height;
        out.left[0] = {s, y, w / 2 - s / 2 - s, in.left_height};
        out.left[1] = {w / 2 + s / 2, y, w - w / 2 - s / 2 - s, in.left_height};
        left_reserve = in.left_height + s;
    }
    const int middle = h - top - guide_reserve - left_reserve;
    const int fifth = 20 * w / 100;
    const int four_fifths = 20 * w * 4 / 100;
    if (in.player_shown) {
        out.player[0] = {s, top, fifth - s, middle};
        out.player[1] = {four_fifths, top, w - four_fifths - s, middle};
        out.list = {fifth + s, top, four_fifths - fifth - 2 * s, middle};
    } else {
        out.list = {s, top, w - 2 * s, middle};
    }
    if (in.guide_shown) {
        out.guide = {0, h - in.guide_height, w, in.guide_height};
    }
    return out;
}

} // namespace dvk
