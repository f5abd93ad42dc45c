#include "storage/recovery_file.h"
#include "storage/recovery_writer.h"
#include "support/sample_games.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

using test::TempFolder;

constexpr std::size_t leg_index_offset = 185 + 16;
constexpr std::size_t leg0_offset = 869;
constexpr std::size_t leg1_offset = leg0_offset + 148 + 16;
constexpr std::size_t current_offset = leg1_offset + 148 + 16;

std::string written_file(const GameOptions& options, const std::vector<GameOptions>& schedule,
                         const GameRecord& game) {
    const TempFolder folder("-source");
    RecoveryWriter writer(folder / "dvk.tmp");
    EXPECT_TRUE(writer.write(true, RecoveryWrite::Complete, {options, schedule, game}).ok);
    return test::file_bytes(writer.path());
}

std::string sample_file() {
    return written_file(test::sample_options(), {}, test::third_leg_game());
}

void put_i32(std::string& bytes, std::size_t at, std::int32_t v) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes.at(at + i) = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    }
}

TEST(RecoveryLoad, gameOptionsAndScheduleSurviveARoundTrip) {
    GameRecord game = test::third_leg_game();
    game.schedule_mode = 1;
    game.game_index = 1;
    const GameOptions options = test::sample_options();
    const std::vector<GameOptions> schedule = test::sample_schedule();

    const RecoveryLoad loaded = parse_recovery(written_file(options, schedule, game));
    ASSERT_TRUE(loaded.loaded()) << loaded.reason;
    EXPECT_EQ(loaded.options, options);
    ASSERT_TRUE(loaded.schedule.has_value());
    EXPECT_EQ(*loaded.schedule, schedule);
    EXPECT_EQ(loaded.game, game);
}

TEST(RecoveryLoad, singleGameHasNoSchedule) {
    const RecoveryLoad loaded = parse_recovery(sample_file());
    ASSERT_TRUE(loaded.loaded()) << loaded.reason;
    EXPECT_FALSE(loaded.schedule.has_value());
    EXPECT_EQ(loaded.game, test::third_leg_game());
}

TEST(RecoveryLoad, bytesAfterTheLastBlockAreIgnored) {
    EXPECT_TRUE(parse_recovery(sample_file() + std::string(40, '\x7F')).loaded());
}

TEST(RecoveryLoad, everyTruncatedFileIsRefused) {
    GameRecord game = test::third_leg_game();
    game.schedule_mode = 1;
    for (const std::string& file :
         {sample_file(), written_file({}, test::sample_schedule(), game)}) {
        for (std::size_t length = 0; length < file.size(); ++length) {
            const RecoveryLoad loaded = parse_recovery(std::string_view(file).substr(0, length));
            EXPECT_EQ(loaded.status, RecoveryLoadStatus::NotLoadable) << "length " << length;
            EXPECT_FALSE(loaded.reason.empty());
        }
    }
}

struct Corruption {
    const char* name;
    std::size_t offset;
    std::int32_t value;
    const char* reason_part;
};

class RecoveryCorruption : public ::testing::TestWithParam<Corruption> {};

TEST_P(RecoveryCorruption, fileIsNotLoadable) {
    std::string file = sample_file();
    put_i32(file, GetParam().offset, GetParam().value);
    const RecoveryLoad loaded = parse_recovery(file);
    EXPECT_EQ(loaded.status, RecoveryLoadStatus::NotLoadable);
    EXPECT_NE(loaded.reason.find(GetParam().reason_part), std::string::npos) << loaded.reason;
}

