#pragma once

#include "model/com_levels.h"
#include "model/game_options.h"
#include "model/playable_values.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dvk {

// The table levels offered ("Level 1" to "Level 12"); the level index is the item's index. The
// levels named by their average follow them (see com_levels.h).
inline constexpr std::int32_t offered_com_levels = top_table_level + 1;

enum class StartChoice { Score301, Score501, Score1001, Other };

// One player's controls: the name box, the "COM" box with its level list and the handicap box
// with its number.
struct PlayerForm {
    std::string name;
    bool com = false;
    std::int32_t com_level = 0;
    bool handicap = false;
    std::int32_t handicap_score = 0; // the box's number; 0 when it is empty

    bool operator==(const PlayerForm&) const = default;
};

// What the game option dialog shows, as plain values: the numbers are those of the boxes,
// unchecked until the dialog is read.
struct GameOptionForm {
    StartChoice start_choice = StartChoice::Score501;
    std::int32_t other_score = 501;
    bool round_limit = false;
    std::int32_t round = 15;
    bool leg_limit = false;
    std::int32_t max_leg = 3;
    bool best_of = false;
    bool change_first = false;
    std::array<PlayerForm, 2> players;
    bool schedule_entry = false;

    bool operator==(const GameOptionForm&) const = default;
};

// The controls as the dialog opens on `options`. An empty name of the current game options
// shows `default_names` ("Player 1", "Player 2" in the user's language); a schedule entry shows
// its names as they are. A COM level outside the offered list selects the nearest level.
GameOptionForm open_game_option_form(const GameOptions& options,
                                     const std::array<std::string, 2>& default_names);

// The record the dialog's controls describe. Numbers outside what a game can use are brought
// into range: the other start score to 2-99999, the rounds to 1-3333, the legs to at least 1;
// a handicap outside 2-99999 gives the player the game's start score. Names are cut to the
// record's 63 bytes. A schedule entry stays one, and its legs stay limited.
GameOptions read_game_option_form(const GameOptionForm& form);

// The start-score button for a start score: "Other:" for anything but 301, 501 and 1001.
StartChoice start_choice_for(std::int32_t start_score);

// The start score of a start-score button; `other_score` for "Other:".
std::int32_t start_score_of(StartChoice choice, std::int32_t other_score);

// The round limit proposed when a start score is chosen: 10 for 301, 15 for 501, 30 for 1001
// and 60 for any other start score.
std::int32_t rounds_for_start_choice(StartChoice choice);

// Puts `name` at the top of the recently used names. A name already listed (ignoring ASCII
// case) moves up and takes the new spelling; a new name pushes the oldest one out once the list
// holds 64 names. An empty name changes nothing.
void remember_name(std::vector<std::string>& name_list, std::string_view name);

// Remembers both players' names, player 1's last so that it ends on top.
void remember_player_names(std::vector<std::string>& name_list, const GameOptions& options);

// The names offered in the name boxes: the list's non-empty names in list order.
std::vector<std::string> offered_names(const std::vector<std::string>& name_list);

} // namespace dvk
