#pragma once

#include "model/game_options.h"
#include "model/statistics_counters.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace dvk {

using PlayerPair = std::array<std::int32_t, 2>;

// Local date and time in the field order the recovery file and plug-ins expect.
struct SystemTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day_of_week = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;

    bool operator==(const SystemTime&) const = default;
};

// One leg: the turn state, the visit scores of both players and the per-leg statistics.
// Each score array holds `capacity` + 1 entries. A negative entry is a winning check-out
// (minus the darts used); its points are `check_out`.
struct LegRecord {
    std::int32_t first_player = 0;
    std::int32_t round = 0;
    std::int32_t next_player = 0;
    std::int32_t rows = 0;
    std::int32_t capacity = 0;
    std::array<std::vector<std::int16_t>, 2> scores;
    std::int32_t finished = 0;
    std::int32_t winner = 0;
    std::int32_t winning_darts = 0;
    std::int16_t check_out = 0;

    PlayerPair leg_tons{};
    PlayerPair leg_100{};
    PlayerPair leg_reserved{};
    PlayerPair leg_140{};
    PlayerPair leg_180{};
    PlayerPair leg_remaining{};
    PlayerPair leg_darts{};
    PlayerPair leg_first9_score{};
    PlayerPair leg_first9_darts{};
    PlayerPair leg_double_darts{};
    PlayerPair leg_fail_2_80{};
    PlayerPair leg_fail_81_130{};
    PlayerPair leg_fail_131{};

    static constexpr std::size_t statistics_pairs = 13;

    // A new leg with zero-filled score arrays of `capacity` + 1 entries.
    static LegRecord with_capacity(std::int32_t capacity, std::int32_t rows);

    // Entry i of a player's scores; 0 outside the array, so a stray index never reads memory.
    std::int16_t score(int player, std::int32_t index) const;

    // The 13 statistics pairs in stored order, for the recovery file and the plug-in mirror.
    std::array<PlayerPair, statistics_pairs> statistics_to_array() const;
    void statistics_from_array(const std::array<PlayerPair, statistics_pairs>& values);

    bool operator==(const LegRecord&) const = default;
};

// One player of a game: name, scores, legs and sets, and the statistics counters of this game
// (`game`) and of the earlier games of the match (`match`).
struct PlayerBlock {
    std::string name;
    std::int32_t start_score = 0;
    std::int32_t remaining = 0;
    std::int32_t sets_won = 0;
    std::int32_t legs_won = 0;
    StatisticsCounters game;
    StatisticsCounters match;
    std::int32_t com_locked = 0;
    std::int32_t ask_double = 0;
    std::int32_t com = 0;
    std::int32_t com_level = 0;
    std::int16_t com_result = 0;

    bool operator==(const PlayerBlock&) const = default;
};

// A game: the unit that the history, the recovery file, the CSV export and plug-ins handle.
// `legs` holds `leg_index` + 1 legs; `darts_at_double` belongs to the current leg and has its
// `capacity` + 1 entries per player (empty in a stored history copy).
struct GameRecord {
    std::int32_t schedule_mode = 0;
    std::int32_t stored = 0;
    std::int32_t start_score = 0;
    std::int32_t game_index = 0;
    std::int32_t leg_index = 0;
    std::int32_t leg_limit = 0;
    std::int32_t max_leg = 0;
    std::int32_t best_of = 0;
    std::int32_t round_limit = 0;
    std::int32_t round = 0;
    SystemTime started;
    std::array<PlayerBlock, 2> players;
    std::vector<LegRecord> legs;
    std::array<std::vector<std::int8_t>, 2> darts_at_double;

    bool has_current_leg() const {
        return leg_index >= 0 && static_cast<std::size_t>(leg_index) < legs.size();
    }
    LegRecord& current_leg() { return legs.at(static_cast<std::size_t>(leg_index)); }
    const LegRecord& current_leg() const { return legs.at(static_cast<std::size_t>(leg_index)); }

    // Darts at a double of visit i of the current leg; 0 outside the array.
    std::int8_t double_darts(int player, std::int32_t index) const;

    bool operator==(const GameRecord&) const = default;
};

// Frees the legs and the darts-at-double arrays; `leg_index` becomes 0. Harmless twice.
void release_game(GameRecord& game);

// True for a valid player index (0 or 1).
constexpr bool is_player(int player) {
    return player == 0 || player == 1;
}
constexpr int other_player(int player) {
    return player == 0 ? 1 : 0;
}

// Whether the visit of (player, round) counts in a leg with this turn state: every round before
// the open one, and the first thrower's visit once he has thrown in the open round.
bool visit_entered(const LegRecord& leg, int player, std::int32_t round);

// Capacity and shown rows of a new leg: the round limit when rounds are limited (never more than
// a game can have), else 10 and 1.
std::int32_t initial_leg_capacity(std::int32_t round_limit, std::int32_t rounds);
std::int32_t initial_leg_rows(std::int32_t round_limit, std::int32_t rounds);

} // namespace dvk
