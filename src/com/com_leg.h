#pragma once

#include "com/com_thrower.h"

#include <array>
#include <cstdint>

namespace dvk {

// The figures of one leg played computer against computer.
struct ComLegStats {
    int winner = -1; // -1 when the leg reached `com_leg_round_limit` undecided
    std::int32_t rounds = 0;
    std::array<std::int32_t, 2> darts{}; // three per visit, the darts used in the check-out
    std::array<std::int32_t, 2> points{};
    std::array<std::int32_t, 2> first9_points{};
    std::array<std::int32_t, 2> first9_darts{};
    std::array<std::int32_t, 2> double_darts{};
    std::int64_t simulated_darts = 0; // darts actually thrown, busts end a visit early
};

// Ends a leg that neither computer can finish, whatever the model does.
inline constexpr std::int32_t com_leg_round_limit = 1000;

// Plays one leg from `start_score` between two computer players of the given level indices,
// visit by visit as the match would (each visit through `ComVisit`), `first_player` throwing
// first.
ComLegStats play_com_leg(ComThrower& thrower, std::array<std::int32_t, 2> levels,
                         std::int32_t start_score, int first_player);

} // namespace dvk
