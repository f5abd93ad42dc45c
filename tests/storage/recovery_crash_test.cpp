// The recovery file as a kill leaves it: every kind of update is cut after each of its writes,
// and the file must then load as the game before the update or the game after it, never as
// another one. And the file keeps up with the game when the folder has no room for a new file.

#include "storage/recovery_file.h"
#include "storage/recovery_writer.h"
#include "support/file_size_limit.h"
#include "support/match_harness.h"
#include "support/sample_games.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace dvk {
namespace {

using testing::ScriptedPorts;

// The file system, except that it lets only the first `allowed` writes through and drops the
// rest, as a kill would; and it can refuse every replace and reservation, as a full disk does.
class CutDisk final : public RecoveryDisk {
public:
    std::optional<int> allowed;
    bool dropped = false;
    bool replace_fails = false;

    FileContents read(const std::filesystem::path& path) override { return m_files.read(path); }
    std::optional<std::uint64_t> size(const std::filesystem::path& path) override {
        return m_files.size(path);
    }
    FileStatus replace(const std::filesystem::path& path, std::string_view bytes) override {
        if (replace_fails) {
            return FileStatus::failure("No space left on device");
        }
        return next_write_allowed() ? m_files.replace(path, bytes) : FileStatus::success();
    }
    FileStatus patch(const std::filesystem::path& path,
                     std::span<const FilePatch> patches) override {
        for (const FilePatch& patch : patches) {
            if (next_write_allowed()) {
                if (FileStatus status = m_files.patch(path, {&patch, 1}); !status) {
                    return status;
                }
            }
        }
        return FileStatus::success();
    }
    FileStatus reserve(const std::filesystem::path& path, std::uint64_t size) override {
        if (replace_fails) {
            return FileStatus::failure("No space left on device");
        }
        return m_files.reserve(path, size);
    }
    FileStatus rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return next_write_allowed() ? m_files.rename(from, to) : FileStatus::success();
    }

private:
    bool next_write_allowed() {
        if (allowed && *allowed <= 0) {
            dropped = true;
            return false;
        }
        if (allowed) {
            --*allowed;
        }
        return true;
    }

    FileRecoveryDisk m_files;
};

// A match whose recovery writes go through a real writer on `disk`.
class WritingPorts final : public ScriptedPorts {
public:
    WritingPorts(const std::filesystem::path& path, RecoveryDisk& disk, const AppOptions& settings)
        : m_writer(path, disk), m_settings(settings) {}

    void write_recovery(const GameRecord& game, RecoveryWrite mode, int player,
                        int round) override {
        ScriptedPorts::write_recovery(game, mode, player, round);
        statuses.push_back(m_writer.write(true, mode, {m_settings.game, m_settings.schedule, game},
                                          player, round));
    }

    std::vector<FileStatus> statuses;

private:
    RecoveryWriter m_writer;
    const AppOptions& m_settings;
};

// What a restarted program shows of a game: the turn state and rows of every leg, the visits
// that count with their darts at a double, and who won.
std::string shown_game(const GameRecord& game) {
    std::ostringstream out;
    out << "leg " << game.leg_index;
    for (std::size_t l = 0; l < game.legs.size(); ++l) {
        const LegRecord& leg = game.legs[l];
        const bool current = l + 1 == game.legs.size();
        out << " | " << leg.first_player << leg.next_player << " r" << leg.round << " rows"
            << leg.rows << " f" << leg.finished << " w" << leg.winner << ":";
        for (int p = 0; p < 2; ++p) {
            for (std::int32_t r = 0; r <= leg.round; ++r) {
                if (visit_entered(leg, p, r)) {
                    out << " " << p << "/" << r << "=" << leg.score(p, r);
                    if (current) {
                        out << "d" << int{game.double_darts(p, r)};
                    }
                }
            }
        }
    }
    return out.str();
}

std::string shown_file(const std::filesystem::path& path) {
    const RecoveryLoad load = load_recovery(path, true);
    return load.loaded() ? shown_game(load.game) : "refused: " + load.reason;
}

struct Update {
    const char* name;
    int start_score;
    bool check_out_mode;
    std::function<void(testing::ScriptedPorts&, Match&, std::function<void(int)>)> before;
    std::function<void(testing::ScriptedPorts&, Match&, std::function<void(int)>)> update;
};

