#include "model/history_lines.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

using Kind = HistoryLine::Kind;
constexpr int current = HistoryLine::current_game;

GameRecord game_with_legs(int completed) {
    GameRecord game;
    game.leg_index = completed;
    game.legs.resize(static_cast<std::size_t>(completed) + 1);
    return game;
}

TEST(HistoryLines, storedGamesThenTheGameInProgressEachWithTheirLegs) {
    HistoryList history;
    history.items = {game_with_legs(2), game_with_legs(1)};
    const GameRecord playing = game_with_legs(1);
    const std::vector<HistoryLine> expected = {
        {Kind::Game, 0, 0}, {Kind::Leg, 0, 1},        {Kind::Leg, 0, 2},       {Kind::Game, 1, 0},
        {Kind::Leg, 1, 1},  {Kind::Game, current, 0}, {Kind::Leg, current, 1},
    };
    EXPECT_EQ(history_lines(history, playing), expected);
}

TEST(HistoryLines, gameInProgressIsListedOnlyWithACompletedLegAndUntilItIsStored) {
    HistoryList history;
    history.items = {game_with_legs(1)};
    const std::vector<HistoryLine> stored_only = {{Kind::Game, 0, 0}, {Kind::Leg, 0, 1}};

    EXPECT_EQ(history_lines(history, game_with_legs(0)), stored_only);
    GameRecord decided = game_with_legs(3);
    decided.stored = 1;
    EXPECT_EQ(history_lines(history, decided), stored_only);

    clear_history(history);
    EXPECT_EQ(history_lines(history, game_with_legs(1)),
              (std::vector<HistoryLine>{{Kind::Game, current, 0}, {Kind::Leg, current, 1}}));
    EXPECT_TRUE(history_lines(history, game_with_legs(0)).empty());
}

TEST(HistoryLines, linesResolveToTheirGameAndLegOrToNothing) {
    HistoryList history;
    history.items = {game_with_legs(2)};
    history.items[0].legs[1].winning_darts = 15;
    const GameRecord playing = game_with_legs(1);

    EXPECT_EQ(history_line_game({Kind::Game, 0, 0}, history, playing), &history.items[0]);
    EXPECT_EQ(history_line_game({Kind::Leg, current, 1}, history, playing), &playing);
    EXPECT_EQ(history_line_leg({Kind::Leg, 0, 2}, history, playing)->winning_darts, 15);
    EXPECT_EQ(history_line_game({Kind::Game, 1, 0}, history, playing), nullptr);
    EXPECT_EQ(history_line_game({Kind::Game, -2, 0}, history, playing), nullptr);
    EXPECT_EQ(history_line_leg({Kind::Game, 0, 0}, history, playing), nullptr);
    EXPECT_EQ(history_line_leg({Kind::Leg, 0, 3}, history, playing), nullptr);
    EXPECT_EQ(history_line_leg({Kind::Leg, 0, 0}, history, playing), nullptr);
    EXPECT_EQ(history_line_leg({Kind::Leg, current, 2}, history, playing), nullptr);
}

TEST(HistoryLines, leaderAndDartsBoxes) {
    GameRecord game;
    EXPECT_EQ(game_line_leader(game), -1);
    game.players[1].legs_won = 2;
    EXPECT_EQ(game_line_leader(game), 1);
    game.players[0].legs_won = 3;
    EXPECT_EQ(game_line_leader(game), 0);

    struct Row {
        const char* name;
        int winner;
        int darts;
        std::optional<int> first;
        std::optional<int> second;
    };
    const Row rows[] = {
        {"first player won", 0, 15, 15, std::nullopt},
        {"second player won", 1, 9, std::nullopt, 9},
        {"drawn at the round limit", 0, 0, std::nullopt, std::nullopt},
        {"stopped during a computer visit", 0, -1, std::nullopt, std::nullopt},
    };
    for (const Row& row : rows) {
        LegRecord leg;
        leg.winner = row.winner;
        leg.winning_darts = row.darts;
        EXPECT_EQ(leg_line_darts(leg, 0), row.first) << row.name;
        EXPECT_EQ(leg_line_darts(leg, 1), row.second) << row.name;
    }
}

} // namespace
} // namespace dvk
