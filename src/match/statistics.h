#pragma once

#include "model/game_record.h"

#include <string>

namespace dvk {

// Visits the player has thrown in the leg (the finishing visit included for a won leg).
int visits_in_leg(const LegRecord& leg, int player);

// The player's start score less the first n entries of his scores in that leg; n < 0 means all
// his visits. A leg index outside the game gives the start score.
int remaining_score(const GameRecord& game, int leg_index, int player, int n);

// Rebuilds the player's per-leg statistics of the (current) leg from his first n visits
// (n < 0: all), then the game totals that are sums over the legs.
void recompute_leg_statistics(GameRecord& game, int leg_index, int player, int n);

// Counts a won leg: legs won, high out, best and worst leg, the leg's winner fields, check-out
// successes, keep and break, and the loser's remaining score and darts; then recomputes both
// players. `darts` is the number of darts of the finishing visit.
void record_game_shot_statistics(GameRecord& game, int leg_index, int winner, int darts,
                                 int check_out);

// Keep and break of a won leg: the first thrower who wins keeps his throw, the other breaks it.
void count_keep_or_break(PlayerBlock& winner, PlayerBlock& loser, bool winner_threw_first);

// Moves a player's game totals into his match totals when the next game of a match starts.
// `comparable` is false when the new game has another start score (best, worst and darts per
// leg then restart).
void accumulate_match_totals(PlayerBlock& player, bool comparable);

// Match and game totals combined as the player information window shows them.
StatisticsCounters combined_totals(const PlayerBlock& player);

// A derived figure as the player information window prints it: single-precision quotient times
// the factor with two decimals, "0.00" when the denominator is below 1.
std::string format_window_figure(int numerator, int denominator, int factor);

// "(%d / %d)" with the numerator first.
std::string format_counts(int numerator, int denominator);

// Values up to 180 that three darts cannot score, and everything above 180.
bool is_impossible_visit(int points);

} // namespace dvk
