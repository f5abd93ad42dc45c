#include "com/com_leg.h"

#include "com/com_visit.h"

#include <algorithm>

namespace dvk {

namespace {

constexpr std::int32_t capacity_step = 10;
constexpr std::int32_t first_nine_visits = 3;

GameRecord new_com_game(std::array<std::int32_t, 2> levels, std::int32_t start_score,
                        int first_player) {
    GameRecord game;
    game.start_score = start_score;
    for (std::size_t p = 0; p < game.players.size(); ++p) {
        PlayerBlock& player = game.players[p];
        player.name = "COM";
        player.start_score = start_score;
        player.remaining = start_score;
        player.com = 1;
        player.com_locked = 1;
        player.com_level = levels[p];
    }
    LegRecord leg = LegRecord::with_capacity(capacity_step, 1);
    leg.first_player = first_player;
    leg.next_player = first_player;
    game.legs.push_back(std::move(leg));
    for (auto& d : game.darts_at_double) {
        d.assign(capacity_step + 1, 0);
    }
    return game;
}

// Gives the open round a slot in the score and darts-at-double arrays.
void make_room_for_round(GameRecord& game) {
    LegRecord& leg = game.current_leg();
    if (leg.round < leg.capacity) {
        return;
    }
    leg.capacity += capacity_step;
    const auto size = static_cast<std::size_t>(leg.capacity) + 1;
    for (auto& s : leg.scores) {
        s.resize(size, 0);
    }
    for (auto& d : game.darts_at_double) {
        d.resize(size, 0);
    }
}

void record_visit(GameRecord& game, int p, std::int16_t result, ComLegStats& stats) {
    LegRecord& leg = game.current_leg();
    PlayerBlock& player = game.players[static_cast<std::size_t>(p)];
    const auto round = static_cast<std::size_t>(leg.round);
    const auto i = static_cast<std::size_t>(p);
    const bool checked_out = result < 0;
    const std::int32_t points = checked_out ? player.remaining : result;
    const std::int32_t darts = checked_out ? -result : 3;
    leg.scores[i][round] = result;
    player.remaining -= points;
    stats.points[i] += points;
    stats.darts[i] += darts;
    stats.double_darts[i] += game.darts_at_double[i][round];
    if (leg.round < first_nine_visits) {
        stats.first9_points[i] += points;
        stats.first9_darts[i] += darts;
    }
    if (checked_out) {
        leg.finished = 1;
        leg.winner = p;
        leg.winning_darts = stats.darts[i];
        leg.check_out = static_cast<std::int16_t>(points);
        stats.winner = p;
    }
}

} // namespace

ComLegStats play_com_leg(ComThrower& thrower, std::array<std::int32_t, 2> levels,
                         std::int32_t start_score, int first_player) {
    const int first = is_player(first_player) ? first_player : 0;
    GameRecord game = new_com_game(levels, start_score, first);
    ComLegStats stats;
    int p = first;
    while (stats.winner < 0 && game.current_leg().round < com_leg_round_limit) {
        make_room_for_round(game);
        ComVisit visit(game, p, thrower);
        while (!visit.finished()) {
            visit.tick();
        }
        stats.simulated_darts += visit.darts_thrown();
        record_visit(game, p, visit.result(), stats);
        LegRecord& leg = game.current_leg();
        if (p != first) {
            ++leg.round;
        }
        leg.rows = std::min(leg.round + 1, leg.capacity);
        p = other_player(p);
        leg.next_player = p;
    }
    stats.rounds = game.current_leg().round;
    return stats;
}

} // namespace dvk
