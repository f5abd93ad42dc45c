#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace dvk {

// A spread fitted to a player's visits: the size (see `spread_of_size`) under which the
// player's visit scores are most likely, and how many visits it was fitted on.
struct SpreadFit {
    double sigma = 0;
    std::int64_t visits = 0;
    double mean_visit = 0;
};

// Fewer scoring visits than this say too little about a player's spread to copy it.
inline constexpr std::int64_t min_fit_visits = 150;

// Highest visit score; the distributions below have one entry per score 0 to this.
inline constexpr std::int32_t max_visit_score = 180;
using VisitScoreDistribution = std::array<double, max_visit_score + 1>;
// How many visits scored each score 0 to 180.
using VisitScoreCounts = std::array<std::int64_t, max_visit_score + 1>;

// How often each visit score comes up for a player of spread size `sigma` aiming every dart
// for the most points, from `visits` simulated visits.
VisitScoreDistribution visit_score_distribution(double sigma, std::int64_t visits,
                                                std::uint64_t seed);

// Fits the spread to `scoring_visits`: visits of three darts thrown while no finish was in
// reach (more than 170 left before the visit), scores 0 to 180. Scores outside that range are
// left out. Nothing when fewer than `min_fit_visits` visits remain. The fit maximises the
// likelihood of the scores over spread sizes from 2 to 60 mm.
std::optional<SpreadFit> fit_spread(std::span<const std::int32_t> scoring_visits,
                                    std::uint64_t seed = 1);

// The same fit from the number of visits of each score.
std::optional<SpreadFit> fit_spread(const VisitScoreCounts& scoring_visits, std::uint64_t seed = 1);

} // namespace dvk
