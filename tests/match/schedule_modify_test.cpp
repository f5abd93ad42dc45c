#include "match/schedule_modify.h"
#include "support/match_harness.h"

#include <gtest/gtest.h>

namespace dvk::testing {
namespace {

GameOptions entry(int start_score, bool change_first = false) {
    GameOptions options = two_humans(start_score);
    options.schedule_entry = 1;
    options.leg_limit = 1;
    options.max_leg = 1;
    options.best_of = 0;
    options.change_first = change_first ? 1 : 0;
    return options;
}

struct ScheduleFixture : MatchFixture {
    explicit ScheduleFixture(std::vector<GameOptions> schedule) {
        settings.schedule = std::move(schedule);
        match.sheet().set_rows_per_page(12);
        match.start_new_game(true);
    }
    // Player 1 wins the current one-leg game of 301.
    void win_game() {
        ports.checkout_darts.push_back(3);
        ports.game_shot_answers.push_back(true);
        if (leg().first_player == 0) {
            visits({180, 0, 121});
        } else {
            visits({0, 180, 0, 121});
        }
    }
};

TEST(ScheduleModify, untouchedCurrentGameStaysOpenAndIsRestarted) {
    ScheduleFixture f({entry(301), entry(301), entry(301)});
    f.win_game();
    ASSERT_EQ(f.game().game_index, 1);
    EXPECT_TRUE(game_untouched(f.game()));
    const ScheduleModifyPlan plan = plan_schedule_modify(f.game());
    EXPECT_EQ(plan.locked_rows, 1u);
    EXPECT_EQ(plan.restart_entry, 1u);
}

TEST(ScheduleModify, aVisitLocksTheCurrentGame) {
    ScheduleFixture f({entry(301), entry(301), entry(301)});
    f.win_game();
    f.type(60);
    EXPECT_FALSE(game_untouched(f.game()));
    const ScheduleModifyPlan plan = plan_schedule_modify(f.game());
    EXPECT_EQ(plan.locked_rows, 2u);
    EXPECT_FALSE(plan.restart_entry);
}

TEST(ScheduleModify, aGameBegunByPlayerTwoCountsAsTouched) {
    ScheduleFixture f({entry(301), entry(301, true)});
    f.win_game();
    ASSERT_EQ(f.leg().first_player, 1);
    EXPECT_FALSE(game_untouched(f.game()));
    EXPECT_EQ(plan_schedule_modify(f.game()).locked_rows, 2u);
}

TEST(ScheduleModify, restartPlaysTheEditedEntryKeepingTheMatch) {
    ScheduleFixture f({entry(301), entry(301), entry(301)});
    f.win_game();
    const GameOptions replaced = f.settings.schedule[1];
    f.settings.schedule[1] = entry(501);
    f.settings.schedule[1].p2_name = "Cid";
    ASSERT_TRUE(f.match.restart_schedule_entry(replaced));
    EXPECT_EQ(f.game().game_index, 1);
    EXPECT_EQ(f.game().start_score, 501);
    EXPECT_EQ(f.game().players[0].remaining, 501);
    EXPECT_EQ(f.game().players[1].name, "Cid");
    EXPECT_EQ(f.game().players[0].sets_won, 1) << "the match goes on";
    EXPECT_EQ(f.match.history().count(), 1);
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 0}));
    f.type(100);
    EXPECT_EQ(f.game().players[0].remaining, 401);
}

TEST(ScheduleModify, restartDoesNotExchangeTheFirstThrowerTwice) {
    // Game 2 exchanged the first thrower of game 1 (player 2) back to player 1.
    ScheduleFixture f({entry(301), entry(301, true), entry(301, true)});
    f.win_game();
    f.win_game();
    ASSERT_EQ(f.game().game_index, 2);
    ASSERT_EQ(f.leg().first_player, 0);
    ASSERT_TRUE(game_untouched(f.game()));
    const GameOptions replaced = f.settings.schedule[2];
    f.settings.schedule[2].start_score = 501;
    ASSERT_TRUE(f.match.restart_schedule_entry(replaced));
    EXPECT_EQ(f.leg().first_player, 0);
    EXPECT_EQ(f.game().start_score, 501);
}

TEST(ScheduleModify, restartRefusesAScheduleWithoutTheEntry) {
    ScheduleFixture f({entry(301), entry(301)});
    f.win_game();
    const GameOptions replaced = f.settings.schedule[1];
    f.settings.schedule.resize(1);
    EXPECT_FALSE(f.match.restart_schedule_entry(replaced));
    EXPECT_EQ(f.game().game_index, 1);
}

} // namespace
} // namespace dvk::testing