INSTANTIATE_TEST_SUITE_P(
    RecoveryLoad, RecoveryCorruption,
    ::testing::Values(
        Corruption{"negativeLegIndex", leg_index_offset, -1, "negative"},
        Corruption{"legIndexBeyondTheFile", leg_index_offset, 3, "fewer legs"},
        Corruption{"hugeLegIndex", leg_index_offset, 0x7FFFFFFF, "fewer legs"},
        Corruption{"firstPlayerTwo", leg0_offset + 0, 2, "player"},
        Corruption{"negativeNextPlayer", current_offset + 8, -1, "player"},
        Corruption{"winnerThree", leg1_offset + 32, 3, "player"},
        Corruption{"negativeFinishedRound", leg0_offset + 4, -1, "impossible"},
        Corruption{"finishedRoundBeyondTheFile", leg1_offset + 4, 0x7FFFFFF0, "cut short"},
        Corruption{"finishedCapacityBeyondAnyGame", leg0_offset + 16, 0x7FFFFFFF, "more rounds"},
        Corruption{"negativeFinishedRows", leg0_offset + 12, -4, "impossible"},
        Corruption{"negativeCurrentRound", current_offset + 4, -1, "impossible"},
        Corruption{"currentRoundAboveCapacity", current_offset + 4, 11, "impossible"},
        Corruption{"negativeCurrentCapacity", current_offset + 16, -1, "impossible"},
        Corruption{"currentCapacityBeyondTheFile", current_offset + 16, 11, "cut short"},
        Corruption{"hugeCurrentCapacity", current_offset + 16, 0x7FFFFFFF, "cut short"},
        Corruption{"currentRowsFarAboveCapacity", current_offset + 12, 12, "more rows"},
        // The open round could never be reached again.
        Corruption{"currentRowsBelowItsRound", current_offset + 12, 1, "impossible"},
        Corruption{"noRowForTheOpenRound", current_offset + 12, 2, "impossible"},
        Corruption{"finishedRowsBelowItsRound", leg0_offset + 12, 2, "impossible"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecoveryLoad, scheduleCountMustMatchTheFile) {
    GameRecord game = test::third_leg_game();
    game.schedule_mode = 1;
    const std::string valid = written_file({}, test::sample_schedule(), game);
    for (const std::int32_t count : {-1, 3, 100000, 0x7FFFFFFF}) {
        std::string file = valid;
        put_i32(file, 869, count);
        EXPECT_FALSE(parse_recovery(file).loaded()) << count;
    }
}

TEST(RecoveryLoad, finishedLegWithCapacityBelowItsRoundIsRepaired) {
    std::string file = sample_file();
    put_i32(file, leg0_offset + 16, 2);
    const RecoveryLoad loaded = parse_recovery(file);
    ASSERT_TRUE(loaded.loaded()) << loaded.reason;
    const LegRecord& leg = loaded.game.legs[0];
    EXPECT_EQ(leg.capacity, 4);
    EXPECT_EQ(leg.rows, 4);
    EXPECT_EQ(leg.scores[0].size(), 5u);
    EXPECT_EQ(leg.scores[0][3], -2);
}

TEST(RecoveryLoad, nameWithoutTerminatorStopsAtItsField) {
    std::string file = sample_file();
    file.replace(185 + 56, 64, std::string(64, 'x'));
    file.replace(1 + 24, 64, std::string(61, 'y') + "\xE2\x82\xAC"); // ends in a 3-byte euro
    const RecoveryLoad loaded = parse_recovery(file);
    ASSERT_TRUE(loaded.loaded()) << loaded.reason;
    EXPECT_EQ(loaded.game.players[0].name, std::string(63, 'x'));
    EXPECT_EQ(loaded.options.p1_name, std::string(61, 'y'));
    EXPECT_EQ(loaded.game.players[1].name, test::third_leg_game().players[1].name);
}

class RecoveryFileTest : public ::testing::Test {
protected:
    std::filesystem::path path() const { return folder / "dvk.tmp"; }
    TempFolder folder;
};

TEST_F(RecoveryFileTest, emptyOrForeignFileIsIgnoredAndOnlyANonEmptyOneIsKept) {
    test::put_file(path(), "");
    EXPECT_EQ(load_recovery(path(), true).status, RecoveryLoadStatus::NotLoadable);
    EXPECT_FALSE(keep_unloadable_recovery(path()));
    EXPECT_TRUE(std::filesystem::exists(path()));

    const std::string foreign = "[game]\r\nstart_score=501\r\n" + std::string(300, ' ');
    test::put_file(path(), foreign);
    EXPECT_EQ(load_recovery(path(), true).status, RecoveryLoadStatus::NotLoadable);
    EXPECT_EQ(keep_unloadable_recovery(path()), folder / "dvk.tmp.bad");
    EXPECT_FALSE(std::filesystem::exists(path()));
    EXPECT_EQ(test::file_bytes(folder / "dvk.tmp.bad"), foreign);
}

TEST_F(RecoveryFileTest, missingSwitchedOffAndFolderAreTold) {
    EXPECT_EQ(recovery_path(folder.path()), path());
    EXPECT_EQ(load_recovery(path(), true).status, RecoveryLoadStatus::Missing);
    test::put_file(path(), sample_file());
    EXPECT_EQ(load_recovery(path(), false).status, RecoveryLoadStatus::Disabled);
    EXPECT_TRUE(load_recovery(path(), true).loaded());
    std::filesystem::remove(path());
    std::filesystem::create_directory(path());
    EXPECT_EQ(load_recovery(path(), true).status, RecoveryLoadStatus::NotLoadable);
}

TEST_F(RecoveryFileTest, deletedOnlyWhenAsked) {
    test::put_file(path(), sample_file());
    EXPECT_TRUE(delete_recovery(path(), false));
    EXPECT_TRUE(std::filesystem::exists(path()));
    EXPECT_TRUE(delete_recovery(path(), true));
    EXPECT_FALSE(std::filesystem::exists(path()));
    EXPECT_TRUE(delete_recovery(path(), true));
}

} // namespace
} // namespace dvk
