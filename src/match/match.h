#pragma once

#include "match/match_ports.h"
#include "match/score_sheet.h"
#include "model/game_record.h"
#include "model/history_list.h"

#include <optional>

namespace dvk {

// The match being played: the current game, the games stored since the match began, and the
// score sheet that plays the current game. It starts new matches and moves from game to game
// of a match or a schedule.
class Match {
public:
    Match(const AppOptions& settings, MatchPorts& ports, ShellPorts& shell, ScoreSheetView& view);
    Match(const Match&) = delete;
    Match& operator=(const Match&) = delete;

    GameRecord& game() { return m_game; }
    const GameRecord& game() const { return m_game; }
    HistoryList& history() { return m_history; }
    const HistoryList& history() const { return m_history; }
    ScoreSheet& sheet() { return m_sheet; }
    const ScoreSheet& sheet() const { return m_sheet; }

    // Stores the current game and starts a new match, from the schedule when `schedule` is
    // true, else from the current game options.
    bool start_new_game(bool schedule);
    // The current game is over: store it and start the next game of the match or schedule.
    bool next_game();
    // Starts the current game of the schedule again from its entry, which the user has just
    // edited; `replaced_entry` is the entry it was started from. False when the schedule no
    // longer holds the entry.
    bool restart_schedule_entry(const GameOptions& replaced_entry);
    void drop_last_stored_game();
    // Continues a game read from the recovery file: set_up_first_game() and show_first_game().
    void continue_game(GameRecord game);
    // The first game of the program's run comes in two steps: it is set up (the game read from
    // the recovery file, or a new match from the current game options) without a word to the
    // screen or the plug-ins, then shown, which tells the plug-ins of its game, leg and input
    // cell. What is told of the program's start in between sees the whole game record.
    bool set_up_first_game(std::optional<GameRecord> recovered);
    void show_first_game();

private:
    bool store_current_game();
    bool start_game_from(const GameOptions& options, bool new_match);

    const AppOptions& m_settings;
    MatchPorts& m_ports;
    ShellPorts& m_shell;
    GameRecord m_game;
    HistoryList m_history;
    ScoreSheet m_sheet;
    // How show_first_game() shows the game set_up_first_game() took.
    bool m_show_first_leg = false;
    bool m_first_game_over = false;
};

} // namespace dvk
