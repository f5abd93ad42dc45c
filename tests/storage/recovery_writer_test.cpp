#include "storage/recovery_file.h"
#include "storage/recovery_writer.h"
#include "support/file_size_limit.h"
#include "support/sample_games.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace dvk {
namespace {

using test::TempFolder;

constexpr std::size_t current_leg_offset = 869 + 2 * (148 + 16);

void put_i16(std::string& bytes, std::size_t at, std::int32_t v) {
    bytes.at(at) = static_cast<char>(v & 0xFF);
    bytes.at(at + 1) = static_cast<char>((v >> 8) & 0xFF);
}

void put_i32(std::string& bytes, std::size_t at, std::int32_t v) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes.at(at + i) = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    }
}

// The bytes a complete write of `game` gives, from a writer of its own.
std::string complete_file(const TempFolder& folder, const GameRecord& game,
                          const std::string& name = "complete.tmp") {
    RecoveryWriter writer(folder / name);
    EXPECT_TRUE(writer.write(true, RecoveryWrite::Complete, {{}, {}, game}).ok);
    return test::file_bytes(writer.path());
}

class RecoveryWriterTest : public ::testing::Test {
protected:
    RecoveryWriterTest() : writer(folder / "dvk.tmp") {}

    FileStatus write(RecoveryWrite mode, int player = 0, int round = 0) {
        return writer.write(true, mode, {options, {}, game}, player, round);
    }
    std::string file() const { return test::file_bytes(writer.path()); }

    TempFolder folder;
    GameOptions options;
    GameRecord game = test::third_leg_game();
    RecoveryWriter writer;
};

TEST_F(RecoveryWriterTest, cellUpdateRewritesTurnStateAndOneCellOnly) {
    ASSERT_TRUE(write(RecoveryWrite::Complete).ok);
    std::string expected = file();

    LegRecord& leg = game.current_leg();
    leg.scores[1][2] = 140;
    game.darts_at_double[1][2] = 3;
    leg.round = 3;
    leg.next_player = 0;
    leg.rows = 4;
    leg.leg_tons = {5, 5}; // statistics stay as last written whole
    ASSERT_TRUE(write(RecoveryWrite::Cell, 1, 2).ok);

    const std::size_t at = current_leg_offset;
    put_i32(expected, at + 4, 3);
    put_i32(expected, at + 8, 0);
    put_i32(expected, at + 12, 4);
    put_i16(expected, at + 148 + 33 + 2 * 2, 140); // player 2's scores follow 33 bytes
    expected.at(at + 148 + 33 + 22 + 2) = 3;       // after player 2's 11 scores
    EXPECT_EQ(file(), expected);
}

TEST_F(RecoveryWriterTest, capacityGrowthRewritesHeaderAndArraysAndLengthensTheFile) {
    // Nine complete rounds at capacity 10; the tenth completes the arrays and grows them.
    LegRecord& leg = game.current_leg();
    leg.round = 9;
    leg.rows = 10;
    leg.next_player = 1;
    for (std::size_t i = 0; i < 10; ++i) {
        leg.scores[0][i] = static_cast<std::int16_t>(20 + i);
        leg.scores[1][i] = static_cast<std::int16_t>(i < 9 ? 30 + i : 0);
    }
    ASSERT_TRUE(write(RecoveryWrite::Complete).ok);
    const std::string before = file();
    ASSERT_EQ(before.size(), current_leg_offset + 148 + 66);

    leg.scores[1][9] = 39;
    leg.round = 10;
    leg.next_player = 0;
    leg.rows = 11;
    leg.capacity = 20;
    leg.finished = 1; // a field beyond the first 20 bytes: not rewritten by a cell update
    for (auto& s : leg.scores) {
        s.resize(21, 0);
    }
    for (auto& d : game.darts_at_double) {
        d.resize(21, 0);
    }
    game.darts_at_double[1][9] = 2;
    ASSERT_TRUE(write(RecoveryWrite::Cell, 1, 9).ok);

    // The same bytes the positioned writes give: 20 header bytes at the current leg, then the
    // four arrays at the new size.
    std::string expected = before;
    const std::size_t at = current_leg_offset;
    put_i32(expected, at + 4, 10);
    put_i32(expected, at + 8, 0);
    put_i32(expected, at + 12, 11);
    put_i32(expected, at + 16, 20);
    expected.resize(at + 148 + 6 * 21, '\0');
    for (std::size_t p = 0; p < 2; ++p) {
        const std::size_t block = at + 148 + p * 63;
        for (std::size_t i = 0; i < 21; ++i) {
            put_i16(expected, block + 2 * i, leg.scores[p][i]);
            expected.at(block + 42 + i) = static_cast<char>(game.darts_at_double[p][i]);
        }
    }
    EXPECT_EQ(file(), expected);
    EXPECT_EQ(writer.written_capacity(), 20);

    // The next visit is a cell update at the new capacity.
    leg.scores[0][10] = 99;
    leg.next_player = 1;
    ASSERT_TRUE(write(RecoveryWrite::Cell, 0, 10).ok);
    const RecoveryLoad loaded = parse_recovery(file());
    ASSERT_TRUE(loaded.loaded()) << loaded.reason;
    EXPECT_EQ(loaded.game.current_leg().scores[0][10], 99);
    EXPECT_EQ(loaded.game.current_leg().capacity, 20);
    EXPECT_EQ(loaded.game.darts_at_double[1][9], 2);
}

