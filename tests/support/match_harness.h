#pragma once

#include "match/match.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace dvk::testing {

// Scripted answers for every question the engine asks, and a record of what it told the world.
// An unscripted question fails the test, so a flow never asks more than it expects.
class ScriptedPorts : public MatchPorts, public ShellPorts, public ScoreSheetView {
public:
    std::deque<int> checkout_darts;
    std::deque<int> double_darts;
    std::deque<bool> game_shot_answers;
    std::deque<int> diddle_winners;
    std::deque<bool> check_in_answers;
    std::deque<bool> yes_no_answers;
    std::deque<int> plugin_answers; // answers for visit and leg-won events, in order

    struct DoubleQuestion {
        int shown, minimum, maximum;
    };
    std::vector<int> checkout_questions;
    std::vector<DoubleQuestion> double_questions;
    std::vector<std::string> game_shot_messages;
    std::vector<std::string> check_in_messages;
    std::vector<Question> questions;
    std::vector<FinalResult> final_results;
    std::vector<std::pair<int, int>> plugin_events;
    std::vector<RecoveryWrite> recovery_writes;
    int beeps = 0;
    int draws = 0;
    int auto_saves = 0;
    int computer_turns = 0;
    int dropped_games = 0;
    int unscripted = 0;
    bool previous_leg_enabled = false;
    int player_to_throw_announced = -1;
    std::vector<bool> leg_limits; // every leg-limit notification, in order
    bool modify_schedule_enabled = false;
    // A plug-in that rewrites the input cell's entry while told of a visit.
    std::optional<std::int16_t> rewrite_entry;

    std::string text;
    bool modified = false;
    bool cell_shown = false;
    int shown_row = -1;

    Match* match = nullptr;

    // MatchPorts
    int ask_checkout_darts(int check_out) override;
    int ask_double_darts(int shown, int minimum, int maximum) override;
    bool confirm_game_shot(int darts, int winning_darts, bool computer_caption,
                           const std::string& player_name) override;
    int choose_diddle_winner(const std::string& player1, const std::string& player2) override;
    bool confirm_check_in(int darts, const std::string& caption) override;
    bool ask_yes_no(Question question) override;
    void show_leg_drawn() override { ++draws; }
    void show_error(const std::string&) override { ++unscripted; }
    void beep() override { ++beeps; }
    int notify_plugins(int event, int argument) override;
    void refresh_player(int, bool) override {}
    void first_thrower_changed(bool) override {}
    bool game_over() override { return match != nullptr && match->next_game(); }
    void drop_last_stored_game() override;
    void player_to_throw(int player) override { player_to_throw_announced = player; }
    void enable_previous_leg(bool enabled) override { previous_leg_enabled = enabled; }
    void start_computer_turn() override { ++computer_turns; }
    void write_recovery(const GameRecord&, RecoveryWrite mode, int, int) override {
        recovery_writes.push_back(mode);
    }
    void auto_save(const GameRecord&) override { ++auto_saves; }
    SystemTime local_time() override { return SystemTime{2026, 12, 2, 8, 10, 30, 0, 0}; }

    // ShellPorts
    void show_final_result(const FinalResult& result) override { final_results.push_back(result); }
    void refresh_player_information() override {}
    void leg_limit_changed(bool limited) override { leg_limits.push_back(limited); }
    void enable_modify_schedule(bool enabled) override { modify_schedule_enabled = enabled; }

    // ScoreSheetView
    std::string input_text() const override { return text; }
    bool input_modified() const override { return modified; }
    void set_input_text(const std::string& t, bool) override {
        text = t;
        modified = false;
    }
    void set_input_modified(bool m) override { modified = m; }
    void show_input_cell(int, int row, bool) override {
        cell_shown = true;
        shown_row = row;
    }
    void hide_input_cell() override { cell_shown = false; }
    void repaint(int) override {}
    void scrolled(int, int) override {}
    void scroll_range_changed() override {}
};

// A match with scripted ports, started from `options`.
struct MatchFixture {
    AppOptions settings;
    ScriptedPorts ports;
    Match match{settings, ports, ports, ports};

    MatchFixture() { ports.match = &match; }
    explicit MatchFixture(const GameOptions& options, bool check_out_mode = false) {
        ports.match = &match;
        start(options, check_out_mode);
    }
    void start(const GameOptions& options, bool check_out_mode = false);

    ScoreSheet& sheet() { return match.sheet(); }
    GameRecord& game() { return match.game(); }
    LegRecord& leg() { return match.game().current_leg(); }

    // Types a visit into the input cell and presses Enter.
    void type(const std::string& digits);
    void type(int points) { type(std::to_string(points)); }
    // Types visits alternately as they come.
    void visits(std::initializer_list<int> points);
};

GameOptions two_humans(int start_score = 501);

// Types a visit into the input cell of `sheet` (the cell `ports` stands for) and presses Enter.
void enter_visit(ScriptedPorts& ports, ScoreSheet& sheet, const std::string& digits);

} // namespace dvk::testing
