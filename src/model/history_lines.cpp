#include "model/history_lines.h"

namespace dvk {

namespace {

void add_game(std::vector<HistoryLine>& lines, int game, std::int32_t completed_legs) {
    lines.push_back({HistoryLine::Kind::Game, game, 0});
    for (int leg = 1; leg <= completed_legs; ++leg) {
        lines.push_back({HistoryLine::Kind::Leg, game, leg});
    }
}

} // namespace

std::vector<HistoryLine> history_lines(const HistoryList& history, const GameRecord& current) {
    std::vector<HistoryLine> lines;
    for (int i = 0; i < history.count(); ++i) {
        add_game(lines, i, history.items[static_cast<std::size_t>(i)].leg_index);
    }
    if (current.stored == 0 && current.leg_index >= 1) {
        add_game(lines, HistoryLine::current_game, current.leg_index);
    }
    return lines;
}

const GameRecord* history_line_game(const HistoryLine& line, const HistoryList& history,
                                    const GameRecord& current) {
    if (line.game == HistoryLine::current_game) {
        return &current;
    }
    if (line.game < 0 || line.game >= history.count()) {
        return nullptr;
    }
    return &history.items[static_cast<std::size_t>(line.game)];
}

const LegRecord* history_line_leg(const HistoryLine& line, const HistoryList& history,
                                  const GameRecord& current) {
    const GameRecord* game = history_line_game(line, history, current);
    if (game == nullptr || line.kind != HistoryLine::Kind::Leg || line.leg < 1 ||
        line.leg > game->leg_index || static_cast<std::size_t>(line.leg) > game->legs.size()) {
        return nullptr;
    }
    return &game->legs[static_cast<std::size_t>(line.leg - 1)];
}

int game_line_leader(const GameRecord& game) {
    const std::int32_t first = game.players[0].legs_won;
    const std::int32_t second = game.players[1].legs_won;
    if (first == second) {
        return -1;
    }
    return first > second ? 0 : 1;
}

std::optional<int> leg_line_darts(const LegRecord& leg, int player) {
    if (player != leg.winner || leg.winning_darts <= 0) {
        return std::nullopt;
    }
    return leg.winning_darts;
}

} // namespace dvk
