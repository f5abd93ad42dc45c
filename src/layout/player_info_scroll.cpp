#include "layout/player_info_scroll.h"

#include <algorithm>

namespace dvk {

int player_info_max_scroll(const PlayerInfoScroll& view) {
    return std::max(0, view.content_height - view.visible());
}

PlayerInfoBand player_info_band(const PlayerInfoScroll& view, int position, int x, int y) {
    if (x < 0 || x >= view.width) {
        return PlayerInfoBand::none;
    }
    const bool in_top = y > view.header_height && y < view.header_height + view.button_height;
    if (in_top && position > 0) {
        return PlayerInfoBand::top;
    }
    const bool in_bottom = y > view.client_height - view.button_height && y < view.client_height;
    if (in_bottom && position < player_info_max_scroll(view)) {
        return PlayerInfoBand::bottom;
    }
    return PlayerInfoBand::none;
}

int player_info_scrolled(const PlayerInfoScroll& view, int position, PlayerInfoBand band,
                         int step) {
    switch (band) {
    case PlayerInfoBand::top:
        return std::max(0, position - step);
    case PlayerInfoBand::bottom:
        return std::max(0, std::min(player_info_max_scroll(view), position + step));
    case PlayerInfoBand::none:
        break;
    }
    return position;
}

} // namespace dvk
