#pragma once

#include "career/career_rows.h"

#include <optional>
#include <string>
#include <vector>

namespace dvk {

// What is waiting for the archive while it cannot be written: legs to write, legs to take
// out (Previous Leg) and game results, in the order they happened.
struct PendingAction {
    // EnsureLeg writes a leg only when the archive does not hold it (a leg read back from
    // dvk.tmp).
    enum class Kind { WriteLeg = 0, RemoveLegsFrom = 1, GameResult = 2, EnsureLeg = 3 };
    Kind kind = Kind::WriteLeg;
    ArchivedLeg leg;          // WriteLeg, EnsureLeg
    std::int64_t game_id = 0; // RemoveLegsFrom, GameResult
    std::int32_t leg_index = 0;
    GameResultRow result; // GameResult

    bool operator==(const PendingAction&) const = default;
};

// The pending file's text: one line per action, fields separated by tabs, names escaped.
// Replaying the actions in order on any archive gives what writing them at once would have.
std::string serialise_pending(const std::vector<PendingAction>& actions);
// Nothing when the text is not a pending file; the lines it can read are never half-read.
std::optional<std::vector<PendingAction>> parse_pending(const std::string& text);

} // namespace dvk
