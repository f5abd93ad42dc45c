#include "match/statistics.h"
#include "support/match_harness.h"

#include <gtest/gtest.h>

namespace dvk::testing {
namespace {

// Plays the current leg of a 301 game so that `winner` checks out with his second visit.
void win_leg(MatchFixture& f, int winner) {
    f.ports.checkout_darts.push_back(3);
    f.ports.game_shot_answers.push_back(true);
    const int legs_before = f.game().leg_index;
    const int games_before = f.game().game_index;
    if (f.leg().first_player == winner) {
        f.visits({180, 0, 121});
    } else {
        f.visits({0, 180, 0, 121});
    }
    ASSERT_TRUE(f.game().leg_index == legs_before + 1 || f.game().game_index != games_before ||
                f.game().stored == 1);
}

GameOptions legs(int max_leg, bool best_of) {
    GameOptions options = two_humans(301);
    options.leg_limit = 1;
    options.max_leg = max_leg;
    options.best_of = best_of ? 1 : 0;
    return options;
}

TEST(Progression, bestOfFiveEndsAtThreeNil) {
    MatchFixture f(legs(5, true));
    win_leg(f, 0);
    win_leg(f, 0);
    EXPECT_EQ(f.game().game_index, 0);
    win_leg(f, 0);
    ASSERT_EQ(f.match.history().count(), 1);
    const GameRecord& stored = f.match.history().items[0];
    EXPECT_EQ(stored.players[0].legs_won, 3);
    EXPECT_EQ(stored.players[1].legs_won, 0);
    EXPECT_EQ(stored.leg_index, 3);
    EXPECT_EQ(f.game().game_index, 1);
    EXPECT_EQ(f.game().leg_index, 0);
    EXPECT_EQ(f.game().players[0].sets_won, 1);
    EXPECT_EQ(f.game().players[0].match.total_darts, 18);
    EXPECT_EQ(f.game().players[0].game.total_darts, 0);
}

TEST(Progression, exactlyFourLegsEndingTwoAllGivesNoSet) {
    MatchFixture f(legs(4, false));
    win_leg(f, 0);
    win_leg(f, 1);
    win_leg(f, 0);
    EXPECT_EQ(f.game().game_index, 0) << "best_of 0 plays every leg";
    win_leg(f, 1);
    EXPECT_EQ(f.match.history().count(), 1);
    EXPECT_EQ(f.game().game_index, 1);
    EXPECT_EQ(f.game().players[0].sets_won, 0);
    EXPECT_EQ(f.game().players[1].sets_won, 0);
}

TEST(Progression, continuedGameTellsTheScreenItsLegLimitLikeAFreshStart) {
    MatchFixture fresh(legs(3, true));
    win_leg(fresh, 0);
    fresh.visits({60});
    ASSERT_EQ(fresh.ports.leg_limits, std::vector<bool>{true});

    MatchFixture continued;
    continued.match.continue_game(fresh.game());
    EXPECT_EQ(continued.ports.leg_limits, std::vector<bool>{true});
    EXPECT_EQ(continued.game().players[0].legs_won, 1);

    MatchFixture unlimited;
    unlimited.match.continue_game(MatchFixture(two_humans()).game());
    EXPECT_EQ(unlimited.ports.leg_limits, std::vector<bool>{false});
}

TEST(Progression, everyNextGameTellsTheScreenItsLegLimit) {
    MatchFixture f(legs(1, false));
    win_leg(f, 1);
    EXPECT_EQ(f.game().game_index, 1);
    EXPECT_EQ(f.ports.leg_limits, (std::vector<bool>{true, true}));
}

TEST(Progression, legsWithoutALimitGoOnForEver) {
    MatchFixture f(two_humans(301));
    for (int i = 0; i < 6; ++i) {
        win_leg(f, i % 2);
    }
    EXPECT_EQ(f.game().leg_index, 6);
    EXPECT_EQ(f.match.history().count(), 0);
}

void computer_throws(MatchFixture& f, int result) {
    const int p = f.leg().next_player;
    ASSERT_EQ(f.game().players[static_cast<std::size_t>(p)].com, 1);
    f.game().players[static_cast<std::size_t>(p)].com_result = static_cast<std::int16_t>(result);
    f.sheet().escape();
    f.sheet().apply_computer_result();
}

TEST(Progression, aDrawnLegInBestOfThreeCountsAsPlayed) {
    GameOptions options = legs(3, true);
    options.start_score = 101;
    options.round_limit = 1;
    options.round = 2;
    options.p2_com = 1;
    MatchFixture f(options);

    f.type(0);
    computer_throws(f, 0);
    f.type(0);
    computer_throws(f, 0);
    EXPECT_EQ(f.ports.draws, 1);
    EXPECT_EQ(f.game().legs[0].winner, 0);
    EXPECT_EQ(f.game().legs[0].winning_darts, 0);
    EXPECT_EQ(f.game().legs[0].rows, 2);
    ASSERT_EQ(f.game().leg_index, 1);
    EXPECT_FALSE(f.ports.previous_leg_enabled);

    EXPECT_EQ(f.leg().first_player, 1);
    computer_throws(f, 0);
    f.ports.checkout_darts = {2};
    f.ports.game_shot_answers = {true};
    f.type(101);
    ASSERT_EQ(f.game().leg_index, 2);

    f.type(0);
    f.ports.game_shot_answers = {true};
    computer_throws(f, -2);
    EXPECT_EQ(f.ports.game_shot_messages.back(), "Game shot 2 dart. (2 darts) [COM]");
    ASSERT_EQ(f.match.history().count(), 1);
    EXPECT_EQ(f.match.history().items[0].players[0].legs_won, 1);
    EXPECT_EQ(f.match.history().items[0].players[1].legs_won, 1);
    EXPECT_EQ(f.game().players[0].sets_won, 0);
    EXPECT_EQ(f.game().players[1].sets_won, 0);
    EXPECT_GT(f.ports.computer_turns, 0);
}

TEST(Progression, changeFirstAlternatesTheFirstThrowerFromGameToGame) {
    GameOptions options = legs(1, true);
    options.change_first = 1;
    MatchFixture f(options);
    std::vector<int> firsts;
    for (int game = 0; game < 3; ++game) {
        firsts.push_back(f.leg().first_player);
        win_leg(f, 0);
    }
    EXPECT_EQ(firsts, (std::vector<int>{0, 1, 0}));

    MatchFixture g(legs(3, false));
    std::vector<int> leg_firsts;
    for (int leg = 0; leg < 3; ++leg) {
        leg_firsts.push_back(g.leg().first_player);
        win_leg(g, 1);
    }
    EXPECT_EQ(leg_firsts, (std::vector<int>{0, 1, 0}));
}

TEST(Progression, roundLimitWithTwoPeopleOpensTheMiddleForDiddle) {
    GameOptions options = two_humans();
    options.round_limit = 1;
    options.round = 15;
    MatchFixture f(options);
    f.ports.diddle_winners = {1};
    f.ports.check_in_answers = {true};
    for (int round = 0; round < 15; ++round) {
        f.visits({0, 0});
    }
    ASSERT_EQ(f.ports.check_in_messages.size(), 1u);
    EXPECT_EQ(f.ports.check_in_messages[0], "Check in 46 darts. [Bob]");
    const LegRecord& decided = f.game().legs[0];
    EXPECT_EQ(decided.winner, 1);
    EXPECT_EQ(decided.winning_darts, 46);
    EXPECT_EQ(decided.rows, 15);
    EXPECT_EQ(f.game().players[1].legs_won, 1);
    EXPECT_EQ(f.game().players[1].game.best_leg, 46);
    EXPECT_EQ(f.game().players[1].game.break_won, 1);
    EXPECT_EQ(f.game().players[1].game.high_out, 0);
    EXPECT_EQ(f.game().leg_index, 1);
}

TEST(Progression, cancelledMiddleForDiddleLetsTheLegGoOn) {
    GameOptions options = two_humans();
    options.round_limit = 1;
    options.round = 2;
    MatchFixture f(options);
    f.ports.diddle_winners = {-1};
    f.visits({0, 0, 0, 0});
    EXPECT_EQ(f.leg().finished, 0);
    EXPECT_EQ(f.leg().round, 2);
    EXPECT_EQ(f.game().players[0].legs_won + f.game().players[1].legs_won, 0);
    EXPECT_TRUE(f.ports.cell_shown);
}

TEST(Progression, roundLimitWithAComputerPlayerIsADraw) {
    GameOptions options = two_humans();
    options.round_limit = 1;
    options.round = 15;
    options.p2_com = 1;
    MatchFixture f(options);
    for (int round = 0; round < 15; ++round) {
        f.type(0);
        computer_throws(f, 0);
    }
    EXPECT_EQ(f.ports.draws, 1);
    EXPECT_TRUE(f.ports.check_in_messages.empty());
    EXPECT_EQ(f.game().leg_index, 1);
    EXPECT_EQ(f.game().legs[0].finished, 1);
    EXPECT_EQ(f.game().legs[0].rows, 15);
}

TEST(Progression, previousLegAfterTheLastLegOfAGameAndTheForwardRestore) {
    MatchFixture f(legs(1, true));
    win_leg(f, 0);
    ASSERT_EQ(f.match.history().count(), 1);
    ASSERT_EQ(f.game().game_index, 1);
    f.type(60);

    f.ports.yes_no_answers = {true};
    f.sheet().previous_leg();
    EXPECT_EQ(f.ports.questions.back(), Question::PreviousLeg);
    EXPECT_EQ(f.match.history().count(), 0) << "the stored game is dropped";
    EXPECT_EQ(f.game().game_index, 0);
    EXPECT_EQ(f.leg().finished, 0);
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 1}));
    EXPECT_EQ(f.game().players[0].legs_won, 0);
    EXPECT_TRUE(f.sheet().forward_restore_pending());
    EXPECT_FALSE(f.ports.previous_leg_enabled);

    f.ports.checkout_darts = {3};
    f.ports.game_shot_answers = {true};
    f.type(121);
    ASSERT_EQ(f.match.history().count(), 1);
    EXPECT_EQ(f.match.history().items[0].legs[0].winning_darts, 6);
    EXPECT_EQ(f.game().game_index, 1);
    EXPECT_EQ(f.leg().scores[0][0], 60) << "play goes on with the scores entered there";
    EXPECT_EQ(f.game().players[0].remaining, 241);
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{1, 0}));
    EXPECT_FALSE(f.sheet().forward_restore_pending());
}

