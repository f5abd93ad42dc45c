#include "model/playable_values.h"

#include "model/com_levels.h"

#include <algorithm>

namespace dvk {

namespace {

void clamp_to(std::int32_t& value, std::int32_t low, std::int32_t high) {
    value = std::clamp(value, low, high);
}

void clamp_count(std::int32_t& value) {
    clamp_to(value, -max_counter, max_counter);
}

void bound_counters(StatisticsCounters& counters) {
    auto values = counters.to_array();
    for (std::int32_t& value : values) {
        clamp_count(value);
    }
    counters = StatisticsCounters::from_array(values);
}

void bound_player(PlayerBlock& player) {
    clamp_to(player.start_score, min_start_score, max_start_score);
    clamp_count(player.remaining);
    clamp_to(player.sets_won, 0, max_counter);
    clamp_to(player.legs_won, 0, max_counter);
    bound_counters(player.game);
    bound_counters(player.match);
    player.com_level = playable_com_level(player.com_level);
}

bool playable_entry(std::int16_t entry) {
    return entry >= min_visit_entry && entry <= max_visit_entry;
}

// Entries beyond the visits thrown carry no meaning and are made harmless; a thrown visit
// outside the range is damage that no clamp could repair.
std::string bound_leg(LegRecord& leg) {
    for (int player = 0; player < 2; ++player) {
        auto& scores = leg.scores[static_cast<std::size_t>(player)];
        for (std::size_t i = 0; i < scores.size(); ++i) {
            if (playable_entry(scores[i])) {
                continue;
            }
            if (visit_entered(leg, player, static_cast<std::int32_t>(i))) {
                return "a visit holds points that three darts cannot score";
            }
            scores[i] = 0;
        }
    }
    clamp_to(leg.winning_darts, 0, max_counter);
    leg.check_out = std::clamp<std::int16_t>(leg.check_out, 0, max_visit_entry);
    auto pairs = leg.statistics_to_array();
    for (PlayerPair& pair : pairs) {
        clamp_count(pair[0]);
        clamp_count(pair[1]);
    }
    leg.statistics_from_array(pairs);
    return {};
}

std::string bound_game_index(GameRecord& game, std::size_t schedule_entries) {
    if (game.schedule_mode != 1) {
        clamp_to(game.game_index, 0, max_game_index);
        return {};
    }
    if (game.game_index < 0 || static_cast<std::size_t>(game.game_index) >= schedule_entries) {
        return "the game is not an entry of its schedule";
    }
    return {};
}

} // namespace

void bound_game_options(GameOptions& options) {
    clamp_to(options.start_score, min_start_score, max_start_score);
    clamp_to(options.round, min_rounds, max_rounds);
    clamp_to(options.max_leg, min_legs, max_legs);
    for (std::int32_t* handicap : {&options.p1_start_score, &options.p2_start_score}) {
        if (*handicap > 0) {
            clamp_to(*handicap, min_start_score, max_start_score);
        }
    }
    options.p1_com_level = playable_com_level(options.p1_com_level);
    options.p2_com_level = playable_com_level(options.p2_com_level);
}

std::string bound_game_record(GameRecord& game, std::size_t schedule_entries) {
    if (std::string problem = bound_game_index(game, schedule_entries); !problem.empty()) {
        return problem;
    }
    clamp_to(game.start_score, min_start_score, max_start_score);
    clamp_to(game.round, min_rounds, max_rounds);
    clamp_to(game.max_leg, min_legs, max_legs);
    for (PlayerBlock& player : game.players) {
        bound_player(player);
    }
    for (LegRecord& leg : game.legs) {
        if (std::string problem = bound_leg(leg); !problem.empty()) {
            return problem;
        }
    }
    for (auto& darts : game.darts_at_double) {
        for (std::int8_t& entry : darts) {
            entry = std::clamp<std::int8_t>(entry, 0, 3);
        }
    }
    return {};
}

} // namespace dvk
