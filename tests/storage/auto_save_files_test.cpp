#include "storage/auto_save_files.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

GameRecord game_at(std::uint16_t second, std::uint16_t milliseconds, std::int32_t game_index = 0) {
    GameRecord game;
    game.start_score = 501;
    game.started = SystemTime{2026, 12, 1, 7, 10, 15, second, milliseconds};
    game.game_index = game_index;
    return game;
}

const std::filesystem::path file = "/data/501_20261207_101500.csv";

TEST(AutoSaveFiles, numberedFileKeepsFolderAndExtension) {
    EXPECT_EQ(numbered_file(file, 2), "/data/501_20261207_101500_2.csv");
    EXPECT_EQ(numbered_file("plain", 3), "plain_3");
}

TEST(AutoSaveFiles, eachLegOfAGameRewritesItsFileAndOtherGamesOfTheSecondGetNumbers) {
    AutoSaveFiles files;
    const GameRecord first = game_at(0, 100);
    const GameRecord second = game_at(0, 900, 1);
    const GameRecord third = game_at(0, 950, 2);
    EXPECT_EQ(files.file_for(first, file), file);
    EXPECT_EQ(files.file_for(first, file), file);
    EXPECT_EQ(files.file_for(second, file), numbered_file(file, 2));
    EXPECT_EQ(files.file_for(second, file), numbered_file(file, 2));
    EXPECT_EQ(files.file_for(third, file), numbered_file(file, 3));
    // Going back into an earlier game (Previous Leg) writes its own file again.
    EXPECT_EQ(files.file_for(first, file), file);
    // A game of another second has its own name and takes no number.
    const std::filesystem::path other = "/data/501_20261207_101501.csv";
    EXPECT_EQ(files.file_for(game_at(1, 0), other), other);
}

TEST(AutoSaveFiles, gamesStartedInTheSameMillisecondAreToldApartByTheirPlaceInTheMatch) {
    AutoSaveFiles files;
    EXPECT_EQ(files.file_for(game_at(0, 0, 0), file), file);
    EXPECT_EQ(files.file_for(game_at(0, 0, 1), file), numbered_file(file, 2));
    GameRecord scheduled = game_at(0, 0, 0);
    scheduled.schedule_mode = 1;
    EXPECT_EQ(files.file_for(scheduled, file), numbered_file(file, 3));
}

TEST(AutoSaveFiles, newGameIsTheOneNotWrittenLast) {
    AutoSaveFiles files;
    const GameRecord first = game_at(0, 100);
    GameRecord next_leg = first;
    next_leg.leg_index = 3;
    EXPECT_TRUE(files.is_new_game(first));
    files.file_for(first, file);
    EXPECT_FALSE(files.is_new_game(next_leg));
    EXPECT_TRUE(files.is_new_game(game_at(5, 0)));
}

} // namespace
} // namespace dvk