TEST(Progression, previousLegIsRefusedWithAComputerPlayer) {
    GameOptions options = legs(3, true);
    options.p2_com = 1;
    MatchFixture f(options);
    f.ports.checkout_darts = {3};
    f.ports.game_shot_answers = {true};
    f.type(180);
    computer_throws(f, 0);
    f.type(121);
    ASSERT_EQ(f.game().leg_index, 1);
    f.sheet().previous_leg();
    EXPECT_EQ(f.ports.beeps, 1);
    EXPECT_TRUE(f.ports.questions.empty());
}

GameOptions schedule_entry(int start_score) {
    GameOptions options = legs(1, true);
    options.start_score = start_score;
    options.schedule_entry = 1;
    return options;
}

TEST(Progression, scheduleWhoseStartScoreChangesRestartsBestWorstAndDarts) {
    MatchFixture f;
    f.settings.schedule = {schedule_entry(501), schedule_entry(301)};
    f.sheet().set_rows_per_page(12);
    ASSERT_TRUE(f.match.start_new_game(true));
    EXPECT_EQ(f.game().schedule_mode, 1);
    f.ports.checkout_darts = {3};
    f.ports.game_shot_answers = {true};
    f.visits({180, 0, 180, 0, 141});

    const StatisticsCounters nine = f.match.history().items.at(0).players[0].game;
    EXPECT_EQ(nine.first9_score, 501);
    EXPECT_EQ(nine.first9_darts, 9);
    EXPECT_EQ(format_window_figure(nine.first9_score, nine.first9_darts, 1), "55.67");
    EXPECT_EQ(format_window_figure(nine.first9_score, nine.first9_darts, 3), "167.00");
    EXPECT_EQ(nine.count_180, 2);
    EXPECT_EQ(nine.count_140, 1);

    ASSERT_EQ(f.game().game_index, 1);
    EXPECT_EQ(f.game().start_score, 301);
    const StatisticsCounters& match = f.game().players[0].match;
    EXPECT_EQ(match.best_leg, 0);
    EXPECT_EQ(match.worst_leg, 0);
    EXPECT_EQ(match.won_darts, 0);
    EXPECT_EQ(match.won_legs, 0);
    EXPECT_EQ(match.tons, 3);
    EXPECT_EQ(match.total_score, 501);
    EXPECT_EQ(match.high_out, 141);

    win_leg(f, 1);
    ASSERT_EQ(f.ports.final_results.size(), 1u);
    EXPECT_TRUE(f.ports.final_results[0].is_draw());
    EXPECT_EQ(f.match.history().count(), 2);
}

