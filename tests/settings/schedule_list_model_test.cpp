#include "settings/options_load.h"
#include "settings/schedule_list_model.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

std::vector<GameOptions> games(int count) {
    std::vector<GameOptions> entries(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        entries[static_cast<std::size_t>(i)].start_score = 301 + 100 * i;
    }
    return entries;
}

std::vector<int> start_scores(const ScheduleListModel& model) {
    std::vector<int> scores;
    for (const GameOptions& entry : model.entries()) {
        scores.push_back(entry.start_score);
    }
    return scores;
}

TEST(ScheduleList, newScheduleLocksNothing) {
    ScheduleListModel model(games(3), 0);
    for (std::size_t row = 0; row < 3; ++row) {
        EXPECT_FALSE(model.is_locked(row));
        EXPECT_TRUE(model.can_change(row));
    }
    EXPECT_FALSE(model.can_move_up(0));
    EXPECT_TRUE(model.can_move_up(1));
    EXPECT_TRUE(model.can_move_down(1));
    EXPECT_FALSE(model.can_move_down(2));
    EXPECT_FALSE(model.can_change(3));
}

// The third game is being played with visits in it: rows 0 to 2 are locked.
TEST(ScheduleList, playedGamesAreLockedAndCannotBePassed) {
    ScheduleListModel model(games(5), 3);
    for (std::size_t row = 0; row < 3; ++row) {
        EXPECT_TRUE(model.is_locked(row));
        EXPECT_FALSE(model.can_change(row));
        EXPECT_FALSE(model.can_move_up(row));
        EXPECT_FALSE(model.can_move_down(row));
        EXPECT_FALSE(model.move_down(row));
        EXPECT_FALSE(model.remove(row));
        EXPECT_FALSE(model.replace(row, GameOptions{}));
    }
    EXPECT_FALSE(model.can_move_up(3)) << "row 4 cannot move above row 3";
    EXPECT_FALSE(model.move_up(3));
    EXPECT_EQ(model.move_up(4), 3u);
    EXPECT_EQ(model.move_down(3), 4u);
    EXPECT_EQ(start_scores(model), (std::vector<int>{301, 401, 501, 601, 701}));
}

TEST(ScheduleList, movesDeletesAndAddsKeepTheRecords) {
    ScheduleListModel model(games(3), 1);
    EXPECT_EQ(model.move_up(2), 1u);
    EXPECT_TRUE(model.remove(2));
    GameOptions added = new_schedule_entry(GameOptions{});
    added.p2_com = 1;
    EXPECT_TRUE(model.add(added));
    EXPECT_EQ(start_scores(model), (std::vector<int>{301, 501, 501}));
    EXPECT_EQ(model.row(2).p2_com, 1);
    EXPECT_EQ(model.row(2).schedule_entry, 1);
    EXPECT_EQ(model.row(2).leg_limit, 1);
}

TEST(ScheduleList, anEmptyListCannotBeStarted) {
    ScheduleListModel model(games(1), 0);
    EXPECT_TRUE(model.can_confirm());
    EXPECT_TRUE(model.remove(0));
    EXPECT_FALSE(model.can_confirm());
    EXPECT_FALSE(model.can_change(0));
}

TEST(ScheduleList, theEntryToRestartMustStay) {
    // The second game is untouched: row 0 is locked, row 1 is played again after the dialog.
    ScheduleListModel model(games(3), 1, 1);
    EXPECT_TRUE(model.remove(2));
    EXPECT_TRUE(model.can_confirm());
    EXPECT_TRUE(model.remove(1));
    EXPECT_FALSE(model.can_confirm()) << "only the played game is left";
    EXPECT_TRUE(model.add(new_schedule_entry(GameOptions{})));
    EXPECT_TRUE(model.can_confirm());
}

TEST(ScheduleList, lockedRowsNeverExceedTheList) {
    ScheduleListModel model(games(2), 5);
    EXPECT_EQ(model.locked_rows(), 2u);
    EXPECT_FALSE(model.can_move_down(1));
}

TEST(ScheduleList, addStopsAtTheScheduleTheSettingsCanLoad) {
    ScheduleListModel model(std::vector<GameOptions>(max_schedule_entries - 1), 0);
    EXPECT_TRUE(model.add(GameOptions{}));
    EXPECT_FALSE(model.can_add());
    EXPECT_FALSE(model.add(GameOptions{}));
    EXPECT_EQ(model.row_count(), max_schedule_entries);
}

} // namespace
} // namespace dvk
