#pragma once

#include "model/game_record.h"
#include "model/statistics_counters.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dvk {

// One seat of an archived game: the player's archived name (a computer player is
// "COM (Lv.n)", so each level is a player of its own), his start score and computer level.
struct SeatRow {
    std::string name;
    std::int32_t start_score = 0;
    bool computer = false;
    std::int32_t com_level = 0; // level index, shown plus one

    bool operator==(const SeatRow&) const = default;
};

// A game as the archive keeps it. `identity` is stable for the game's whole life (every leg,
// a recovered dvk.tmp, a second import of its CSV file); `id` is its 63-bit hash, the key of
// every row of the game.
struct GameRow {
    std::string identity;
    std::int64_t id = 0;
    SystemTime started;
    std::int32_t start_score = 0;
    std::int32_t round_limit = 0;
    std::int32_t round = 0;
    std::int32_t leg_limit = 0;
    std::int32_t max_leg = 0;
    std::int32_t best_of = 0;
    std::int32_t schedule_mode = 0;
    std::int32_t game_index = 0;
    std::array<SeatRow, 2> seats;

    bool operator==(const GameRow&) const = default;
};

// One finished leg: how it ended and, per player, the 26 counters the leg adds to his totals
// (the same counters a player block keeps for a game, here for this leg alone).
struct LegRow {
    std::int64_t game_id = 0;
    std::int32_t leg_index = 0;
    std::int32_t first_player = 0;
    std::int32_t winner = -1; // -1 for a drawn leg
    std::int32_t winning_darts = 0;
    std::int32_t check_out = 0;
    std::int32_t rounds = 0;
    std::array<StatisticsCounters, 2> counters;

    bool operator==(const LegRow&) const = default;
};

// One visit of a finished leg. `score` is the points (the check-out's points for the winning
// visit), `left` the remaining score after it, `darts` the darts thrown (3, or the darts of
// the check-out), `check_out_darts` those darts again for the winning visit and 0 otherwise,
// `darts_at_double` -1 when the game no longer knows it (a leg read back from dvk.tmp).
struct VisitRow {
    std::int32_t leg_index = 0;
    std::int32_t round = 0; // from 0
    std::int32_t player = 0;
    std::int32_t score = 0;
    std::int32_t left = 0;
    std::int32_t darts = 3;
    std::int32_t check_out_darts = 0;
    std::int32_t darts_at_double = 0;

    bool operator==(const VisitRow&) const = default;
};

// Everything one finished leg writes: its game, the leg and its visits in throwing order.
struct ArchivedLeg {
    GameRow game;
    LegRow leg;
    std::vector<VisitRow> visits;

    bool operator==(const ArchivedLeg&) const = default;
};

// A game's result so far: legs won by each player, and whether the game is over.
struct GameResultRow {
    std::int64_t game_id = 0;
    std::array<std::int32_t, 2> legs_won{};
    bool finished = false;

    bool operator==(const GameResultRow&) const = default;
};

// A computer player by its kind ("COM (Lv.n)", "COM (Avg n)" or "COM like NAME"), so that each
// level is a player of its own; else the name as entered.
std::string archived_name(const PlayerBlock& player);
std::string computer_name(std::int32_t com_level, std::string_view name = {});

// The stable text of a game: its start to the millisecond, start score, game number and the
// archived names, all of which the game record (and so dvk.tmp) holds from start to end.
std::string game_identity(const GameRecord& game);
// The 63-bit key of an identity (FNV-1a, top bit cleared so both SQL dialects store it).
std::int64_t game_id_of(const std::string& identity);

GameRow game_row(const GameRecord& game);

// The rows of finished leg `leg_index` of `game`. The darts at a double of each visit are
// known only while the leg is the game's current leg or has just ended (`leg_index` =
// `leg_index` of the game − 1 with the arrays not yet renewed); pass `with_doubles` false for
// legs read back from dvk.tmp. Nothing for a leg that is not finished.
std::optional<ArchivedLeg> leg_rows(const GameRecord& game, int leg_index, bool with_doubles);

// The finished legs of a game as rows, e.g. of a game read back from dvk.tmp; the darts at a
// double of single visits are known only for the current leg.
std::vector<ArchivedLeg> finished_leg_rows(const GameRecord& game);

GameResultRow game_result(const GameRecord& game, bool finished);

} // namespace dvk
