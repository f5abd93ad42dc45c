#include "match/schedule_modify.h"

#include <algorithm>

namespace dvk {

bool game_untouched(const GameRecord& game) {
    if (game.leg_index != 0 || game.legs.empty()) {
        return false;
    }
    const LegRecord& leg = game.legs.front();
    return leg.round == 0 && leg.next_player == 0 && leg.first_player == 0;
}

ScheduleModifyPlan plan_schedule_modify(const GameRecord& game) {
    const auto index = static_cast<std::size_t>(std::max(game.game_index, 0));
    if (game_untouched(game)) {
        return {index, index};
    }
    return {index + 1, std::nullopt};
}

} // namespace dvk
