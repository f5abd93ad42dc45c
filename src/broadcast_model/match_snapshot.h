#pragma once

#include "broadcast_model/dialog_wait.h"
#include "com/arrange_table.h"
#include "match/match.h"

#include <array>
#include <string>

namespace dvk {

struct PlayerSnapshot {
    std::string name;
    bool computer = false;
    int start_score = 0;
    int left = 0;
    int sets = 0;
    int legs = 0;
    int last_visit = -1;        // points of his last visit in the current leg, -1 before any
    std::string checkout;       // the preferred way out for `left`, empty when there is none
    int average_hundredths = 0; // points per three darts over the match, times 100
};

// The last decided leg or game, so a page can announce it once.
enum class EventKind { none, game_shot, leg_drawn, match_winner };

struct MatchEvent {
    EventKind kind = EventKind::none;
    int player = -1;      // winner, -1 for a drawn leg or game
    int darts = 0;        // darts of the won leg
    int check_out = 0;    // points of the finishing visit
    int legs[2] = {0, 0}; // legs of the decided game (match_winner)
    int sequence = 0;     // grows with every decided leg and stored game

    bool operator==(const MatchEvent&) const = default;
};

// Everything a scoreboard shows of the match at one moment.
struct MatchSnapshot {
    static constexpr int version = 1;

    std::array<PlayerSnapshot, 2> players;
    int to_throw = -1;    // -1 while the leg is finished
    int input_player = 0; // the input cell's player and the score left at it
    int input_left = 0;
    bool correcting = false; // the input cell is an earlier visit, not the next one
    int leg_number = 1;
    int game_number = 1;
    bool sets_counted = false; // the number of legs is limited: games count as sets
    int max_leg = 0;
    bool best_of = false;
    int start_score = 0;
    MatchEvent event;
    DialogWait wait;
};

MatchSnapshot make_snapshot(const Match& match, const ArrangeTable& checkouts,
                            const DialogWait& wait);

} // namespace dvk
