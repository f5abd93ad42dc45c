#include "match/match.h"

#include <benchmark/benchmark.h>

namespace {

using namespace dvk;

// Ports that answer nothing and show nothing: the cost measured is the engine's alone.
class QuietPorts : public MatchPorts, public ShellPorts, public ScoreSheetView {
public:
    int ask_checkout_darts(int) override { return 0; }
    int ask_double_darts(int shown, int, int) override { return shown; }
    bool confirm_game_shot(int, int, bool, const std::string&) override { return true; }
    int choose_diddle_winner(const std::string&, const std::string&) override { return 0; }
    bool confirm_check_in(int, const std::string&) override { return true; }
    bool ask_yes_no(Question) override { return true; }
    void show_leg_drawn() override {}
    void show_error(const std::string&) override {}
    void beep() override {}
    int notify_plugins(int, int) override { return 0; }
    void refresh_player(int, bool) override {}
    void first_thrower_changed(bool) override {}
    bool game_over() override { return false; }
    void drop_last_stored_game() override {}
    void player_to_throw(int) override {}
    void enable_previous_leg(bool) override {}
    void start_computer_turn() override {}
    void write_recovery(const GameRecord&, RecoveryWrite, int, int) override {}
    void auto_save(const GameRecord&) override {}
    SystemTime local_time() override { return {}; }
    void show_final_result(const FinalResult&) override {}
    void refresh_player_information() override {}
    void leg_limit_changed(bool) override {}
    void enable_modify_schedule(bool) override {}
    std::string input_text() const override { return {}; }
    bool input_modified() const override { return false; }
    void set_input_text(const std::string&, bool) override {}
    void set_input_modified(bool) override {}
    void show_input_cell(int, int, bool) override {}
    void hide_input_cell() override {}
    void repaint(int) override {}
    void scrolled(int, int) override {}
    void scroll_range_changed() override {}
};

// A visit committed at the end of a leg that has already run for 1000 rounds without a score,
// with check-out mode on so every visit also counts darts at a double.
void BM_CommitVisitInALegOf1000Rounds(benchmark::State& state) {
    AppOptions options;
    options.game.start_score = 100000;
    options.check_out_mode = 1;
    QuietPorts ports;
    Match match(options, ports, ports, ports);
    match.start_new_game(false);
    ScoreSheet& sheet = match.sheet();
    for (int round = 0; round < 1000; ++round) {
        sheet.commit_visit(InputCell{0, round}, 0);
        sheet.commit_visit(InputCell{1, round}, 0);
    }
    const InputCell earlier{0, 500};
    int value = 0;
    for (auto _ : state) {
        value = value == 60 ? 0 : 60;
        benchmark::DoNotOptimize(sheet.commit_visit(earlier, value));
    }
}
BENCHMARK(BM_CommitVisitInALegOf1000Rounds);

} // namespace