TEST(Progression, previousLegAfterTheFinalGameOfAScheduleDoesNotStoreItTwice) {
    MatchFixture f;
    f.settings.schedule = {schedule_entry(301)};
    f.sheet().set_rows_per_page(12);
    ASSERT_TRUE(f.match.start_new_game(true));
    win_leg(f, 0);
    ASSERT_EQ(f.match.history().count(), 1);
    ASSERT_EQ(f.ports.final_results.size(), 1u);
    EXPECT_EQ(f.ports.final_results[0].winner(), 0);

    f.ports.yes_no_answers = {true};
    f.sheet().previous_leg();
    EXPECT_EQ(f.match.history().count(), 0);
    f.ports.checkout_darts = {3};
    f.ports.game_shot_answers = {true};
    f.type(121);
    EXPECT_EQ(f.match.history().count(), 1);
    EXPECT_EQ(f.ports.final_results.size(), 2u);
}

TEST(Progression, newMatchClearsTheCopiesAndTheTotals) {
    MatchFixture f(legs(1, true));
    win_leg(f, 0);
    ASSERT_EQ(f.game().players[0].sets_won, 1);
    ASSERT_TRUE(f.match.start_new_game(false));
    EXPECT_EQ(f.game().players[0].sets_won, 0);
    EXPECT_EQ(f.game().players[0].match, StatisticsCounters{});
    EXPECT_FALSE(f.sheet().has_previous_leg());
    EXPECT_FALSE(f.ports.previous_leg_enabled);
    EXPECT_EQ(f.match.history().count(), 1);
}

TEST(Progression, autoSaveAfterEveryFinishedLeg) {
    MatchFixture f;
    f.settings.auto_save = 1;
    f.start(two_humans(301));
    f.settings.auto_save = 1;
    win_leg(f, 0);
    win_leg(f, 1);
    EXPECT_EQ(f.ports.auto_saves, 2);
}

} // namespace
} // namespace dvk::testing
