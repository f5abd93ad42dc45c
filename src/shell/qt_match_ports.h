#pragma once

#include "match/match_ports.h"

namespace dvk {

class MainWindow;

// The match's ports answered by the program's dialogs and the main window.
class QtMatchPorts : public MatchPorts, public ShellPorts {
public:
    explicit QtMatchPorts(MainWindow& window) : m_window(window) {}

    int ask_checkout_darts(int check_out) override;
    int ask_double_darts(int shown, int minimum, int maximum) override;
    bool confirm_game_shot(int darts, int winning_darts, bool computer_caption,
                           const std::string& player_name) override;
    int choose_diddle_winner(const std::string& player1, const std::string& player2) override;
    bool confirm_check_in(int darts, const std::string& caption) override;
    bool ask_yes_no(Question question) override;
    void show_leg_drawn() override;
    void show_error(const std::string& text) override;
    void beep() override;
    int notify_plugins(int event, int argument) override;
    void refresh_player(int player, bool with_title) override;
    void first_thrower_changed(bool refresh) override;
    bool game_over() override;
    void drop_last_stored_game() override;
    void player_to_throw(int player) override;
    void enable_previous_leg(bool enabled) override;
    void start_computer_turn() override;
    void write_recovery(const GameRecord& game, RecoveryWrite mode, int player, int round) override;
    void auto_save(const GameRecord& game) override;
    void leg_finished(const GameRecord& game) override;
    void legs_reopened(const GameRecord& game) override;
    SystemTime local_time() override;

    void show_final_result(const FinalResult& result) override;
    void refresh_player_information() override;
    void leg_limit_changed(bool leg_limit) override;
    void enable_modify_schedule(bool enabled) override;

private:
    MainWindow& m_window;
};

} // namespace dvk
