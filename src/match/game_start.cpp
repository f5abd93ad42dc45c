#include "match/game_start.h"
#include "match/statistics.h"

#include <new>

namespace dvk {

namespace {

// Cuts a name to the stored byte limit without splitting a UTF-8 character.
std::string stored_name(const std::string& name) {
    if (name.size() <= max_name_bytes) {
        return name;
    }
    std::size_t end = max_name_bytes;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) {
        --end;
    }
    return name.substr(0, end);
}

void start_player(PlayerBlock& player, const GameOptions& options, int p, bool new_match,
                  bool comparable, bool check_out_mode) {
    if (new_match) {
        player = PlayerBlock{};
    } else {
        accumulate_match_totals(player, comparable);
    }
    player.game = StatisticsCounters{};
    if (new_match || !options.name(p).empty() || options.com(p) == 1) {
        player.name = stored_name(options.name(p));
        player.com_locked = options.com(p);
        player.com = options.com(p);
        player.com_level = options.com_level(p);
        player.ask_double = (options.com(p) != 1 && check_out_mode) ? 1 : 0;
    }
    const std::int32_t handicap = options.player_start_score(p);
    player.start_score = handicap > 0 ? handicap : options.start_score;
    player.remaining = player.start_score;
    player.legs_won = 0;
    if (player.name.empty()) {
        player.name = p == 0 ? "Player 1" : "Player 2";
    }
}

} // namespace

bool start_game(GameRecord& game, const GameOptions& options, bool new_match, bool check_out_mode,
                const SystemTime& now) {
    const bool comparable = !(game.schedule_mode == 1 && options.start_score != game.start_score);
    game.stored = 0;
    game.start_score = options.start_score;
    game.round_limit = options.round_limit;
    game.round = options.round;
    game.leg_limit = options.leg_limit;
    game.max_leg = options.max_leg;
    game.best_of = options.best_of;
    for (int p = 0; p < 2; ++p) {
        start_player(game.players[static_cast<std::size_t>(p)], options, p, new_match, comparable,
                     check_out_mode);
    }
    const int old_first = game.legs.empty() ? 0 : game.legs.front().first_player;
    game.started = now;
    release_game(game);
    try {
        LegRecord leg = LegRecord::with_capacity(initial_leg_capacity(game.round_limit, game.round),
                                                 initial_leg_rows(game.round_limit, game.round));
        leg.first_player =
            (options.change_first == 1 && game.game_index != 0) ? other_player(old_first) : 0;
        leg.next_player = leg.first_player;
        for (auto& d : game.darts_at_double) {
            d.assign(static_cast<std::size_t>(leg.capacity) + 1, 0);
        }
        game.legs.push_back(std::move(leg));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

} // namespace dvk
