#pragma once

#include "model/game_record.h"

#include <string>

namespace dvk {

// Questions the engine asks with Yes and No (question icon). The window layer turns each into
// its translated text.
enum class Question {
    ExchangeScores, // "Are you sure you want to exchange scores?"
    ClearScores,    // "Are you sure you want to clear scores?"
    PreviousLeg,    // "Are you sure you return to previous Leg?"
};

// Plug-in events the engine raises, with the bits of the plug-ins' combined answer.
enum PluginEvent : int {
    plugin_event_game_start = 8,
    plugin_event_game_end = 16,
    plugin_event_leg_start = 32,
    plugin_event_leg_end = 64,
    plugin_event_input_cell = 128,
    plugin_event_visit = 256,
    plugin_event_leg_won = 512,
    plugin_event_previous_leg = 1024,
};
inline constexpr int plugin_answer_refuse = 2;
inline constexpr int plugin_answer_reread = 4;

// Recovery-file writes: a complete rewrite, one changed cell, a new leg.
enum class RecoveryWrite { Complete = 0, Cell = 1, NewLeg = 2 };

// Everything the match engine needs from its surroundings: dialogs, the main window's
// notifications, plug-ins, the recovery file and auto save. The window layer implements it
// with real dialogs; tests implement it with scripted answers.
class MatchPorts {
public:
    virtual ~MatchPorts() = default;

    // "How many darts did you use for the check?": 1 to 3, or 0 when cancelled. Buttons for
    // fewer darts than the score allows are disabled by the dialog itself.
    virtual int ask_checkout_darts(int check_out) = 0;
    // "How many darts did you throw to double?": `shown` first, answer within
    // [minimum, maximum], or 255 when cancelled.
    virtual int ask_double_darts(int shown, int minimum, int maximum) = 0;
    // "Game shot %d dart. (%d darts)": true for OK. `computer_caption` gives the caption "COM"
    // and an OK button only; otherwise the caption is `player_name` with OK and Cancel.
    virtual bool confirm_game_shot(int darts, int winning_darts, bool computer_caption,
                                   const std::string& player_name) = 0;
    // "Please select winner player.": 0 or 1, or -1 when cancelled. Names are "COM" for a
    // computer player.
    virtual int choose_diddle_winner(const std::string& player1, const std::string& player2) = 0;
    // "Check in %d darts.": true for OK; the caption is `caption` (a name or "COM").
    virtual bool confirm_check_in(int darts, const std::string& caption) = 0;
    virtual bool ask_yes_no(Question question) = 0;
    // "A game is a draw." after a leg drawn at the round limit.
    virtual void show_leg_drawn() = 0;
    // The system's text of an error, caption "dvk Ver 0.2.6", error icon.
    virtual void show_error(const std::string& text) = 0;
    virtual void beep() = 0;

    // Tells the plug-ins of an event; returns their answers combined (bitwise or).
    virtual int notify_plugins(int event, int argument) = 0;

    // Notifications to the main window.
    virtual void refresh_player(int player, bool with_title) = 0; // 32769
    virtual void first_thrower_changed(bool refresh) = 0;         // 32771
    virtual bool game_over() = 0;                                 // 32773: next game started?
    virtual void drop_last_stored_game() = 0;                     // 32775
    virtual void player_to_throw(int player) = 0;                 // 32776
    virtual void enable_previous_leg(bool enabled) = 0;           // 32777
    virtual void start_computer_turn() = 0;                       // disable window, timer 1

    virtual void write_recovery(const GameRecord& game, RecoveryWrite mode, int player,
                                int round) = 0;
    virtual void auto_save(const GameRecord& game) = 0;
    // A leg has ended: `leg_index` has just moved past it, and the darts at a double are still
    // the finished leg's. Called before auto save and before the next leg exists.
    virtual void leg_finished(const GameRecord&) {}
    // Previous Leg brought back an earlier state of the game: its legs from `leg_index` on are
    // open again.
    virtual void legs_reopened(const GameRecord&) {}

    // The local date and time, for the start of a game.
    virtual SystemTime local_time() = 0;
};

// How a schedule ended: sets won by each player; "A game is a draw." when they are equal.
struct FinalResult {
    int sets[2] = {0, 0};
    bool is_draw() const { return sets[0] == sets[1]; }
    int winner() const { return sets[1] > sets[0] ? 1 : 0; }
};

// What the match asks of the main window beyond the score list's needs.
class ShellPorts {
public:
    virtual ~ShellPorts() = default;
    // The last game of a schedule is over: "A game is a draw." or "%d - %d: Winner is %s.".
    virtual void show_final_result(const FinalResult& result) = 0;
    virtual void refresh_player_information() = 0;
    // The name bar and the player windows show sets only when the number of legs is limited.
    virtual void leg_limit_changed(bool leg_limit) = 0;
    virtual void enable_modify_schedule(bool enabled) = 0;
    virtual void show_error(const std::string& text) = 0;
};

} // namespace dvk
