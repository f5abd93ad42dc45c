#pragma once

#include "model/game_record.h"

namespace dvk {

// Fills `game` from `options` for a new match (`new_match`) or for the next game of the match,
// with its first leg ready. The caller has set `schedule_mode` and `game_index`. Returns false
// when memory ran out.
bool start_game(GameRecord& game, const GameOptions& options, bool new_match, bool check_out_mode,
                const SystemTime& now);

} // namespace dvk
