#include "match/score_sheet.h"
#include "support/match_harness.h"

#include <gtest/gtest.h>

namespace dvk::testing {
namespace {

struct DoubleCase {
    const char* name;
    int after;
    int before;
    int darts;
    int expected;
};

class MaxDoubleDarts : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(MaxDoubleDarts, followsTheFinishTables) {
    const DoubleCase& c = GetParam();
    EXPECT_EQ(max_double_darts(c.after, c.before, c.darts), c.expected);
}

INSTANTIATE_TEST_SUITE_P(CheckOutMode, MaxDoubleDarts,
                         ::testing::Values(DoubleCase{"oneDartFinishWithThird", 0, 32, 3, 3},
                                           DoubleCase{"bullFinishWithSecond", 0, 50, 2, 2},
                                           DoubleCase{"oddFinishBelowFifty", 0, 3, 2, 1},
                                           DoubleCase{"oddFinishWithOneDart", 0, 3, 1, 1},
                                           DoubleCase{"twoDartFinish", 0, 60, 3, 2},
                                           DoubleCase{"threeDartFinish", 0, 141, 3, 1},
                                           DoubleCase{"sixtyLeavingTwenty", 20, 60, 0, 2},
                                           DoubleCase{"hundredLeavingSixty", 60, 100, 0, 0},
                                           DoubleCase{"oneSeventyNothingScored", 170, 170, 0, 1},
                                           DoubleCase{"oneSeventyOneNothingScored", 171, 171, 0, 0},
                                           DoubleCase{"fortyNothingScored", 40, 40, 0, 3},
                                           DoubleCase{"fortyLeavingThirtyEight", 38, 40, 0, 3},
                                           DoubleCase{"bullLeavingFortyFour", 44, 50, 0, 1},
                                           DoubleCase{"fortyOneLeavingFortyOne", 41, 41, 0, 2},
                                           DoubleCase{"fortyNineLeavingFortyFive", 45, 49, 0, 0},
                                           DoubleCase{"hundredOneLeavingFortyFive", 45, 101, 0, 1},
                                           DoubleCase{"oneTwentyNothingScored", 120, 120, 0, 1},
                                           DoubleCase{"oneFiftyNineNothingScored", 159, 159, 0, 0},
                                           DoubleCase{"oneSixtyFourNothingScored", 164, 164, 0, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CheckOutMode, checkOutFromThirtyTwoWithThreeDartsAsksOneToThree) {
    MatchFixture f(two_humans(32), true);
    f.ports.checkout_darts = {3};
    f.ports.double_darts = {3};
    f.ports.game_shot_answers = {true};
    f.type(32);
    ASSERT_EQ(f.ports.double_questions.size(), 1u);
    EXPECT_EQ(f.ports.double_questions[0].shown, 3);
    EXPECT_EQ(f.ports.double_questions[0].minimum, 1);
    EXPECT_EQ(f.ports.double_questions[0].maximum, 3);
    const StatisticsCounters& ann = f.game().players[0].game;
    EXPECT_EQ(ann.double_darts, 3);
    EXPECT_EQ(ann.check_outs, 1);
    EXPECT_EQ(ann.success_2_80, 1);
}

TEST(CheckOutMode, checkOutOfThreeWithTwoDartsStoresOneWithoutAsking) {
    MatchFixture f(two_humans(3), true);
    f.ports.checkout_darts = {2};
    f.ports.game_shot_answers = {true};
    f.type(3);
    EXPECT_TRUE(f.ports.double_questions.empty());
    EXPECT_EQ(f.game().players[0].game.double_darts, 1);
}

TEST(CheckOutMode, visitsThatCouldHaveFinishedAskWithTheirPreset) {
    MatchFixture f(two_humans(60), true);
    f.ports.double_darts = {2};
    f.type(40);
    ASSERT_EQ(f.ports.double_questions.size(), 1u);
    EXPECT_EQ(f.ports.double_questions[0].shown, 2);
    EXPECT_EQ(f.ports.double_questions[0].minimum, 0);

    MatchFixture g(two_humans(100), true);
    g.type(40);
    EXPECT_TRUE(g.ports.double_questions.empty());
    EXPECT_EQ(g.game().darts_at_double[0][0], 0);

    MatchFixture h(two_humans(170), true);
    h.ports.double_darts = {1};
    h.type(0);
    ASSERT_EQ(h.ports.double_questions.size(), 1u);
    EXPECT_EQ(h.ports.double_questions[0].shown, 1);

    MatchFixture k(two_humans(171), true);
    k.type(0);
    EXPECT_TRUE(k.ports.double_questions.empty());
}

TEST(CheckOutMode, reenteringAnUnchangedEarlierValuePresetsItsStoredAnswer) {
    MatchFixture f(two_humans(60), true);
    f.ports.double_darts = {1, 0};
    f.visits({40, 0});
    f.sheet().home();
    f.ports.double_darts = {3};
    f.type(40);
    ASSERT_EQ(f.ports.double_questions.size(), 3u);
    EXPECT_EQ(f.ports.double_questions[2].shown, 1) << "the stored answer is offered again";
    EXPECT_EQ(f.game().darts_at_double[0][0], 3);
    const StatisticsCounters& ann = f.game().players[0].game;
    EXPECT_EQ(ann.double_darts, 3);
    EXPECT_EQ(ann.failure_2_80, 1);
}

TEST(CheckOutMode, cancellingTheDoubleQuestionChangesNothing) {
    MatchFixture f(two_humans(60), true);
    f.ports.double_darts = {255};
    f.type(40);
    EXPECT_EQ(f.leg().round, 0);
    EXPECT_EQ(f.leg().next_player, 0);
    EXPECT_EQ(f.game().players[0].remaining, 60);
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 0}));
}

TEST(CheckOutMode, computerPlayersAreNeverAsked) {
    GameOptions options = two_humans(60);
    options.p1_com = 1;
    MatchFixture f(options, true);
    EXPECT_EQ(f.game().players[0].ask_double, 0);
    EXPECT_EQ(f.game().players[1].ask_double, 1);
}

} // namespace
} // namespace dvk::testing
