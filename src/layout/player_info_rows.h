#pragma once

#include "com/arrange_table.h"
#include "model/game_record.h"
#include "settings/app_options.h"

#include <string>
#include <vector>

namespace dvk {

// The fixed texts of the player information window. The window layer turns each into its
// translated text.
enum class PlayerInfoText {
    first,          // "- First -"
    totals,         // "Totals"
    averages,       // "Averages"
    dart_out_shots, // "Dart out shots"
    sets,           // "Sets"
    legs,           // "Legs"
    tons,           // "Tons"
    count_100,      // "100+"
    count_140,      // "140+"
    count_180,      // "180's"
    high_out,       // "High Out"
    best,           // "Best"
    worst,          // "Worst"
    darts,          // "Darts"
    score,          // "Score"
    first9,         // "First 9"
    check,          // "Check"
    check_out,      // "Check-Out"
    keep,           // "Keep"
    break_of_throw, // "Break"
};

enum class PlayerInfoRowKind {
    first,      // the "- First -" line; it keeps its space when the player does not throw first
    title,      // a section title in the title colour
    figure,     // a label and its value
    counts,     // "(%d / %d)" under a percentage
    suggestion, // one way to check out the remaining score
};

struct PlayerInfoRow {
    PlayerInfoRowKind kind = PlayerInfoRowKind::figure;
    PlayerInfoText label = PlayerInfoText::first; // first, title and figure rows
    std::string value;                            // figure, counts and suggestion rows
    bool marked = false; // first row: the marker is drawn (this player throws first)

    bool operator==(const PlayerInfoRow&) const = default;
};

// What decides the rows of one window besides its items and the player's figures.
struct PlayerInfoMode {
    bool show_all = false;      // dialog modes: every figure, whatever the items say
    bool long_label = false;    // the check-out row is always "Check-Out"
    bool sets_shown = false;    // the game's legs are limited, so its games count as sets
    bool throws_first = false;  // this player throws first in the current leg
    bool game_only = false;     // a stored game: its own figures without the match totals
    int suggestion_reserve = 1; // skeleton rows: suggestion lines to make room for

    bool operator==(const PlayerInfoMode&) const = default;
};

// Each value sits centred under its label in the large font.
bool player_info_large_form(const PlayerInfoOptions& items, const PlayerInfoMode& mode);

// The rows of a player's window, top to bottom; empty without a player. Figures combine the
// match and game totals unless `game_only` is set; the suggestions are the table's ways for the
// player's remaining score.
std::vector<PlayerInfoRow> player_info_rows(const PlayerInfoOptions& items,
                                            const PlayerInfoMode& mode, const PlayerBlock* player,
                                            const ArrangeTable& table);

// The same rows without values and with `suggestion_reserve` empty suggestion lines: the
// shape the fonts are fitted to before any figure is known.
std::vector<PlayerInfoRow> player_info_skeleton(const PlayerInfoOptions& items,
                                                const PlayerInfoMode& mode);

} // namespace dvk
