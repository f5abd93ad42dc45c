#include "model/game_record.h"
#include "model/playable_values.h"

#include <algorithm>

namespace dvk {

namespace {

constexpr std::array<PlayerPair LegRecord::*, LegRecord::statistics_pairs> statistics_order = {
    &LegRecord::leg_tons,         &LegRecord::leg_100,          &LegRecord::leg_reserved,
    &LegRecord::leg_140,          &LegRecord::leg_180,          &LegRecord::leg_remaining,
    &LegRecord::leg_darts,        &LegRecord::leg_first9_score, &LegRecord::leg_first9_darts,
    &LegRecord::leg_double_darts, &LegRecord::leg_fail_2_80,    &LegRecord::leg_fail_81_130,
    &LegRecord::leg_fail_131,
};

} // namespace

LegRecord LegRecord::with_capacity(std::int32_t capacity, std::int32_t rows) {
    LegRecord leg;
    leg.capacity = std::max(capacity, 0);
    leg.rows = std::clamp(rows, 0, leg.capacity);
    for (auto& s : leg.scores) {
        s.assign(static_cast<std::size_t>(leg.capacity) + 1, 0);
    }
    return leg;
}

std::int16_t LegRecord::score(int player, std::int32_t index) const {
    if (!is_player(player) || index < 0) {
        return 0;
    }
    const auto& s = scores[static_cast<std::size_t>(player)];
    return static_cast<std::size_t>(index) < s.size() ? s[static_cast<std::size_t>(index)] : 0;
}

std::array<PlayerPair, LegRecord::statistics_pairs> LegRecord::statistics_to_array() const {
    std::array<PlayerPair, statistics_pairs> values{};
    for (std::size_t i = 0; i < statistics_pairs; ++i) {
        values[i] = this->*statistics_order[i];
    }
    return values;
}

void LegRecord::statistics_from_array(const std::array<PlayerPair, statistics_pairs>& values) {
    for (std::size_t i = 0; i < statistics_pairs; ++i) {
        this->*statistics_order[i] = values[i];
    }
}

std::int8_t GameRecord::double_darts(int player, std::int32_t index) const {
    if (!is_player(player) || index < 0) {
        return 0;
    }
    const auto& d = darts_at_double[static_cast<std::size_t>(player)];
    return static_cast<std::size_t>(index) < d.size() ? d[static_cast<std::size_t>(index)] : 0;
}

void release_game(GameRecord& game) {
    game.legs.clear();
    game.legs.shrink_to_fit();
    for (auto& d : game.darts_at_double) {
        d.clear();
        d.shrink_to_fit();
    }
    game.leg_index = 0;
}

bool visit_entered(const LegRecord& leg, int player, std::int32_t round) {
    if (!is_player(player) || round < 0) {
        return false;
    }
    return round < leg.round || (round == leg.round && player == leg.first_player &&
                                 leg.next_player != leg.first_player);
}

std::int32_t initial_leg_capacity(std::int32_t round_limit, std::int32_t rounds) {
    return round_limit == 1 ? std::clamp(rounds, min_rounds, max_rounds) : 10;
}

std::int32_t initial_leg_rows(std::int32_t round_limit, std::int32_t rounds) {
    return round_limit == 1 ? std::clamp(rounds, min_rounds, max_rounds) : 1;
}

} // namespace dvk
