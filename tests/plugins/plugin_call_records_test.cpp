#include "plugins/records/plugin_call_records.h"
#include "support/match_harness.h"
#include "support/sample_games.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

using testing::MatchFixture;
using testing::two_humans;

// A match of 301 whose first leg player 1 has won, with its game record, history and sheet as
// the sources of a call.
struct PlayedMatch {
    MatchFixture f{two_humans(301)};
    AppOptions options;

    PlayedMatch() {
        f.ports.checkout_darts = {3};
        f.ports.game_shot_answers = {true};
        f.visits({180, 60, 121});
        options.schedule = test::sample_schedule();
    }

    PluginRecordSources sources() {
        PluginRecordSources s;
        s.game = &f.game();
        s.options = &options;
        s.history = &f.match.history();
        s.sheet = &f.sheet();
        s.list.columns = score_list_columns(680);
        s.list.header_height = 20;
        s.list.row_height = 30;
        s.list.template_height = 80;
        s.list.template_first_player = 1;
        return s;
    }
};

TEST(PluginCallRecords, aCallSeesOneCopyOfTheGameUntilTheProgramChangesIt) {
    PlayedMatch m;
    PluginCallRecords records(m.sources());
    dvk_game_record* first = records.game();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(records.game(), first);
    EXPECT_EQ(first->leg_index, m.f.game().leg_index);
    first->players[0].remaining = 1; // the plug-in's copy; the program's record is untouched
    EXPECT_NE(m.f.game().players[0].remaining, 1);

    m.f.type(100);
    records.records_changed();
    dvk_game_record* second = records.game();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->players[1].remaining, m.f.game().players[1].remaining);
    EXPECT_EQ(first->players[0].remaining, 1); // still there until the call ends
}

TEST(PluginCallRecords, theHistoryPointsAtTheCopyOfTheCurrentGame) {
    PlayedMatch m;
    GameRecord stored = test::third_leg_game();
    stored.darts_at_double = {};
    m.f.match.history().items = {stored, stored};
    PluginCallRecords records(m.sources());
    const dvk_history_list* history = records.history();
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->count, 2);
    EXPECT_EQ(history->current, records.game());
    EXPECT_EQ(history->items[1].leg_index, 2);
    EXPECT_EQ(history->items[1].legs[1].scores[1][3], -3);
    ASSERT_NE(records.source_of(&history->items[1]), nullptr);
    EXPECT_EQ(*records.source_of(&history->items[1]), m.f.match.history().items[1]);
}

TEST(PluginCallRecords, onlyRecordsHandedOutInTheCallLeadBackToAGame) {
    PlayedMatch m;
    PluginCallRecords records(m.sources());
    const dvk_game_record* game = records.game();
    const dvk_score_list_state* list = records.score_list();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->has_previous, 1);
    EXPECT_EQ(*records.source_of(game), m.f.game());
    EXPECT_EQ(*records.source_of(&list->previous), m.f.sheet().previous_copy()->game);
    dvk_game_record foreign{};
    EXPECT_EQ(records.source_of(&foreign), nullptr);
    EXPECT_EQ(records.source_of(nullptr), nullptr);
    EXPECT_EQ(records.source_of(reinterpret_cast<const char*>(game) + 4), nullptr);
}

TEST(PluginCallRecords, theScoreListShowsItsCellItsColumnsAndItsCopies) {
    PlayedMatch m;
    m.f.type(100);
    PluginCallRecords records(m.sources());
    const dvk_score_list_state* list = records.score_list();
    ASSERT_NE(list, nullptr);
    const InputCell cell = m.f.sheet().input_cell();
    EXPECT_EQ(list->input_player, cell.player);
    EXPECT_EQ(list->input_round, cell.round);
    EXPECT_EQ(list->shown_leg, 1);
    EXPECT_EQ(list->rows_per_page, 12);
    EXPECT_EQ(list->top, m.f.sheet().top());
    EXPECT_EQ(list->largest_top, m.f.sheet().largest_top());
    const ScoreListColumns columns = score_list_columns(680);
    EXPECT_EQ(list->p1_scored_left, columns.scored_left[0]);
    EXPECT_EQ(list->p2_scored_left, columns.scored_left[1]);
    EXPECT_EQ(list->p1_scored_right, columns.scored_right[0]);
    EXPECT_EQ(list->p2_scored_right, columns.scored_right[1]);
    EXPECT_EQ(list->p1_to_go_right, columns.to_go_right[0]);
    EXPECT_EQ(list->p2_to_go_right, 680);
    EXPECT_EQ(list->template_width, 680);
    EXPECT_EQ(list->template_height, 80);
    EXPECT_EQ(list->template_first_player, 1);
    EXPECT_EQ(list->header_height, 20);
    EXPECT_EQ(list->row_height, 30);
    EXPECT_EQ(list->game, records.game());
    EXPECT_EQ(list->edit, nullptr);
    EXPECT_EQ(list->previous.leg_index, 0);
    EXPECT_EQ(list->previous_shown_leg, m.f.sheet().previous_copy()->shown_leg);
    EXPECT_EQ(list->previous.legs[0].scores[0][0], 180);
    EXPECT_EQ(list->forward_pending, 0);
}

TEST(PluginCallRecords, theGameOptionsInUseFollowTheSchedule) {
    PlayedMatch m;
    m.options.game.start_score = 701;
    {
        PluginCallRecords records(m.sources());
        ASSERT_NE(records.game_options(), nullptr);
        EXPECT_EQ(records.game_options()->start_score, 701);
    }
    m.f.game().schedule_mode = 1;
    m.f.game().game_index = 1;
    {
        PluginCallRecords records(m.sources());
        ASSERT_NE(records.game_options(), nullptr);
        EXPECT_EQ(records.game_options()->start_score, 301);
        EXPECT_EQ(records.game_options()->p2_com_level, 7);
    }
    m.f.game().game_index = 2;
    PluginCallRecords records(m.sources());
    EXPECT_EQ(records.game_options(), nullptr);
}

TEST(PluginCallRecords, theEntryReadBackIsTheOneInTheGameHandedOver) {
    PlayedMatch m;
    PluginCallRecords records(m.sources());
    EXPECT_EQ(records.game_entry(0, 0, 0), std::nullopt); // nothing handed over yet
    dvk_game_record* game = records.game();
    game->legs[1].scores[0][0] = -2;
    EXPECT_EQ(records.game_entry(1, 0, 0), std::optional<std::int16_t>(-2));
}

TEST(PluginCallRecords, askingAgainAndAgainEndsInNull) {
    PlayedMatch m;
    PluginCallRecords records(m.sources());
    std::size_t answered = 0;
    for (std::size_t i = 0; i < 2 * PluginCallRecords::max_copies; ++i) {
        records.records_changed();
        answered += records.game() != nullptr ? 1 : 0;
    }
    EXPECT_EQ(answered, PluginCallRecords::max_copies);
    EXPECT_EQ(records.history(), nullptr);
}

TEST(PluginCallRecords, withoutRecordsEveryQueryIsNull) {
    PluginCallRecords records{PluginRecordSources{}};
    EXPECT_EQ(records.game(), nullptr);
    EXPECT_EQ(records.options(), nullptr);
    EXPECT_EQ(records.game_options(), nullptr);
    EXPECT_EQ(records.history(), nullptr);
    ASSERT_NE(records.score_list(), nullptr);
    EXPECT_EQ(records.score_list()->game, nullptr);
}

} // namespace
} // namespace dvk
