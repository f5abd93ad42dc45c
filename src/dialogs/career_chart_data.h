#pragma once

#include "career/career_series.h"

#include <array>
#include <cstdint>
#include <vector>

namespace dvk {

// What the four career charts show for a player and filter, as the archive gives it.
struct CareerChartInput {
    std::vector<GamePoint> games;
    std::vector<ScoreCount> visit_scores;
    std::vector<CheckOutPeriod> check_outs;
    std::vector<DartsCount> legs_won_by_darts;
};

struct ChartPoint {
    double x = 0;
    double y = 0;
    bool operator==(const ChartPoint&) const = default;
};

// The averages per game over time. A long career is drawn as at most `max_points` points per
// line, each the mean of a run of consecutive games, so that the chart stays quick; the moving
// averages are taken over the games themselves before they are thinned. First-nine lines count
// only the games that had first-nine figures. `x` holds each game's place on the time axis.
struct AverageSeries {
    std::vector<ChartPoint> average;
    std::vector<ChartPoint> first9;
    std::vector<ChartPoint> moving_average;
    std::vector<ChartPoint> moving_first9;
};
AverageSeries average_series(const std::vector<GamePoint>& games, const std::vector<double>& x,
                             std::size_t window, std::size_t max_points);

// Visits by score in groups of twenty points: 0–19, 20–39, …, 160–179, and 180 on its own.
inline constexpr std::size_t visit_score_groups = 10;
std::array<std::int64_t, visit_score_groups>
visit_score_counts(const std::vector<ScoreCount>& scores);

// Legs won by darts: each count up to 9 darts on its own, then a group per visit ("10–12",
// "13–15", …); the last group collects every leg of `last_from` darts or more (`to` 0).
struct DartsGroup {
    int from = 0;
    int to = 0;
    std::int64_t legs = 0;
    bool operator==(const DartsGroup&) const = default;
};
std::vector<DartsGroup> darts_groups(const std::vector<DartsCount>& legs, int last_from);

} // namespace dvk
