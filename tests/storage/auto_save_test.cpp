#include "storage/auto_save.h"
#include "support/sample_games.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

GameRecord game_started(std::int32_t start_score, SystemTime started) {
    GameRecord game = test::third_leg_game();
    game.start_score = start_score;
    game.started = started;
    return game;
}

CsvLocale plain_locale() {
    CsvLocale locale;
    locale.date = [](const SystemTime&) { return std::string("2026-12-07"); };
    locale.time = [](const SystemTime&) { return std::string("10:15:00"); };
    return locale;
}

TEST(AutoSave, fileNameIsStartScoreDateAndTime) {
    EXPECT_EQ(csv_file_name(game_started(501, {2026, 12, 1, 7, 10, 15, 0, 999})),
              "501_20261207_101500.csv");
    EXPECT_EQ(csv_file_name(game_started(301, {2027, 1, 5, 2, 9, 5, 7, 0})),
              "301_20270102_090507.csv");
    EXPECT_EQ(csv_file_name(game_started(99999, {812, 3, 0, 4, 23, 59, 58, 0})),
              "99999_08120304_235958.csv");
}

TEST(AutoSave, folderAndFileFollowTheSetting) {
    const GameRecord game = game_started(501, {2026, 12, 1, 7, 10, 15, 0, 0});
    const std::filesystem::path data = "/opt/dvk/data";
    struct Row {
        const char* name;
        std::string setting;
        std::string folder;
        std::string file;
    };
    const Row rows[] = {
        {"default", "", "/opt/dvk/data", "/opt/dvk/data/501_20261207_101500.csv"},
        {"configured", "/srv/darts", "/srv/darts", "/srv/darts/501_20261207_101500.csv"},
        {"trailing slash", "/srv/darts/", "/srv/darts/", "/srv/darts/501_20261207_101500.csv"},
        {"relative", "scores", "scores", "scores/501_20261207_101500.csv"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(auto_save_folder(row.setting, data).string(), row.folder) << row.name;
        EXPECT_EQ(auto_save_file(game, row.setting, data).string(), row.file) << row.name;
    }
}

TEST(AutoSave, configuredFolderIsCreatedWithItsParentsAndRewrittenEachLeg) {
    const test::TempFolder folder;
    const std::string setting = (folder.path() / "a" / "b" / "c").string();
    GameRecord game = game_started(501, {2026, 12, 1, 7, 10, 15, 0, 0});
    game.leg_index = 1;
    AutoSaveFiles files;
    ASSERT_TRUE(auto_save_game(game, setting, folder.path(), plain_locale(), files).status.ok);
    game.leg_index = 2;
    ASSERT_TRUE(auto_save_game(game, setting, folder.path(), plain_locale(), files).status.ok);

    const auto file = folder.path() / "a" / "b" / "c" / "501_20261207_101500.csv";
    EXPECT_EQ(test::file_bytes(file), compose_game_csv(game, plain_locale()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()), {}), 1);
}

TEST(AutoSave, defaultFolderIsCreatedWithItsMissingParents) {
    // An installed program saves into the documents of a home that may not have them yet.
    const test::TempFolder folder;
    const GameRecord game = game_started(501, {2026, 12, 1, 7, 10, 15, 0, 0});
    AutoSaveFiles files;
    ASSERT_TRUE(
        auto_save_game(game, "", folder / "Documents/dvk", plain_locale(), files).status.ok);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "Documents/dvk/501_20261207_101500.csv"));
}

TEST(AutoSave, unusableFolderIsReportedWithAReason) {
    const test::TempFolder folder;
    test::put_file(folder / "data", "a file where the folder should be");
    AutoSaveFiles files;
    const AutoSaveOutcome outcome =
        auto_save_game(test::third_leg_game(), "", folder / "data", plain_locale(), files);
    EXPECT_FALSE(outcome.status.ok);
    EXPECT_FALSE(outcome.status.reason.empty());
    EXPECT_EQ(outcome.file, folder / "data/501_20261207_101500.csv");
}

TEST(AutoSave, secondGameOfTheSameSecondGetsItsOwnFile) {
    const test::TempFolder folder;
    AutoSaveFiles files;
    GameRecord first = game_started(501, {2026, 12, 1, 7, 10, 15, 0, 100});
    GameRecord second = game_started(501, {2026, 12, 1, 7, 10, 15, 0, 900});
    second.game_index = 1;
    second.players[0].legs_won = 2;
    const auto data = folder / "data";
    ASSERT_TRUE(auto_save_game(first, "", data, plain_locale(), files).status.ok);
    const AutoSaveOutcome outcome = auto_save_game(second, "", data, plain_locale(), files);
    ASSERT_TRUE(outcome.status.ok);
    EXPECT_EQ(outcome.file, data / "501_20261207_101500_2.csv");
    EXPECT_EQ(test::file_bytes(data / "501_20261207_101500.csv"),
              compose_game_csv(first, plain_locale()));
    EXPECT_EQ(test::file_bytes(outcome.file), compose_game_csv(second, plain_locale()));
}

} // namespace
} // namespace dvk
