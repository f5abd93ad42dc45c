#pragma once

#include "model/game_record.h"
#include "model/history_list.h"

#include <optional>
#include <vector>

namespace dvk {

// One line of the game history: a game, or one completed leg of it. Games are named by their
// place in the history list, so the lines never point into a list that may grow.
struct HistoryLine {
    enum class Kind { Game, Leg };
    // The game in progress, which is not in the history list.
    static constexpr int current_game = -1;

    Kind kind = Kind::Game;
    int game = current_game;
    int leg = 0; // 1-based leg number; 0 on a game line

    bool operator==(const HistoryLine&) const = default;
};

// Every stored game with a line for each of its completed legs, oldest first; then the game in
// progress the same way, once it has a completed leg and is not stored yet.
std::vector<HistoryLine> history_lines(const HistoryList& history, const GameRecord& current);

// The game a line belongs to, or null when the line no longer names one.
const GameRecord* history_line_game(const HistoryLine& line, const HistoryList& history,
                                    const GameRecord& current);

// The completed leg a leg line shows, or null.
const LegRecord* history_line_leg(const HistoryLine& line, const HistoryList& history,
                                  const GameRecord& current);

// The player whose name a game line underlines: the one who won more legs; -1 when level.
int game_line_leader(const GameRecord& game);

// What a leg line shows in a player's box: the winner's darts, or nothing ("-") for the other
// player and for both when the leg was not won with darts (a draw, a stopped leg).
std::optional<int> leg_line_darts(const LegRecord& leg, int player);

} // namespace dvk
