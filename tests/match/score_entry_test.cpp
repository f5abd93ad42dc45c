#include "match/statistics.h"
#include "support/match_harness.h"

#include <gtest/gtest.h>

namespace dvk::testing {
namespace {

TEST(ScoreEntry, a501LegTypedVisitByVisitEndsInAGameShot) {
    MatchFixture f(two_humans());
    f.ports.checkout_darts = {3};
    f.ports.game_shot_answers = {true};
    f.visits({100, 26, 100, 45, 100, 60, 100, 81, 101});

    ASSERT_EQ(f.ports.checkout_questions, std::vector<int>{101});
    ASSERT_EQ(f.ports.game_shot_messages.size(), 1u);
    EXPECT_EQ(f.ports.game_shot_messages[0], "Game shot 3 dart. (15 darts) [Ann]");
    const GameRecord& g = f.game();
    ASSERT_EQ(g.leg_index, 1);
    const LegRecord& won = g.legs[0];
    EXPECT_EQ(won.finished, 1);
    EXPECT_EQ(won.winner, 0);
    EXPECT_EQ(won.winning_darts, 15);
    EXPECT_EQ(won.check_out, 101);
    EXPECT_EQ(won.scores[0][4], -3);
    EXPECT_EQ(won.leg_darts, (PlayerPair{15, 12}));
    EXPECT_EQ(won.leg_remaining, (PlayerPair{0, 501 - 212}));

    const StatisticsCounters& ann = g.players[0].game;
    EXPECT_EQ(g.players[0].legs_won, 1);
    EXPECT_EQ(ann.tons, 5);
    EXPECT_EQ(ann.count_100, 5);
    EXPECT_EQ(ann.high_out, 101);
    EXPECT_EQ(ann.best_leg, 15);
    EXPECT_EQ(ann.worst_leg, 15);
    EXPECT_EQ(ann.total_score, 501);
    EXPECT_EQ(ann.total_darts, 15);
    EXPECT_EQ(ann.first9_score, 300);
    EXPECT_EQ(ann.keep_all, 1);
    EXPECT_EQ(ann.keep_won, 1);
    EXPECT_EQ(ann.check_outs, 0) << "no check-out mode, no computer";
    const StatisticsCounters& bob = g.players[1].game;
    EXPECT_EQ(bob.total_score, 212);
    EXPECT_EQ(bob.total_darts, 12);
    EXPECT_EQ(bob.break_all, 1);
    EXPECT_EQ(bob.break_won, 0);

    EXPECT_EQ(f.leg().first_player, 1) << "the first thrower alternates from leg to leg";
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{1, 0}));
    EXPECT_TRUE(f.ports.previous_leg_enabled);
    EXPECT_EQ(f.ports.recovery_writes.back(), RecoveryWrite::NewLeg);
}

TEST(ScoreEntry, cancelledGameShotRestoresEveryCounter) {
    MatchFixture f(two_humans(), true);
    f.visits({180, 60, 180, 60});
    const GameRecord before = f.game();
    f.ports.checkout_darts = {3};
    f.ports.game_shot_answers = {false};
    f.type(141);
    EXPECT_TRUE(f.ports.double_darts.empty()) << "a 141 check-out has one dart at a double";

    EXPECT_EQ(f.game(), before);
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 2}));
    EXPECT_TRUE(f.ports.cell_shown);
    EXPECT_EQ(f.ports.text, "");
    EXPECT_FALSE(f.ports.previous_leg_enabled);
}

TEST(ScoreEntry, refusesImpossibleAndTooHighScores) {
    MatchFixture f(two_humans(200));
    f.type(169);
    f.type(181);
    f.type(201);
    EXPECT_EQ(f.ports.beeps, 3);
    EXPECT_EQ(f.leg().round, 0);
    EXPECT_EQ(f.ports.text, "201") << "a refused visit keeps the typed text";
    f.visits({30, 0});
    f.ports.checkout_darts = {0};
    f.type(170);
    EXPECT_EQ(f.ports.checkout_questions, std::vector<int>{170});
    EXPECT_EQ(f.ports.text, "") << "a cancelled check-out reloads the cell";
    f.type(171);
    EXPECT_EQ(f.ports.beeps, 4);
    EXPECT_EQ(f.game().players[0].remaining, 170);
}

TEST(ScoreEntry, theSecondThrowersVisitEnteredFirstMakesHimFirstThrower) {
    MatchFixture f(two_humans());
    f.sheet().right_edge();
    f.type(45);
    EXPECT_EQ(f.leg().first_player, 1);
    EXPECT_EQ(f.leg().next_player, 0);
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 0}));
    f.type(60);
    EXPECT_EQ(f.leg().round, 1);
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{1, 1}));
}

TEST(ScoreEntry, correctingAnEarlierVisitChangesStatisticsButNotTheTurn) {
    MatchFixture f(two_humans());
    f.visits({60, 45, 100, 26});
    f.sheet().move_up();
    f.sheet().move_up();
    f.sheet().left_edge();
    ASSERT_EQ(f.sheet().input_cell(), (InputCell{0, 0}));
    EXPECT_EQ(f.ports.text, "60");
    f.type(140);
    EXPECT_EQ(f.game().players[0].remaining, 501 - 240);
    EXPECT_EQ(f.game().players[0].game.tons, 2);
    EXPECT_EQ(f.game().players[0].game.count_140, 1);
    EXPECT_EQ(f.leg().round, 2);
    EXPECT_EQ(f.leg().next_player, 0);
}

