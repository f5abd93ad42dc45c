#include "support/match_harness.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace dvk::testing {

namespace {

template <typename T> T next_answer(std::deque<T>& answers, T fallback, int& unscripted) {
    if (answers.empty()) {
        ++unscripted;
        ADD_FAILURE() << "unscripted question";
        return fallback;
    }
    T value = answers.front();
    answers.pop_front();
    return value;
}

} // namespace

int ScriptedPorts::ask_checkout_darts(int check_out) {
    checkout_questions.push_back(check_out);
    return next_answer(checkout_darts, 0, unscripted);
}

int ScriptedPorts::ask_double_darts(int shown, int minimum, int maximum) {
    double_questions.push_back({shown, minimum, maximum});
    return next_answer(double_darts, 255, unscripted);
}

bool ScriptedPorts::confirm_game_shot(int darts, int winning_darts, bool computer_caption,
                                      const std::string& player_name) {
    char text[64];
    std::snprintf(text, sizeof text, "Game shot %d dart. (%d darts)", darts, winning_darts);
    game_shot_messages.push_back(std::string(text) + " [" +
                                 (computer_caption ? std::string("COM") : player_name) + "]");
    return next_answer(game_shot_answers, false, unscripted);
}

int ScriptedPorts::choose_diddle_winner(const std::string&, const std::string&) {
    return next_answer(diddle_winners, -1, unscripted);
}

bool ScriptedPorts::confirm_check_in(int darts, const std::string& caption) {
    check_in_messages.push_back("Check in " + std::to_string(darts) + " darts. [" + caption + "]");
    return next_answer(check_in_answers, false, unscripted);
}

bool ScriptedPorts::ask_yes_no(Question question) {
    questions.push_back(question);
    return next_answer(yes_no_answers, false, unscripted);
}

int ScriptedPorts::notify_plugins(int event, int argument) {
    plugin_events.emplace_back(event, argument);
    if (event == plugin_event_visit && rewrite_entry.has_value() && match != nullptr) {
        const InputCell cell = match->sheet().input_cell();
        match->game().current_leg().scores[static_cast<std::size_t>(cell.player)].at(
            static_cast<std::size_t>(cell.round)) = *rewrite_entry;
    }
    if ((event == plugin_event_visit || event == plugin_event_leg_won) && !plugin_answers.empty()) {
        const int answer = plugin_answers.front();
        plugin_answers.pop_front();
        return answer;
    }
    return 0;
}

void ScriptedPorts::drop_last_stored_game() {
    ++dropped_games;
    if (match != nullptr) {
        match->drop_last_stored_game();
    }
}

void MatchFixture::start(const GameOptions& options, bool check_out_mode) {
    settings.game = options;
    settings.check_out_mode = check_out_mode ? 1 : 0;
    settings.auto_save = 0;
    match.sheet().set_rows_per_page(12);
    match.start_new_game(false);
}

void enter_visit(ScriptedPorts& ports, ScoreSheet& sheet, const std::string& digits) {
    ports.text = digits;
    ports.modified = true;
    sheet.next_cell();
}

void MatchFixture::type(const std::string& digits) {
    enter_visit(ports, match.sheet(), digits);
}

void MatchFixture::visits(std::initializer_list<int> points) {
    for (int p : points) {
        type(p);
    }
}

GameOptions two_humans(int start_score) {
    GameOptions options;
    options.start_score = start_score;
    options.round_limit = 0;
    options.leg_limit = 0;
    options.p1_name = "Ann";
    options.p2_name = "Bob";
    return options;
}

} // namespace dvk::testing
