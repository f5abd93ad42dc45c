#include "dialogs/career_chart_data.h"

#include <algorithm>

namespace dvk {

namespace {

std::vector<ChartPoint> thinned(const std::vector<double>& x, const std::vector<double>& y,
                                std::size_t max_points) {
    const std::size_t n = std::min(x.size(), y.size());
    const std::size_t run =
        std::max<std::size_t>(1, (n + max_points - 1) / std::max<std::size_t>(max_points, 1));
    std::vector<ChartPoint> points;
    points.reserve(n / run + 1);
    for (std::size_t start = 0; start < n; start += run) {
        const std::size_t end = std::min(n, start + run);
        ChartPoint mean;
        for (std::size_t i = start; i < end; ++i) {
            mean.x += x[i];
            mean.y += y[i];
        }
        const auto count = static_cast<double>(end - start);
        points.push_back({mean.x / count, mean.y / count});
    }
    return points;
}

} // namespace

AverageSeries average_series(const std::vector<GamePoint>& games, const std::vector<double>& x,
                             std::size_t window, std::size_t max_points) {
    std::vector<double> average;
    std::vector<double> first9;
    std::vector<double> first9_x;
    for (std::size_t i = 0; i < std::min(games.size(), x.size()); ++i) {
        average.push_back(games[i].average);
        if (games[i].has_first9) {
            first9.push_back(games[i].first9_average);
            first9_x.push_back(x[i]);
        }
    }
    return {thinned(x, average, max_points), thinned(first9_x, first9, max_points),
            thinned(x, moving_average(average, window), max_points),
            thinned(first9_x, moving_average(first9, window), max_points)};
}

std::array<std::int64_t, visit_score_groups>
visit_score_counts(const std::vector<ScoreCount>& scores) {
    std::array<std::int64_t, visit_score_groups> counts{};
    for (const ScoreCount& s : scores) {
        counts[static_cast<std::size_t>(std::clamp(s.score, 0, 180) / 20)] += s.visits;
    }
    return counts;
}

std::vector<DartsGroup> darts_groups(const std::vector<DartsCount>& legs, int last_from) {
    const auto group_of = [last_from](int darts) {
        if (darts >= last_from) {
            return DartsGroup{last_from, 0, 0};
        }
        if (darts <= 9) {
            return DartsGroup{darts, darts, 0};
        }
        const int from = 10 + (darts - 10) / 3 * 3;
        return DartsGroup{from, std::min(from + 2, last_from - 1), 0};
    };
    std::vector<DartsCount> sorted = legs;
    std::sort(sorted.begin(), sorted.end(),
              [](const DartsCount& a, const DartsCount& b) { return a.darts < b.darts; });
    std::vector<DartsGroup> groups;
    for (const DartsCount& count : sorted) {
        const DartsGroup group = group_of(count.darts);
        if (groups.empty() || groups.back().from != group.from) {
            groups.push_back(group);
        }
        groups.back().legs += count.legs;
    }
    return groups;
}

} // namespace dvk