TEST(ScoreEntry, aCorrectionMayLeaveALaterRemainingScoreBelowZeroWithoutHarm) {
    MatchFixture f(two_humans(301));
    f.visits({100, 0, 180, 0});
    f.sheet().home();
    ASSERT_EQ(f.sheet().input_cell(), (InputCell{0, 0}));
    EXPECT_EQ(f.ports.text, "100");
    f.type(180);
    EXPECT_EQ(f.game().players[0].remaining, -59);
    EXPECT_EQ(f.leg().round, 2) << "a correction never changes the turn";
    f.sheet().end();
    ASSERT_EQ(f.sheet().input_cell(), (InputCell{0, 2}));
    f.sheet().finish_with_darts(3);
    f.type(0);
    EXPECT_EQ(f.leg().finished, 0) << "no check-out and no visit from below zero";
    EXPECT_EQ(f.ports.beeps, 2);
}

TEST(ScoreEntry, finishingCommandsAndInputLeftScore) {
    MatchFixture f(two_humans(40));
    f.ports.game_shot_answers = {true};
    f.sheet().finish_with_darts(1);
    EXPECT_EQ(f.game().legs[0].winner, 0);
    EXPECT_EQ(f.game().legs[0].winning_darts, 1);

    MatchFixture g(two_humans(61));
    g.sheet().finish_with_darts(1);
    EXPECT_EQ(g.ports.beeps, 1);

    MatchFixture h(two_humans(181));
    h.sheet().finish_with_darts(3);
    EXPECT_EQ(h.ports.beeps, 1);

    MatchFixture k(two_humans());
    k.ports.text = "140";
    k.ports.modified = true;
    k.sheet().input_left_score();
    EXPECT_EQ(k.ports.beeps, 1) << "361 points cannot be a visit";
    k.ports.text = "321";
    k.sheet().input_left_score();
    EXPECT_EQ(k.leg().scores[0][0], 180);
    EXPECT_EQ(k.sheet().input_cell(), (InputCell{1, 0}));
}

TEST(ScoreEntry, exchangeSwapsTheLegBetweenThePlayers) {
    MatchFixture f(two_humans());
    f.visits({60, 45, 100});
    f.ports.yes_no_answers = {true};
    f.sheet().exchange_scores();
    EXPECT_EQ(f.ports.questions, std::vector<Question>{Question::ExchangeScores});
    const LegRecord& l = f.leg();
    EXPECT_EQ(l.first_player, 1);
    EXPECT_EQ(l.next_player, 0);
    EXPECT_EQ(l.scores[0][0], 45);
    EXPECT_EQ(l.scores[1][1], 100);
    EXPECT_EQ(f.game().players[0].remaining, 456);
    EXPECT_EQ(f.game().players[1].remaining, 341);
    EXPECT_EQ(l.leg_darts, (PlayerPair{3, 6}));
    EXPECT_EQ(f.game().players[1].game.tons, 1);
    EXPECT_EQ(f.game().players[0].name, "Ann") << "names stay";
    EXPECT_EQ(f.sheet().input_cell().player, 0);
    EXPECT_EQ(f.ports.recovery_writes.back(), RecoveryWrite::Complete);
}

TEST(ScoreEntry, clearStartsTheLegAgainAndKeepsTheFirstThrower) {
    MatchFixture f(two_humans());
    f.sheet().right_edge();
    f.visits({45, 60, 100});
    f.ports.yes_no_answers = {false, true};
    f.sheet().clear_scores();
    EXPECT_EQ(f.leg().round, 1);
    f.sheet().clear_scores();
    EXPECT_EQ(f.leg().round, 0);
    EXPECT_EQ(f.leg().first_player, 1);
    EXPECT_EQ(f.leg().scores[1][1], 0);
    EXPECT_EQ(f.game().players[1].remaining, 501);
    EXPECT_EQ(f.game().players[1].game.total_score, 0);
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{1, 0}));
}

TEST(ScoreEntry, computerLockedPlayersRefuseManualCommands) {
    GameOptions options = two_humans();
    options.p2_com = 1;
    MatchFixture f(options);
    f.sheet().exchange_scores();
    f.sheet().clear_scores();
    EXPECT_EQ(f.ports.beeps, 2);
    EXPECT_TRUE(f.ports.questions.empty());
}

struct PluginCase {
    const char* name;
    int answer;
    std::int16_t plugin_entry; // what the plug-in leaves in the cell (with the re-read bit)
    std::int16_t stored;
    int remaining;
    int beeps;
};

class PluginAnswer : public ::testing::TestWithParam<PluginCase> {};

TEST_P(PluginAnswer, keepsTheRecordsConsistent) {
    const PluginCase& c = GetParam();
    MatchFixture f(two_humans());
    f.ports.plugin_answers = {c.answer};
    if ((c.answer & plugin_answer_reread) != 0) {
        f.ports.rewrite_entry = c.plugin_entry;
    }
    f.type(60);
    EXPECT_EQ(f.leg().scores[0][0], c.stored);
    EXPECT_EQ(f.game().players[0].remaining, c.remaining);
    EXPECT_EQ(f.game().players[0].game.total_score, 501 - c.remaining);
    EXPECT_EQ(f.ports.beeps, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    ScoreEntry, PluginAnswer,
    ::testing::Values(PluginCase{"accepted", 0, 0, 60, 441, 0},
                      PluginCase{"refused", plugin_answer_refuse, 0, 0, 501, 0},
                      PluginCase{"changedTo100", plugin_answer_reread, 100, 100, 401, 0},
                      PluginCase{"changedToImpossible", plugin_answer_reread, 179, 0, 501, 1},
                      PluginCase{"changedToTooManyDarts", plugin_answer_reread, -7, 0, 501, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace dvk::testing
