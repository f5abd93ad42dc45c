#pragma once

#include "model/game_record.h"

#include <cstddef>
#include <optional>

namespace dvk {

// Nothing of the game has been played yet: its first leg is open at round 0 with player 1
// having begun it and being to throw.
bool game_untouched(const GameRecord& game);

// How "Modify Schedule" treats the running schedule: the entries already played, and the
// current one once anything of it was played, are locked; an untouched current game is
// started again from its entry, which may have been edited, and must stay in the schedule.
struct ScheduleModifyPlan {
    std::size_t locked_rows = 0;
    std::optional<std::size_t> restart_entry;
};

ScheduleModifyPlan plan_schedule_modify(const GameRecord& game);

} // namespace dvk
