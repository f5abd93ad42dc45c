#include "model/history_list.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

GameRecord game_with_finished_legs(int finished_legs) {
    GameRecord game;
    game.leg_index = finished_legs;
    for (int i = 0; i <= finished_legs; ++i) {
        game.legs.push_back(LegRecord::with_capacity(10, 1));
    }
    for (auto& d : game.darts_at_double) {
        d.assign(11, 0);
    }
    game.players[0].match.tons = 7;
    game.players[0].game.tons = 3;
    return game;
}

TEST(HistoryList, gameStillInItsFirstLegIsNotStored) {
    HistoryList history;
    GameRecord game = game_with_finished_legs(0);
    EXPECT_EQ(append_to_history(history, game), AppendResult::NothingToStore);
    EXPECT_EQ(history.count(), 0);
    EXPECT_EQ(game.stored, 0);
}

TEST(HistoryList, sameGameAppendedTwiceIsStoredOnce) {
    HistoryList history;
    GameRecord game = game_with_finished_legs(2);
    EXPECT_EQ(append_to_history(history, game), AppendResult::Appended);
    EXPECT_EQ(append_to_history(history, game), AppendResult::NothingToStore);
    EXPECT_EQ(history.count(), 1);
    EXPECT_EQ(game.stored, 1);
}

TEST(HistoryList, storedCopyDropsMatchTotalsAndDoubleDartsButKeepsGameTotals) {
    HistoryList history;
    GameRecord game = game_with_finished_legs(1);
    append_to_history(history, game);
    const GameRecord& stored = history.items.front();
    EXPECT_EQ(stored.players[0].match, StatisticsCounters{});
    EXPECT_EQ(stored.players[0].game.tons, 3);
    EXPECT_TRUE(stored.darts_at_double[0].empty());
    EXPECT_EQ(stored.legs.size(), 2u);
    EXPECT_EQ(game.players[0].match.tons, 7);
}

TEST(HistoryList, storedCopyIsIndependentOfTheCurrentGame) {
    HistoryList history;
    GameRecord game = game_with_finished_legs(1);
    append_to_history(history, game);
    game.legs[0].scores[0][0] = 140;
    EXPECT_EQ(history.items.front().legs[0].scores[0][0], 0);
}

TEST(HistoryList, clearAndDropAreHarmlessOnAnEmptyList) {
    HistoryList history;
    drop_last_game(history);
    clear_history(history);
    clear_history(history);
    EXPECT_EQ(history.count(), 0);
}

} // namespace
} // namespace dvk
