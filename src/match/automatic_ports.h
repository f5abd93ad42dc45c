#pragma once

#include "match/match.h"

namespace dvk {

// Ports that answer every question at once as a quick player would (the fewest likely darts,
// OK to every message, No to every question) and show nothing. They drive a match without a
// screen: sample games for previews and benchmarks.
class AutomaticPorts : public MatchPorts, public ShellPorts, public ScoreSheetView {
public:
    // When set, a finished game goes on to the next game of this match.
    Match* match = nullptr;
    SystemTime now{};
    std::string text;
    bool modified = false;

    int ask_checkout_darts(int check_out) override;
    int ask_double_darts(int shown, int minimum, int maximum) override;
    bool confirm_game_shot(int, int, bool, const std::string&) override { return true; }
    int choose_diddle_winner(const std::string&, const std::string&) override { return 0; }
    bool confirm_check_in(int, const std::string&) override { return true; }
    bool ask_yes_no(Question) override { return false; }
    void show_leg_drawn() override {}
    void show_error(const std::string&) override {}
    void beep() override {}
    int notify_plugins(int, int) override { return 0; }
    void refresh_player(int, bool) override {}
    void first_thrower_changed(bool) override {}
    bool game_over() override { return match != nullptr && match->next_game(); }
    void drop_last_stored_game() override;
    void player_to_throw(int) override {}
    void enable_previous_leg(bool) override {}
    void start_computer_turn() override {}
    void write_recovery(const GameRecord&, RecoveryWrite, int, int) override {}
    void auto_save(const GameRecord&) override {}
    SystemTime local_time() override { return now; }

    void show_final_result(const FinalResult&) override {}
    void refresh_player_information() override {}
    void leg_limit_changed(bool) override {}
    void enable_modify_schedule(bool) override {}

    std::string input_text() const override { return text; }
    bool input_modified() const override { return modified; }
    void set_input_text(const std::string& value, bool) override;
    void set_input_modified(bool value) override { modified = value; }
    void show_input_cell(int, int, bool) override {}
    void hide_input_cell() override {}
    void repaint(int) override {}
    void scrolled(int, int) override {}
    void scroll_range_changed() override {}
};

} // namespace dvk
