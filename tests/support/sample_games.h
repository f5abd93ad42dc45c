#pragma once

#include "model/game_options.h"
#include "model/game_record.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace dvk::test {

inline void set_scores(LegRecord& leg, int player, std::initializer_list<std::int16_t> visits) {
    std::size_t i = 0;
    for (const std::int16_t v : visits) {
        leg.scores[static_cast<std::size_t>(player)].at(i++) = v;
    }
}

// A 501 game in its third leg, with names that need CSV quoting.
//  Leg 1: player 1 throws first and checks out 81 with two darts in his fourth visit.
//  Leg 2: player 2 throws first and checks out 81 with three darts in his fourth visit.
//  Leg 3: in progress; player 1 has thrown three visits, player 2 two.
inline GameRecord third_leg_game() {
    GameRecord game;
    game.start_score = 501;
    game.game_index = 0;
    game.leg_index = 2;
    game.leg_limit = 1;
    game.max_leg = 5;
    game.best_of = 1;
    game.round = 15;
    game.started = SystemTime{2026, 12, 1, 7, 10, 15, 0, 250};

    PlayerBlock& p0 = game.players[0];
    p0.name = "O'Brien, Pat";
    p0.start_score = 501;
    p0.remaining = 330;
    p0.sets_won = 0;
    p0.legs_won = 1;
    p0.game.tons = 4;
    p0.game.count_100 = 2;
    p0.game.count_140 = 1;
    p0.game.count_180 = 1;
    p0.game.high_out = 81;
    p0.game.best_leg = 11;
    p0.game.worst_leg = 11;
    p0.game.total_score = 762;
    p0.game.total_darts = 24;
    p0.game.won_darts = 11;
    p0.game.won_legs = 1;
    p0.game.first9_score = 420;
    p0.game.first9_darts = 9;
    p0.game.double_darts = 3;
    p0.game.check_outs = 1;
    p0.game.keep_all = 1;
    p0.game.keep_won = 1;
    p0.game.break_all = 1;
    p0.game.success_81_130 = 1;
    p0.game.failure_2_80 = 2;
    p0.match.tons = 9;
    p0.ask_double = 1;

    PlayerBlock& p1 = game.players[1];
    p1.name = "Tobi \"The Power\"";
    p1.start_score = 501;
    p1.remaining = 375;
    p1.legs_won = 1;
    p1.game.tons = 3;
    p1.game.count_140 = 3;
    p1.game.high_out = 81;
    p1.game.best_leg = 12;
    p1.game.worst_leg = 12;
    p1.game.total_score = 681;
    p1.game.total_darts = 21;
    p1.game.won_darts = 12;
    p1.game.won_legs = 1;
    p1.game.first9_score = 305;
    p1.game.first9_darts = 9;
    p1.game.check_outs = 1;
    p1.game.keep_all = 1;
    p1.game.keep_won = 1;
    p1.game.break_all = 1;
    p1.com_result = -5;

    LegRecord leg0 = LegRecord::with_capacity(10, 4);
    leg0.first_player = 0;
    leg0.round = 3;
    leg0.next_player = 1;
    set_scores(leg0, 0, {100, 140, 180, -2});
    set_scores(leg0, 1, {60, 45, 85});
    leg0.finished = 1;
    leg0.winner = 0;
    leg0.winning_darts = 11;
    leg0.check_out = 81;
    leg0.leg_tons = {3, 0};
    leg0.leg_remaining = {0, 311};
    leg0.leg_darts = {11, 9};
    leg0.leg_double_darts = {3, 0};

    LegRecord leg1 = LegRecord::with_capacity(10, 4);
    leg1.first_player = 1;
    leg1.round = 3;
    leg1.next_player = 0;
    set_scores(leg1, 0, {60, 60, 60});
    set_scores(leg1, 1, {140, 140, 140, -3});
    leg1.finished = 1;
    leg1.winner = 1;
    leg1.winning_darts = 12;
    leg1.check_out = 81;
    leg1.leg_140 = {0, 3};
    leg1.leg_remaining = {321, 0};
    leg1.leg_darts = {9, 12};

    LegRecord leg2 = LegRecord::with_capacity(10, 3);
    leg2.first_player = 0;
    leg2.round = 2;
    leg2.next_player = 1;
    set_scores(leg2, 0, {45, 26, 100});
    set_scores(leg2, 1, {85, 41});
    leg2.leg_tons = {1, 0};
    leg2.leg_remaining = {330, 375};
    leg2.leg_darts = {9, 6};

    game.legs = {leg0, leg1, leg2};
    game.darts_at_double[0].assign(11, 0);
    game.darts_at_double[1].assign(11, 0);
    game.darts_at_double[0][2] = 1;
    game.darts_at_double[1][1] = 2;
    return game;
}

inline GameOptions sample_options() {
    GameOptions options;
    options.p1_name = "O'Brien, Pat";
    options.p2_name = "Tobi \"The Power\"";
    options.max_leg = 5;
    options.leg_limit = 1;
    options.p2_start_score = 301;
    options.change_first = 1;
    return options;
}

inline std::vector<GameOptions> sample_schedule() {
    GameOptions first = sample_options();
    first.schedule_entry = 1;
    GameOptions second = first;
    second.start_score = 301;
    second.p2_com = 1;
    second.p2_com_level = 7;
    return {first, second};
}

} // namespace dvk::test
