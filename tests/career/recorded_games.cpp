#include "recorded_games.h"

#include <algorithm>

namespace dvk::testing {

void RecordingPorts::leg_finished(const GameRecord& game) {
    if (std::optional<ArchivedLeg> rows = leg_rows(game, game.leg_index - 1, true)) {
        legs.push_back(std::move(*rows));
    }
}

void RecordingPorts::legs_reopened(const GameRecord& game) {
    ++reopened;
    const std::int64_t id = game_id_of(game_identity(game));
    std::erase_if(legs, [&](const ArchivedLeg& leg) {
        return leg.game.id == id && leg.leg.leg_index >= game.leg_index;
    });
}

RecordedMatch::RecordedMatch(const GameOptions& options, bool check_out_mode) {
    ports.match = &match;
    settings.game = options;
    settings.check_out_mode = check_out_mode ? 1 : 0;
    match.sheet().set_rows_per_page(12);
    match.start_new_game(false);
}

void RecordedMatch::type(int points) {
    enter_visit(ports, match.sheet(), std::to_string(points));
}

void RecordedMatch::visits(std::initializer_list<int> points) {
    for (const int p : points) {
        type(p);
    }
}

void RecordedMatch::computer(int result, int doubles) {
    LegRecord& l = leg();
    const int p = l.next_player;
    game().darts_at_double[static_cast<std::size_t>(p)].at(static_cast<std::size_t>(l.round)) =
        static_cast<std::int8_t>(doubles);
    game().players[static_cast<std::size_t>(p)].com_result = static_cast<std::int16_t>(result);
    match.sheet().escape();
    match.sheet().apply_computer_result();
}

std::vector<GameRecord> RecordedMatch::games() const {
    std::vector<GameRecord> games(match.history().items.begin(), match.history().items.end());
    if (match.game().stored == 0 && match.game().leg_index > 0) {
        games.push_back(match.game());
    }
    return games;
}

namespace {

GameOptions options_of(int start, int leg_limit, int max_leg, int best_of) {
    GameOptions o = two_humans(start);
    o.leg_limit = leg_limit;
    o.max_leg = max_leg;
    o.best_of = best_of;
    return o;
}

// Check-out mode: every visit that could reach a double asks for the darts at a double.
void check_out_best_of_three(RecordedMatch& m) {
    m.ports.double_darts.assign(200, 1);
    m.ports.checkout_darts = {2, 3, 3};
    m.ports.game_shot_answers = {true, true, true};
    // Leg 1, Ann first: she checks out 81 with two darts.
    m.visits({180, 60, 140, 100, 100, 100, 81});
    // Leg 2, Bob first: he misses from 121 once, then checks it out.
    m.visits({140, 45, 140, 26, 100, 100, 0, 100, 121});
    // Leg 3, Ann first: a nine-dart leg of 180, 180, 141.
    m.visits({180, 100, 180, 100, 141});
}

void sets_over_two_games(RecordedMatch& m) {
    m.ports.checkout_darts.assign(6, 3);
    m.ports.game_shot_answers.assign(6, true);
    for (int game = 0; game < 2; ++game) {
        m.visits({100, 60, 100, 60, 101}); // Ann throws first and wins
        m.visits({100, 60, 100, 60, 101}); // Bob throws first and wins
        m.visits({140, 0, 161});           // Ann again
    }
}

void draw_and_computer(RecordedMatch& m) {
    m.ports.checkout_darts = {2};
    m.ports.game_shot_answers.assign(3, true);
    m.ports.double_darts.assign(100, 1);
    // Leg 1 is drawn at the two-round limit; both miss at a double on the way.
    m.type(20);
    m.computer(60);
    m.type(0);
    m.computer(40, 2);
    // Leg 2, the computer first: it checks out 101 with two darts.
    m.computer(0);
    m.type(100);
    m.computer(-2, 1);
    // Leg 3, Ann first: she checks out 41.
    m.type(60);
    m.computer(100);
    m.type(41);
}

void handicap(RecordedMatch& m) {
    m.ports.checkout_darts = {3, 3};
    m.ports.game_shot_answers = {true, true};
    // Bob starts from 301 and wins leg 1; Ann wins leg 2 from 501 with nine darts.
    m.visits({100, 180, 100, 121});
    m.visits({60, 180, 60, 180, 60, 141});
}

void middle_for_diddle(RecordedMatch& m) {
    m.ports.diddle_winners = {1};
    m.ports.check_in_answers = {true};
    m.ports.checkout_darts = {3};
    m.ports.game_shot_answers = {true};
    // Two rounds each without a finish: the middle for diddle gives Bob the leg.
    m.visits({60, 60, 60, 60});
    // Leg 2, Bob first, checks out 121 in his second visit.
    m.visits({180, 100, 121});
}

void previous_leg_corrected(RecordedMatch& m) {
    m.ports.checkout_darts = {2, 3, 2};
    m.ports.game_shot_answers.assign(3, true);
    m.ports.yes_no_answers = {true};
    // Ann wins leg 1 with 101; the user takes the leg back and enters three darts instead.
    m.visits({100, 60, 101});
    m.type(20);
    m.match.sheet().previous_leg();
    m.type(101);
    // Leg 2 goes on with Bob's 20 kept.
    m.visits({100, 100, 101});
}

} // namespace

const std::vector<RecordedScenario>& recorded_scenarios() {
    static const std::vector<RecordedScenario> scenarios = [] {
        std::vector<RecordedScenario> s;
        s.push_back(
            {"checkOutModeBestOfThree", check_out_best_of_three, options_of(501, 1, 3, 1), true});
        s.push_back({"setsOverTwoGames", sets_over_two_games, options_of(301, 1, 3, 1), false});
        GameOptions drawn = options_of(101, 1, 3, 0);
        drawn.round_limit = 1;
        drawn.round = 2;
        drawn.p2_com = 1;
        drawn.p2_com_level = 4;
        s.push_back({"drawAndComputer", draw_and_computer, drawn, true});
        GameOptions handicapped = options_of(501, 0, 3, 1);
        handicapped.p2_start_score = 301;
        s.push_back({"handicap", handicap, handicapped, false});
        GameOptions diddle = options_of(301, 0, 3, 1);
        diddle.round_limit = 1;
        diddle.round = 2;
        s.push_back({"middleForDiddle", middle_for_diddle, diddle, false});
        s.push_back(
            {"previousLegCorrected", previous_leg_corrected, options_of(201, 0, 3, 1), false});
        return s;
    }();
    return scenarios;
}

} // namespace dvk::testing
