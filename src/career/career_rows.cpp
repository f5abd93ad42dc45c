#include "career/career_rows.h"

#include "career/career_filter.h"
#include "career/leg_counters.h"
#include "com/com_player_name.h"
#include "match/statistics.h"

namespace dvk {

namespace {

SeatRow seat_row(const PlayerBlock& player) {
    SeatRow seat;
    seat.name = archived_name(player);
    seat.start_score = player.start_score;
    seat.computer = player.com != 0;
    seat.com_level = player.com_level;
    return seat;
}

// The visits of a finished leg in throwing order: round by round, the first thrower first.
std::vector<VisitRow> visit_rows(const GameRecord& game, const LegRecord& leg, int leg_index,
                                 bool with_doubles) {
    std::vector<VisitRow> rows;
    const std::array<int, 2> visits = {visits_in_leg(leg, 0), visits_in_leg(leg, 1)};
    std::array<std::int64_t, 2> left = {game.players[0].start_score, game.players[1].start_score};
    const int first = is_player(leg.first_player) ? leg.first_player : 0;
    const int rounds = std::max(visits[0], visits[1]);
    for (int round = 0; round < rounds; ++round) {
        for (const int player : {first, other_player(first)}) {
            const auto i = static_cast<std::size_t>(player);
            if (round >= visits[i]) {
                continue;
            }
            VisitRow visit;
            visit.leg_index = leg_index;
            visit.round = round;
            visit.player = player;
            const int entry = leg.score(player, round);
            if (entry < 0) {
                visit.score = leg.check_out;
                visit.darts = visit.check_out_darts = -entry;
                left[i] = 0;
            } else {
                visit.score = entry;
                left[i] -= entry;
            }
            visit.left = saturated(left[i]);
            visit.darts_at_double = with_doubles && leg_index == game.leg_index - 1
                                        ? game.double_darts(player, round)
                                        : -1;
            rows.push_back(visit);
        }
    }
    return rows;
}

} // namespace

std::string computer_name(std::int32_t com_level, std::string_view name) {
    return com_player_name(com_level, name, {"COM (Lv.%d)", "COM (Avg %d)", "COM like %s"});
}

std::string archived_name(const PlayerBlock& player) {
    return player.com != 0 ? computer_name(player.com_level, player.name) : player.name;
}

std::string game_identity(const GameRecord& game) {
    std::string text = archive_time_text(game.started);
    for (const std::int64_t value :
         {std::int64_t{game.start_score}, std::int64_t{game.game_index}}) {
        text += '\t';
        text += std::to_string(value);
    }
    for (const PlayerBlock& player : game.players) {
        text += '\t';
        text += archived_name(player);
    }
    return text;
}

std::int64_t game_id_of(const std::string& identity) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : identity) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    hash &= 0x7FFFFFFFFFFFFFFFULL;
    return static_cast<std::int64_t>(hash == 0 ? 1 : hash);
}

GameRow game_row(const GameRecord& game) {
    GameRow row;
    row.identity = game_identity(game);
    row.id = game_id_of(row.identity);
    row.started = game.started;
    row.start_score = game.start_score;
    row.round_limit = game.round_limit;
    row.round = game.round;
    row.leg_limit = game.leg_limit;
    row.max_leg = game.max_leg;
    row.best_of = game.best_of;
    row.schedule_mode = game.schedule_mode;
    row.game_index = game.game_index;
    row.seats = {seat_row(game.players[0]), seat_row(game.players[1])};
    return row;
}

std::optional<ArchivedLeg> leg_rows(const GameRecord& game, int leg_index, bool with_doubles) {
    if (leg_index < 0 || static_cast<std::size_t>(leg_index) >= game.legs.size()) {
        return std::nullopt;
    }
    const LegRecord& leg = game.legs[static_cast<std::size_t>(leg_index)];
    if (leg.finished == 0) {
        return std::nullopt;
    }
    ArchivedLeg rows;
    rows.game = game_row(game);
    rows.leg.game_id = rows.game.id;
    rows.leg.leg_index = leg_index;
    rows.leg.first_player = leg.first_player;
    rows.leg.winner = leg.winning_darts != 0 ? leg.winner : -1;
    rows.leg.winning_darts = leg.winning_darts;
    rows.leg.check_out = leg.check_out;
    rows.leg.rounds = leg.round;
    for (int p = 0; p < 2; ++p) {
        rows.leg.counters[static_cast<std::size_t>(p)] = leg_counters(game, leg_index, p);
    }
    rows.visits = visit_rows(game, leg, leg_index, with_doubles);
    return rows;
}

std::vector<ArchivedLeg> finished_leg_rows(const GameRecord& game) {
    std::vector<ArchivedLeg> legs;
    for (int i = 0; i < game.leg_index; ++i) {
        if (std::optional<ArchivedLeg> rows = leg_rows(game, i, false)) {
            legs.push_back(std::move(*rows));
        }
    }
    return legs;
}

GameResultRow game_result(const GameRecord& game, bool finished) {
    GameResultRow result;
    result.game_id = game_id_of(game_identity(game));
    result.legs_won = {game.players[0].legs_won, game.players[1].legs_won};
    result.finished = finished;
    return result;
}

} // namespace dvk
