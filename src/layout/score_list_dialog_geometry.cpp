#include "layout/score_list_dialog_geometry.h"

#include <algorithm>

namespace dvk {

ScoreListDialogLayout score_list_dialog_layout(const ScoreListDialogInput& in) {
    const int m = in.margin;
    const int gap = m / 2;
    const int inner = std::max(in.width - 2 * m, 0);
    ScoreListDialogLayout out;
    out.combo = {m, m, inner, in.combo_height};
    out.close = {in.width - m - in.button_width, in.height - m - in.button_height, in.button_width,
                 in.button_height};

    const int list_top = out.combo.y + out.combo.height + m;
    const int text_top = std::max(out.close.y - gap - in.text_height, list_top);
    const int half = inner / 2;
    out.text[0] = {m, text_top, half, in.text_height};
    out.text[1] = {m + half, text_top, inner - half, in.text_height};
    out.list = {m, list_top, inner, std::max(text_top - gap - list_top, 0)};

    const int player_height = std::max(text_top + in.text_height - list_top, 0);
    out.player[0] = {m, list_top, std::max(half - 2, 0), player_height};
    out.player[1] = {m + half + 2, list_top, std::max(inner - half - 2, 0), player_height};
    return out;
}

} // namespace dvk
