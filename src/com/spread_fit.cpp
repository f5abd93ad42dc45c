#include "com/spread_fit.h"

#include "com/spread.h"
#include "com/spread_player.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace dvk {

namespace {

constexpr std::int64_t simulated_visits = 10'000;
// Added to every count so that a score the simulation never produced is unlikely, not
// impossible.
constexpr double smoothing = 0.5;
constexpr double smallest_sigma = 2.0;
constexpr double largest_sigma = 60.0;
constexpr std::array<double, 16> coarse_sigmas = {2,  3,  4,  6,  8,  10, 12, 14,
                                                  17, 20, 24, 28, 34, 40, 50, 60};

double log_likelihood(const VisitScoreCounts& observed, double sigma, std::uint64_t seed) {
    const VisitScoreDistribution p = visit_score_distribution(sigma, simulated_visits, seed);
    double sum = 0;
    for (std::size_t score = 0; score < observed.size(); ++score) {
        if (observed[score] > 0) {
            sum += static_cast<double>(observed[score]) * std::log(p[score]);
        }
    }
    return sum;
}

// Golden-section search for the most likely size between `low` and `high`.
double refine(const VisitScoreCounts& observed, double low, double high, std::uint64_t seed) {
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = high - ratio * (high - low);
    double b = low + ratio * (high - low);
    double fa = log_likelihood(observed, a, seed);
    double fb = log_likelihood(observed, b, seed);
    while (high - low > 0.05) {
        if (fa > fb) {
            high = b;
            b = a;
            fb = fa;
            a = high - ratio * (high - low);
            fa = log_likelihood(observed, a, seed);
        } else {
            low = a;
            a = b;
            fa = fb;
            b = low + ratio * (high - low);
            fb = log_likelihood(observed, b, seed);
        }
    }
    return (low + high) / 2;
}

} // namespace

VisitScoreDistribution visit_score_distribution(double sigma, std::int64_t visits,
                                                std::uint64_t seed) {
    const Spread spread = spread_of_size(sigma);
    const BoardPoint aim = best_scoring_aim(spread.sideways, spread.vertical);
    NormalSource source(seed);
    VisitScoreCounts counts{};
    for (std::int64_t v = 0; v < visits; ++v) {
        std::int32_t score = 0;
        for (int dart = 0; dart < 3; ++dart) {
            score += dart_at(scatter(aim, spread.sideways, spread.vertical, source)).points();
        }
        ++counts[static_cast<std::size_t>(score)];
    }
    VisitScoreDistribution p{};
    const double total = static_cast<double>(visits) + smoothing * static_cast<double>(p.size());
    for (std::size_t score = 0; score < p.size(); ++score) {
        p[score] = (static_cast<double>(counts[score]) + smoothing) / total;
    }
    return p;
}

std::optional<SpreadFit> fit_spread(std::span<const std::int32_t> scoring_visits,
                                    std::uint64_t seed) {
    VisitScoreCounts observed{};
    for (const std::int32_t score : scoring_visits) {
        if (score >= 0 && score <= max_visit_score) {
            ++observed[static_cast<std::size_t>(score)];
        }
    }
    return fit_spread(observed, seed);
}

std::optional<SpreadFit> fit_spread(const VisitScoreCounts& observed, std::uint64_t seed) {
    std::int64_t visits = 0;
    std::int64_t points = 0;
    for (std::size_t score = 0; score < observed.size(); ++score) {
        visits += observed[score];
        points += observed[score] * static_cast<std::int64_t>(score);
    }
    if (visits < min_fit_visits) {
        return std::nullopt;
    }
    std::size_t best = 0;
    double best_likelihood = -INFINITY;
    for (std::size_t i = 0; i < coarse_sigmas.size(); ++i) {
        const double likelihood = log_likelihood(observed, coarse_sigmas[i], seed);
        if (likelihood > best_likelihood) {
            best_likelihood = likelihood;
            best = i;
        }
    }
    const double low = best == 0 ? smallest_sigma : coarse_sigmas[best - 1];
    const double high = best + 1 == coarse_sigmas.size() ? largest_sigma : coarse_sigmas[best + 1];
    return SpreadFit{refine(observed, low, high, seed), visits,
                     static_cast<double>(points) / static_cast<double>(visits)};
}

} // namespace dvk
