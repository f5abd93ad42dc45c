// A restart continues the game that was on the screen: a second match started from the file on
// disk holds the same game, field for field, as the match that wrote it.

#include "storage/recovery_file.h"
#include "storage/recovery_writer.h"
#include "support/match_harness.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

using testing::ScriptedPorts;

class RecordingPorts final : public ScriptedPorts {
public:
    RecordingPorts(const std::filesystem::path& path, const AppOptions& settings)
        : m_writer(path), m_settings(settings) {}

    void write_recovery(const GameRecord& game, RecoveryWrite mode, int player,
                        int round) override {
        ScriptedPorts::write_recovery(game, mode, player, round);
        const FileStatus status =
            m_writer.write(true, mode, {m_settings.game, m_settings.schedule, game}, player, round);
        EXPECT_TRUE(status.ok) << status.reason;
    }

private:
    RecoveryWriter m_writer;
    const AppOptions& m_settings;
};

struct Live {
    test::TempFolder folder;
    AppOptions settings;
    RecordingPorts ports{folder / "dvk.tmp", settings};
    Match match{settings, ports, ports, ports};

    Live() {
        ports.match = &match;
        match.sheet().set_rows_per_page(12);
    }
    void visits(std::initializer_list<int> points) {
        for (const int p : points) {
            testing::enter_visit(ports, match.sheet(), std::to_string(p));
        }
    }
};

// The program started again on the folder.
struct Restarted {
    AppOptions settings;
    ScriptedPorts ports;
    Match match{settings, ports, ports, ports};

    explicit Restarted(const std::filesystem::path& path) {
        ports.match = &match;
        match.sheet().set_rows_per_page(12);
        RecoveryLoad load = load_recovery(path, true);
        EXPECT_TRUE(load.loaded()) << load.reason;
        settings.game = load.options;
        if (load.schedule) {
            settings.schedule = *load.schedule;
        }
        if (load.loaded()) {
            match.continue_game(std::move(load.game));
        }
    }
};

std::string stored(const AppOptions& settings, const GameRecord& game) {
    return recovery_bytes({settings.game, settings.schedule, game});
}

// Expects the restarted program to hold and show the live game.
void expect_same_after_restart(Live& live) {
    const Restarted again(live.folder / "dvk.tmp");
    const GameRecord& a = live.match.game();
    const GameRecord& b = again.match.game();
    EXPECT_EQ(stored(live.settings, a), stored(again.settings, b)) << "every stored field";
    EXPECT_EQ(again.match.sheet().shown_leg(), live.match.sheet().shown_leg());
    EXPECT_EQ(again.match.sheet().shown_leg_finished(), live.match.sheet().shown_leg_finished());
    EXPECT_EQ(again.ports.modify_schedule_enabled, live.ports.modify_schedule_enabled);
}

GameOptions one_leg_schedule_entry(int start_score) {
    GameOptions options = testing::two_humans(start_score);
    options.leg_limit = 1;
    options.max_leg = 1;
    options.best_of = 1;
    options.schedule_entry = 1;
    return options;
}

TEST(RecoveryRestart, lastGameOfAScheduleComesBackFinished) {
    Live live;
    live.settings.schedule = {one_leg_schedule_entry(501), one_leg_schedule_entry(301)};
    ASSERT_TRUE(live.match.start_new_game(true));
    live.ports.checkout_darts = {3, 3};
    live.ports.game_shot_answers = {true, true};
    live.visits({180, 100, 180, 100, 141, 180, 60, 121});
    ASSERT_EQ(live.ports.final_results.size(), 1u);
    ASSERT_TRUE(live.match.sheet().shown_leg_finished());
    expect_same_after_restart(live);

    const Restarted again(live.folder / "dvk.tmp");
    EXPECT_EQ(again.match.history().count(), 1) << "the game on the screen is in the history";
    EXPECT_EQ(again.match.game().players[0].remaining, 0);
    EXPECT_EQ(again.match.game().players[1].remaining, 241);
    EXPECT_EQ(again.ports.computer_turns, 0);

    // No leg follows the end of the schedule.
    live.match.sheet().clear_scores();
    EXPECT_EQ(live.ports.beeps, 1);
    expect_same_after_restart(live);
}

TEST(RecoveryRestart, middleForDiddleWinInTheLastGameComesBackFinished) {
    Live live;
    GameOptions entry = one_leg_schedule_entry(501);
    entry.round_limit = 1;
    entry.round = 2;
    live.settings.schedule = {entry};
    ASSERT_TRUE(live.match.start_new_game(true));
    live.ports.diddle_winners = {1};
    live.ports.check_in_answers = {true};
    live.visits({60, 45, 100, 26});
    ASSERT_EQ(live.ports.final_results.size(), 1u);
    EXPECT_EQ(live.match.game().players[1].sets_won, 1);
    expect_same_after_restart(live);
}

TEST(RecoveryRestart, newScheduleWithoutEntriesLeavesTheGameInPlay) {
    Live live;
    live.settings.game = testing::two_humans(301);
    live.match.start_new_game(false);
    live.ports.checkout_darts = {3};
    live.ports.game_shot_answers = {true};
    live.visits({180, 0, 121, 60});
    live.settings.schedule.clear();
    EXPECT_FALSE(live.match.start_new_game(true));
    EXPECT_EQ(live.match.history().count(), 0);
    EXPECT_EQ(live.match.game().stored, 0);
    expect_same_after_restart(live);
}

// The visits change hands and each player keeps his own start score, so that the sheet, the
// scores left and the file agree.
TEST(RecoveryRestart, exchangedScoresOfAHandicapGame) {
    Live live;
    live.settings.game = testing::two_humans(501);
    live.settings.game.p1_start_score = 301;
    live.match.start_new_game(false);
    live.visits({100, 140, 100, 140});
    live.ports.yes_no_answers = {true};
    live.match.sheet().exchange_scores();
    const GameRecord& game = live.match.game();
    EXPECT_EQ(game.players[0].start_score, 301);
    EXPECT_EQ(game.players[0].remaining, 301 - 280);
    EXPECT_EQ(game.players[1].remaining, 501 - 200);
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(game.players[static_cast<std::size_t>(p)].remaining,
                  live.match.sheet().remaining_at({p, 2}));
    }
    expect_same_after_restart(live);

    // Player 2 throws first now; player 1 checks out what the exchange left him.
    live.ports.checkout_darts = {1};
    live.ports.game_shot_answers = {true};
    live.visits({0, 21});
    EXPECT_EQ(live.match.game().players[0].legs_won, 1);
}

TEST(RecoveryRestart, exchangeThatLeavesAPlayerBelowOnePointIsRefused) {
    Live live;
    live.settings.game = testing::two_humans(501);
    live.settings.game.p1_start_score = 301;
    live.match.start_new_game(false);
    live.visits({100, 180, 100, 180});
    const std::string before = stored(live.settings, live.match.game());
    live.match.sheet().exchange_scores();
    EXPECT_EQ(live.ports.beeps, 1);
    EXPECT_TRUE(live.ports.questions.empty());
    EXPECT_EQ(stored(live.settings, live.match.game()), before);
    expect_same_after_restart(live);
}

} // namespace
} // namespace dvk