void type_visits(std::function<void(int)> type, std::initializer_list<int> visits) {
    for (const int points : visits) {
        type(points);
    }
}

const Update updates[] = {
    {"firstThrowersVisit", 501, false,
     [](ScriptedPorts&, Match&, auto type) {
         type_visits(type, {60, 45});
     },
     [](ScriptedPorts&, Match&, auto type) { type(100); }},
    {"secondThrowersVisitOpensARound", 501, false,
     [](ScriptedPorts&, Match&, auto type) {
         type_visits(type, {60, 45, 100});
     },
     [](ScriptedPorts&, Match&, auto type) { type(26); }},
    {"visitThatGrowsTheLeg", 501, false,
     [](ScriptedPorts&, Match&, auto type) {
         for (int i = 0; i < 19; ++i) {
             type(i % 2 == 0 ? 20 : 1);
         }
     },
     [](ScriptedPorts&, Match&, auto type) { type(5); }},
    {"visitWithDartsAtADouble", 501, true,
     [](ScriptedPorts& ports, Match&, auto type) {
         ports.double_darts = {0, 0};
         type_visits(type, {180, 180});
         ports.double_darts = {2};
     },
     [](ScriptedPorts&, Match&, auto type) { type(101); }},
    {"correctedVisitWithOtherDarts", 121, true,
     [](ScriptedPorts& ports, Match& match, auto type) {
         ports.double_darts = {0, 1};
         type_visits(type, {81, 20, 20});
         match.sheet().move_up();
         match.sheet().left_edge();
         ports.double_darts = {1};
     },
     [](ScriptedPorts&, Match&, auto type) { type(80); }},
    {"gameShotStartsTheNextLeg", 501, false,
     [](ScriptedPorts& ports, Match&, auto type) {
         type_visits(type, {180, 180, 180, 180});
         ports.checkout_darts = {3};
         ports.game_shot_answers = {true};
     },
     [](ScriptedPorts&, Match&, auto type) { type(141); }},
    {"clearScoresInALaterLeg", 501, false,
     [](ScriptedPorts& ports, Match&, auto type) {
         ports.checkout_darts = {3};
         ports.game_shot_answers = {true};
         type_visits(type, {180, 180, 180, 180, 141, 60, 45, 100});
         ports.yes_no_answers = {true};
     },
     [](ScriptedPorts&, Match& match, auto) { match.sheet().clear_scores(); }},
    {"newGame", 501, false,
     [](ScriptedPorts&, Match&, auto type) {
         type_visits(type, {60, 45, 100});
     },
     [](ScriptedPorts&, Match& match, auto) { match.start_new_game(false); }},
};

// Plays `update` from a fresh match with the disk cut after `allowed` writes of the update
// itself, and reports what the file shows, what the game showed before and after, and whether
// the cut dropped a write.
struct CutResult {
    std::string before, after, file;
    bool dropped = false;
    bool write_failed = false;
};

CutResult play_with_cut(const Update& update, std::optional<int> allowed, bool full_disk) {
    const test::TempFolder folder;
    CutDisk disk;
    AppOptions settings;
    settings.game = testing::two_humans(update.start_score);
    settings.check_out_mode = update.check_out_mode ? 1 : 0;
    WritingPorts ports(folder / "dvk.tmp", disk, settings);
    Match match(settings, ports, ports, ports);
    ports.match = &match;
    match.sheet().set_rows_per_page(12);
    match.start_new_game(false);
    const auto type = [&](int points) {
        ports.text = std::to_string(points);
        ports.modified = true;
        match.sheet().next_cell();
    };
    update.before(ports, match, type);
    CutResult result;
    result.before = shown_game(match.game());
    EXPECT_EQ(shown_file(folder / "dvk.tmp"), result.before) << "before " << update.name;
    disk.allowed = allowed;
    disk.replace_fails = full_disk;
    const std::size_t writes_before = ports.statuses.size();
    update.update(ports, match, type);
    EXPECT_GT(ports.statuses.size(), writes_before) << update.name << " writes the file";
    for (std::size_t i = writes_before; i < ports.statuses.size(); ++i) {
        result.write_failed = result.write_failed || !ports.statuses[i].ok;
    }
    result.after = shown_game(match.game());
    result.file = shown_file(folder / "dvk.tmp");
    result.dropped = disk.dropped;
    return result;
}

