#include "com/spread_player.h"

#include "com/expected_score.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <utility>

namespace dvk {

namespace {

constexpr std::int32_t bull_eye_points = 50;
constexpr std::int32_t largest_double = 40;

bool is_one_dart_finish(std::int32_t left) {
    return left == bull_eye_points || (left >= 2 && left <= largest_double && left % 2 == 0);
}

// The fewest darts a way of the table needs for `left`; 4 when it has none.
int fewest_darts(const ArrangeTable& check_out, std::int32_t left) {
    int fewest = 4;
    for (const std::size_t i : entries_for_score(check_out, left)) {
        int darts = 0;
        for (std::size_t f = 0; f < 3; ++f) {
            darts += check_out.entries[i].field(f).empty() ? 0 : 1;
        }
        fewest = std::min(fewest, darts);
    }
    return fewest;
}

// How much a player likes to be left with `left` when `darts_after` darts of the visit remain.
// A finish within those darts is best; then a one-dart finish for the next visit, a double
// that halves into further doubles (32, 16, 8) and the top doubles first; then finishes of two
// darts, then of three. Among equals the player takes the most points.
int leave_preference(std::int32_t left, int darts_after, const ArrangeTable& check_out) {
    if (left < 2) {
        return -1;
    }
    constexpr std::array<std::pair<std::int32_t, int>, 10> liked = {
        {{32, 10}, {40, 9}, {16, 8}, {24, 7}, {36, 7}, {20, 6}, {8, 6}, {12, 5}, {28, 5}, {4, 4}}};
    int bonus = 2;
    for (const auto& [score, value] : liked) {
        bonus = score == left ? value : bonus;
    }
    const int darts = is_one_dart_finish(left) ? 1 : fewest_darts(check_out, left);
    int preference = 0;
    if (darts <= darts_after) {
        preference = 300 + (darts == 1 ? bonus : 0);
    } else if (darts == 1) {
        preference = 100 + (left == bull_eye_points ? 0 : bonus);
    } else if (darts == 2) {
        preference = 50;
    } else if (darts == 3) {
        preference = 20;
    }
    return preference * 1000 + (1000 - left);
}

// The first way of the table for `left` that needs at most `darts` darts and really finishes.
Segment table_way(const ArrangeTable& check_out, std::int32_t left, int darts) {
    for (const std::size_t i : entries_for_score(check_out, left)) {
        const ArrangeEntry& entry = check_out.entries[i];
        int used = 0;
        std::int32_t sum = 0;
        Segment last;
        for (std::size_t f = 0; f < 3; ++f) {
            if (entry.field(f).empty()) {
                continue;
            }
            last = parse_segment(entry.field(f));
            if (!is_board_number(last.number)) {
                used = 4;
                break;
            }
            sum += last.number * last.multiplier;
            ++used;
        }
        if (used >= 1 && used <= darts && sum == left && last.multiplier == 2) {
            return parse_segment(entry.field(0).empty() ? entry.field(1) : entry.field(0));
        }
    }
    return {};
}

// The set-up dart when no way of the table fits the darts left: the single, treble or outer
// bull that leaves the best-liked score, a single before a treble of equal worth since it is
// easier to hit.
Segment set_up_target(const ArrangeTable& check_out, std::int32_t left, int darts) {
    Segment best;
    int best_preference = -1;
    const auto consider = [&](Segment candidate) {
        const int preference =
            leave_preference(left - candidate.number * candidate.multiplier, darts - 1, check_out);
        if (preference > best_preference) {
            best_preference = preference;
            best = candidate;
        }
    };
    for (std::int32_t number = 20; number >= 1; --number) {
        consider({number, 1});
    }
    consider({bull_number, 1});
    for (std::int32_t number = 20; number >= 1; --number) {
        consider({number, 3});
    }
    return best_preference >= 0 ? best : Segment{};
}

} // namespace

BoardPoint best_scoring_aim(double sideways, double vertical) {
    static std::mutex guard;
    static std::map<std::pair<double, double>, BoardPoint> known;
    const std::lock_guard lock(guard);
    const auto key = std::make_pair(sideways, vertical);
    if (const auto found = known.find(key); found != known.end()) {
        return found->second;
    }
    const BoardPoint aim = ExpectedScoreField(sideways, vertical).best_aim();
    known.emplace(key, aim);
    return aim;
}

SpreadPlayer::SpreadPlayer(const Spread& spread, const ArrangeTable& check_out)
    : m_spread(spread), m_scoring_aim(best_scoring_aim(spread.sideways, spread.vertical)) {
    for (std::int32_t left = 2; left <= finish_range; ++left) {
        for (int darts = 1; darts <= max_darts; ++darts) {
            Segment target = table_way(check_out, left, darts);
            if (target.number == 0) {
                target = set_up_target(check_out, left, darts);
            }
            m_plan[static_cast<std::size_t>(left)][static_cast<std::size_t>(darts - 1)] = target;
        }
    }
}

SpreadAim SpreadPlayer::aim(std::int32_t left, int darts_left) const {
    const int darts = std::clamp(darts_left, 1, max_darts);
    if (left >= 2 && left <= finish_range) {
        const Segment target =
            m_plan[static_cast<std::size_t>(left)][static_cast<std::size_t>(darts - 1)];
        if (target.number != 0) {
            return {aim_point(target), target};
        }
    }
    return {m_scoring_aim, {}};
}

ComDart SpreadPlayer::throw_at(const SpreadAim& aim, NormalSource& source) const {
    const bool careful = aim.at_double();
    const double sx = careful ? m_spread.at_double : m_spread.sideways;
    const double sy = careful ? m_spread.at_double : m_spread.vertical;
    return dart_at(scatter(aim.point, sx, sy, source));
}

} // namespace dvk