TEST_F(RecoveryWriterTest, newLegGivesTheSameFileAsACompleteWrite) {
    // Written while the second leg was current...
    GameRecord second_leg = game;
    second_leg.leg_index = 1;
    second_leg.legs.pop_back();
    LegRecord& open = second_leg.legs[1];
    open.finished = 0;
    open.winner = 0;
    open.winning_darts = 0;
    open.check_out = 0;
    open.scores[1][3] = 0;
    ASSERT_TRUE(writer.write(true, RecoveryWrite::Complete, {options, {}, second_leg}).ok);
    ASSERT_TRUE(write(RecoveryWrite::Cell, 0, 2).ok);

    // ...then the leg is won and the third leg starts.
    ASSERT_TRUE(write(RecoveryWrite::NewLeg).ok);
    EXPECT_EQ(file(), complete_file(folder, game));
    EXPECT_EQ(writer.leg_offset(), static_cast<std::int64_t>(current_leg_offset));
}

TEST_F(RecoveryWriterTest, firstWriteOfAnyModeIsComplete) {
    for (const RecoveryWrite mode : {RecoveryWrite::Cell, RecoveryWrite::NewLeg}) {
        RecoveryWriter fresh(folder / "fresh.tmp");
        ASSERT_TRUE(fresh.write(true, mode, {{}, {}, game}, 1, 1).ok);
        EXPECT_EQ(test::file_bytes(fresh.path()), complete_file(folder, game));
    }
}

TEST_F(RecoveryWriterTest, vanishedOrReplacedFileIsWrittenWhole) {
    ASSERT_TRUE(write(RecoveryWrite::Complete).ok);
    std::filesystem::remove(writer.path());
    ASSERT_TRUE(write(RecoveryWrite::Cell, 0, 1).ok);
    EXPECT_EQ(file(), complete_file(folder, game));

    test::put_file(writer.path(), "\x1A short");
    ASSERT_TRUE(write(RecoveryWrite::Cell, 0, 1).ok);
    EXPECT_EQ(file(), complete_file(folder, game));
}

TEST_F(RecoveryWriterTest, cellOutsideTheArraysIsWrittenWhole) {
    ASSERT_TRUE(write(RecoveryWrite::Complete).ok);
    test::put_file(writer.path(), file() + "tail");
    ASSERT_TRUE(write(RecoveryWrite::Cell, 2, 1).ok);
    EXPECT_EQ(file(), complete_file(folder, game));
    test::put_file(writer.path(), file() + "tail");
    ASSERT_TRUE(write(RecoveryWrite::Cell, 0, 11).ok);
    EXPECT_EQ(file(), complete_file(folder, game));
}

TEST_F(RecoveryWriterTest, switchedOffWritesNothing) {
    EXPECT_TRUE(writer.write(false, RecoveryWrite::Complete, {options, {}, game}).ok);
    EXPECT_FALSE(std::filesystem::exists(writer.path()));
}

TEST_F(RecoveryWriterTest, gameWithoutCurrentLegIsRefused) {
    game.legs.pop_back();
    const FileStatus status = write(RecoveryWrite::Complete);
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.reason.empty());
    EXPECT_FALSE(std::filesystem::exists(writer.path()));
}

TEST_F(RecoveryWriterTest, failedRewriteKeepsTheOldFileAndForcesACompleteWriteNext) {
    ASSERT_TRUE(write(RecoveryWrite::Complete).ok);
    const std::string old_file = file();
    game.current_leg().capacity = 20;
    for (auto& s : game.current_leg().scores) {
        s.resize(21, 0);
    }
    {
        const test::FileSizeLimit full_disk(old_file.size());
        EXPECT_FALSE(write(RecoveryWrite::Cell, 0, 3).ok);
        EXPECT_FALSE(write(RecoveryWrite::NewLeg).ok);
    }
    EXPECT_EQ(file(), old_file);
    EXPECT_EQ(writer.leg_offset(), -1);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"dvk.tmp", "dvk.tmp.spare"}));

    ASSERT_TRUE(write(RecoveryWrite::Cell, 0, 3).ok);
    EXPECT_EQ(file(), complete_file(folder, game));
}

// The loader would refuse such a file, so the writer keeps the last one it could load.
TEST_F(RecoveryWriterTest, legWithRowsBelowItsRoundIsNotWritten) {
    ASSERT_TRUE(write(RecoveryWrite::Complete).ok);
    const std::string old_file = file();
    game.current_leg().rows = game.current_leg().round - 1;
    for (const RecoveryWrite mode :
         {RecoveryWrite::Cell, RecoveryWrite::Complete, RecoveryWrite::NewLeg}) {
        EXPECT_FALSE(write(mode, 1, 2).ok);
    }
    EXPECT_EQ(file(), old_file);
    EXPECT_TRUE(parse_recovery(file()).loaded());
}

TEST_F(RecoveryWriterTest, failedCellUpdateForcesACompleteWriteNext) {
    ASSERT_TRUE(write(RecoveryWrite::Complete).ok);
    game.current_leg().scores[1][2] = 60;
    {
        const test::FileSizeLimit full_disk(current_leg_offset);
        EXPECT_FALSE(write(RecoveryWrite::Cell, 1, 2).ok);
    }
    EXPECT_EQ(writer.leg_offset(), -1);
    ASSERT_TRUE(write(RecoveryWrite::Cell, 1, 2).ok);
    EXPECT_EQ(file(), complete_file(folder, game));
}

} // namespace
} // namespace dvk
