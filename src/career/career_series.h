#pragma once

#include "career/career_figures.h"
#include "model/game_record.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace dvk {

// A player as the archive lists him: his name, the names entered for him that were merged
// into him or renamed, and how much he played.
struct PlayerSummary {
    std::string name;
    bool computer = false;
    std::int32_t com_level = 0;
    std::int64_t games = 0;
    std::int64_t legs = 0;
    std::vector<std::string> entered_names; // every name that counts as this player

    bool operator==(const PlayerSummary&) const = default;
};

// One game of a player, in time order, for the average chart.
struct GamePoint {
    std::int64_t game_id = 0;
    SystemTime started;
    std::string opponent;
    double average = 0;        // per three darts
    double first9_average = 0; // per three darts; 0 when the game had no 501 legs
    bool has_first9 = false;

    bool operator==(const GamePoint&) const = default;
};

// How often the player scored `score` points in a visit (a check-out counts its points).
struct ScoreCount {
    std::int32_t score = 0;
    std::int64_t visits = 0;

    bool operator==(const ScoreCount&) const = default;
};

// Check-outs by range in one month ("YYYY-MM").
struct CheckOutPeriod {
    std::string period;
    std::array<FinishRange, 3> ranges{};

    bool operator==(const CheckOutPeriod&) const = default;
};

// Legs won with a number of darts.
struct DartsCount {
    std::int32_t darts = 0;
    std::int64_t legs = 0;

    bool operator==(const DartsCount&) const = default;
};

// The record against one opponent.
struct HeadToHeadRow {
    std::string opponent;
    std::int64_t games = 0;
    std::int64_t games_won = 0;
    std::int64_t games_lost = 0;
    std::int64_t legs = 0;
    std::int64_t legs_won = 0;
    std::int64_t legs_lost = 0;
    double average = 0;          // the player's, per three darts
    double opponent_average = 0; // the opponent's against him

    bool operator==(const HeadToHeadRow&) const = default;
};

// The mean of each value and up to `window` - 1 values before it (a trailing moving average);
// empty for a window of 0.
std::vector<double> moving_average(const std::vector<double>& values, std::size_t window);

// The percentage of one range from its counts, as the window prints it.
void finish_percent(FinishRange& range);

} // namespace dvk
