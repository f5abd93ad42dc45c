#pragma once

namespace dvk {

// The scrolled part of a player information window: everything under the header.
struct PlayerInfoScroll {
    int width = 0;
    int client_height = 0;
    int header_height = 0;
    int content_height = 0;
    int button_height = 0; // the bands at the top and the bottom that hold the arrows

    int visible() const { return client_height - header_height; }
};

enum class PlayerInfoBand { none, top, bottom };

// The furthest the content can scroll; 0 when it fits.
int player_info_max_scroll(const PlayerInfoScroll& view);

// The band under the pointer that can scroll from `position`: the top band just under the
// header while there is content above, else the bottom band while there is content below.
PlayerInfoBand player_info_band(const PlayerInfoScroll& view, int position, int x, int y);

// The position after scrolling one `step` towards the band's end, clamped to the content.
int player_info_scrolled(const PlayerInfoScroll& view, int position, PlayerInfoBand band, int step);

} // namespace dvk
