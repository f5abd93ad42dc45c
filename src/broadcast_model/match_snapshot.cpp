#include "broadcast_model/match_snapshot.h"

#include "match/statistics.h"

namespace dvk {

namespace {

int last_visit(const LegRecord& leg, int player) {
    const int visits = visits_in_leg(leg, player);
    if (visits <= 0) {
        return -1;
    }
    const int entry = leg.score(player, visits - 1);
    return entry < 0 ? leg.check_out : entry;
}

int average_hundredths(const PlayerBlock& player) {
    const StatisticsCounters totals = combined_totals(player);
    if (totals.total_darts < 1) {
        return 0;
    }
    const auto points = static_cast<long long>(totals.total_score) * 300;
    return static_cast<int>((points + totals.total_darts / 2) / totals.total_darts);
}

PlayerSnapshot player_snapshot(const GameRecord& game, int p, const ArrangeTable& checkouts) {
    const PlayerBlock& block = game.players[static_cast<std::size_t>(p)];
    PlayerSnapshot s;
    s.name = block.name;
    s.computer = block.com != 0;
    s.start_score = block.start_score;
    s.left = block.remaining;
    s.sets = block.sets_won;
    s.legs = block.legs_won;
    if (game.has_current_leg()) {
        s.last_visit = last_visit(game.current_leg(), p);
    }
    if (const auto lines = suggestion_lines(checkouts, block.remaining); !lines.empty()) {
        s.checkout = lines.front();
    }
    s.average_hundredths = average_hundredths(block);
    return s;
}

int finished_legs(const GameRecord& game) {
    if (!game.has_current_leg()) {
        return 0;
    }
    return game.leg_index + (game.current_leg().finished != 0 ? 1 : 0);
}

// A game ends early only when its number of legs is limited.
bool game_decided(const GameRecord& game) {
    if (game.leg_limit != 1 || game.max_leg <= 0) {
        return false;
    }
    const int needed = game.max_leg / 2 + 1;
    return finished_legs(game) >= game.max_leg ||
           (game.best_of == 1 &&
            (game.players[0].legs_won >= needed || game.players[1].legs_won >= needed));
}

MatchEvent game_result(const GameRecord& game, int sequence) {
    MatchEvent e;
    e.kind = EventKind::match_winner;
    e.legs[0] = game.players[0].legs_won;
    e.legs[1] = game.players[1].legs_won;
    e.player = e.legs[0] == e.legs[1] ? -1 : (e.legs[1] > e.legs[0] ? 1 : 0);
    e.sequence = sequence;
    return e;
}

MatchEvent leg_result(const LegRecord& leg, int sequence) {
    MatchEvent e;
    e.sequence = sequence;
    if (leg.winning_darts <= 0) {
        e.kind = EventKind::leg_drawn;
        return e;
    }
    e.kind = EventKind::game_shot;
    e.player = is_player(leg.winner) ? leg.winner : -1;
    e.darts = leg.winning_darts;
    e.check_out = leg.check_out;
    return e;
}

MatchEvent last_event(const Match& match) {
    const GameRecord& game = match.game();
    const int legs = finished_legs(game);
    const int sequence = match.history().count() * 1000 + legs;
    if (legs > 0) {
        if (game.current_leg().finished != 0 && game_decided(game)) {
            return game_result(game, sequence);
        }
        return leg_result(game.legs.at(static_cast<std::size_t>(legs - 1)), sequence);
    }
    if (!match.history().items.empty()) {
        return game_result(match.history().items.back(), sequence);
    }
    return MatchEvent{};
}

} // namespace

MatchSnapshot make_snapshot(const Match& match, const ArrangeTable& checkouts,
                            const DialogWait& wait) {
    const GameRecord& game = match.game();
    const ScoreSheet& sheet = match.sheet();
    MatchSnapshot s;
    for (int p = 0; p < 2; ++p) {
        s.players[static_cast<std::size_t>(p)] = player_snapshot(game, p, checkouts);
    }
    const bool open = game.has_current_leg() && game.current_leg().finished == 0;
    if (open) {
        s.to_throw = game.current_leg().next_player;
        const InputCell cell = sheet.input_cell();
        s.input_player = cell.player;
        s.input_left = sheet.remaining_at(cell);
        s.correcting = sheet.shown_leg() == game.leg_index && !sheet.is_open_cell(cell);
    }
    s.leg_number = game.leg_index + 1;
    s.game_number = game.game_index + 1;
    s.sets_counted = game.leg_limit == 1;
    s.max_leg = game.max_leg;
    s.best_of = game.best_of == 1;
    s.start_score = game.start_score;
    s.event = last_event(match);
    s.wait = wait;
    return s;
}

} // namespace dvk
