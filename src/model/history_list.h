#pragma once

#include "model/game_record.h"

#include <vector>

namespace dvk {

// The games finished since the match began, oldest first. Each stored game owns its legs, has
// no darts-at-double arrays and zero match totals.
struct HistoryList {
    std::vector<GameRecord> items;

    int count() const { return static_cast<int>(items.size()); }
};

enum class AppendResult { Appended, NothingToStore, OutOfMemory };

// Stores a copy of `game` unless it is already stored or none of its legs is finished; marks
// `game` as stored. On failure the list is unchanged.
AppendResult append_to_history(HistoryList& history, GameRecord& game);

// Releases every stored game.
void clear_history(HistoryList& history);

// Drops the last stored game (used when the previous leg reopens a stored game).
void drop_last_game(HistoryList& history);

} // namespace dvk
