#pragma once

#include <dvk/plugin.h>

#include <string>
#include <vector>

namespace dvk::caller {

// Which announcements the caller makes.
struct CallerChoices {
    bool visits = true;   // the points of every visit
    bool finishes = true; // the score left of a player on a finish
    bool legs = true;     // "Game shot, and the leg!"
    bool results = true;  // the result of a set

    bool operator==(const CallerChoices&) const = default;
};

// What the caller says when dvk tells it of an event, with the game record of the call.
// `thrower` is the player of the input cell, who threw the visit of a visit event.
std::vector<std::string> announcements(std::int32_t event, std::int32_t parameter,
                                       const dvk_game_record& game, int thrower,
                                       const CallerChoices& choices);

// The events that give announcements.
constexpr std::int32_t announced_events = DVK_EVENT_VISIT | DVK_EVENT_LEG_WON | DVK_EVENT_GAME_END;

} // namespace dvk::caller