class RecoveryCutPoints : public ::testing::TestWithParam<Update> {};

TEST_P(RecoveryCutPoints, everyCutLeavesTheGameBeforeOrAfter) {
    int cuts = 0;
    for (const bool full_disk : {false, true}) {
        for (int allowed = 0;; ++allowed) {
            const CutResult cut = play_with_cut(GetParam(), allowed, full_disk);
            ASSERT_NE(cut.before, cut.after) << "the update changes the game";
            EXPECT_TRUE(cut.file == cut.before || cut.file == cut.after)
                << "cut after " << allowed << " writes" << (full_disk ? " on a full disk" : "")
                << "\n file:   " << cut.file << "\n before: " << cut.before
                << "\n after:  " << cut.after;
            if (!cut.dropped) {
                // The spare file taken while there was room lets a full disk take every update.
                EXPECT_EQ(cut.file, cut.after)
                    << "all writes done" << (full_disk ? " on a full disk" : "");
                EXPECT_FALSE(cut.write_failed);
                break;
            }
            ++cuts;
        }
    }
    RecordProperty("cut_points", cuts);
}

INSTANTIATE_TEST_SUITE_P(RecoveryWriter, RecoveryCutPoints, ::testing::ValuesIn(updates),
                         [](const auto& info) { return std::string(info.param.name); });

// A game continued after a restart on a disk without room for a new file: the first write of
// the session cannot replace the file, yet the visits still reach it.
TEST(RecoveryWriter, fullDiskStillTakesTheVisitsInPlace) {
    const test::TempFolder folder;
    const std::filesystem::path path = folder / "dvk.tmp";
    GameRecord game = test::third_leg_game();
    {
        RecoveryWriter first_session(path);
        ASSERT_TRUE(first_session.write(true, RecoveryWrite::Complete, {{}, {}, game}).ok);
    }
    const std::size_t size = std::filesystem::file_size(path);
    RecoveryWriter writer(path);
    LegRecord& leg = game.current_leg();
    const test::FileSizeLimit full_disk(size - 1);
    for (const auto& [player, round, points] :
         {std::tuple{1, 2, 60}, std::tuple{0, 3, 100}, std::tuple{1, 3, 140}}) {
        leg.scores[static_cast<std::size_t>(player)][static_cast<std::size_t>(round)] =
            static_cast<std::int16_t>(points);
        leg.next_player = other_player(player);
        leg.round = player == 1 ? round + 1 : round;
        leg.rows = std::max(leg.rows, leg.round + 1);
        const FileStatus status =
            writer.write(true, RecoveryWrite::Cell, {{}, {}, game}, player, round);
        EXPECT_TRUE(status.ok) << status.reason;
    }
    const RecoveryLoad loaded = load_recovery(path, true);
    ASSERT_TRUE(loaded.loaded()) << loaded.reason;
    EXPECT_EQ(shown_game(loaded.game), shown_game(game));
    EXPECT_EQ(std::filesystem::file_size(path), size);
}

TEST(RecoveryWriter, clearedScoresOfALaterLegLoadAsThatLegEmpty) {
    const test::TempFolder folder;
    FileRecoveryDisk disk;
    AppOptions settings;
    settings.game = testing::two_humans(301);
    WritingPorts ports(folder / "dvk.tmp", disk, settings);
    Match match(settings, ports, ports, ports);
    ports.match = &match;
    match.start_new_game(false);
    ports.checkout_darts = {3};
    ports.game_shot_answers = {true};
    for (const int points : {180, 100, 121, 60, 45}) {
        ports.text = std::to_string(points);
        ports.modified = true;
        match.sheet().next_cell();
    }
    ports.yes_no_answers = {true};
    match.sheet().clear_scores();
    const RecoveryLoad loaded = load_recovery(folder / "dvk.tmp", true);
    ASSERT_TRUE(loaded.loaded()) << loaded.reason;
    EXPECT_EQ(shown_game(loaded.game), shown_game(match.game()));
    EXPECT_EQ(loaded.game.leg_index, 1);
    EXPECT_EQ(loaded.game.legs.at(0).score(0, 1), -3);
}

} // namespace
} // namespace dvk
