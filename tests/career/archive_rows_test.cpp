#include "career/archive_export.h"
#include "career/career_filter.h"
#include "career/career_rows.h"
#include "career/career_series.h"
#include "career/pending_legs.h"
#include "career/player_names.h"
#include "recorded_games.h"

#include <gtest/gtest.h>

namespace dvk::testing {
namespace {

std::vector<ArchivedLeg> sample_legs() {
    const RecordedScenario& scenario = recorded_scenarios()[2];
    RecordedMatch m(scenario.options, scenario.check_out_mode);
    scenario.play(m);
    return m.ports.legs;
}

TEST(PendingLegs, everyKindOfActionReadsBackUnchanged) {
    std::vector<PendingAction> actions;
    for (ArchivedLeg& leg : sample_legs()) {
        leg.game.seats[0].name = "Tab\there, back\\slash\nline";
        PendingAction write;
        write.leg = std::move(leg);
        actions.push_back(std::move(write));
    }
    PendingAction remove;
    remove.kind = PendingAction::Kind::RemoveLegsFrom;
    remove.game_id = 77;
    remove.leg_index = 2;
    actions.push_back(remove);
    PendingAction result;
    result.kind = PendingAction::Kind::GameResult;
    result.game_id = result.result.game_id = 77;
    result.result.legs_won = {2, 1};
    result.result.finished = true;
    actions.push_back(result);
    const std::optional<std::vector<PendingAction>> read =
        parse_pending(serialise_pending(actions));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, actions);
}

TEST(PendingLegs, aFileCutShortOrForeignIsNotRead) {
    PendingAction write;
    write.leg = sample_legs().front();
    const std::string text = serialise_pending({write});
    EXPECT_FALSE(parse_pending(text.substr(0, text.size() - 1)).has_value());
    EXPECT_FALSE(parse_pending(text.substr(0, text.size() / 2)).has_value());
    EXPECT_FALSE(parse_pending("hello\n").has_value());
    EXPECT_FALSE(parse_pending("").has_value());
    EXPECT_TRUE(parse_pending(serialise_pending({})).value().empty());
}

struct NameCase {
    const char* name;
    const char* from;
    const char* to;
    NameChangeKind kind;
};

class NameChanges : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameChanges, decideWhatARenameDoes) {
    const std::vector<std::string> players = {"Ann", "Bob", "COM (Lv.3)"};
    EXPECT_EQ(decide_name_change(players, GetParam().from, GetParam().to).kind, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Career, NameChanges,
    ::testing::Values(
        NameCase{"newName", "Ann", "Anna", NameChangeKind::Rename},
        NameCase{"existingName", "Ann", "Bob", NameChangeKind::Merge},
        NameCase{"intoComputer", "Ann", "COM (Lv.3)", NameChangeKind::Merge},
        NameCase{"sameName", "Ann", "Ann", NameChangeKind::Refused},
        NameCase{"emptyName", "Ann", "", NameChangeKind::Refused},
        NameCase{"unknownPlayer", "Zoe", "Anna", NameChangeKind::Refused},
        NameCase{"computerRenamed", "COM (Lv.3)", "Robot", NameChangeKind::Refused},
        NameCase{"humanAsComputer", "Ann", "COM (Lv.9)", NameChangeKind::Refused},
        NameCase{"humanAsAverageLevel", "Ann", "COM (Avg 60)", NameChangeKind::Refused},
        NameCase{"humanAsFittedPlayer", "Ann", "COM like Bob", NameChangeKind::Refused},
        NameCase{"tooLong", "Ann",
                 "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx",
                 NameChangeKind::Refused}),
    [](const auto& info) { return std::string(info.param.name); });

// Each kind of computer player is a player of its own, named as the screen names it.
TEST(CareerNames, computerPlayersAreArchivedByTheirKind) {
    PlayerBlock player;
    player.name = "Mira Kohl";
    player.com = 1;
    const std::vector<std::pair<std::int32_t, std::string>> kinds = {
        {4, "COM (Lv.5)"}, {1060, "COM (Avg 60)"}, {2123, "COM like Mira Kohl"}};
    for (const auto& [level, name] : kinds) {
        player.com_level = level;
        EXPECT_EQ(archived_name(player), name);
    }
    player.com = 0;
    EXPECT_EQ(archived_name(player), "Mira Kohl");
}

TEST(CareerFilter, archiveTimesReadBackAndAnEndOfDayIncludesTheDay) {
    const SystemTime t{2026, 12, 3, 9, 21, 5, 7, 42};
    EXPECT_EQ(archive_time_text(t), "2026-12-09 21:05:07.042");
    EXPECT_EQ(parse_archive_time(archive_time_text(t)), t);
    EXPECT_FALSE(parse_archive_time("2026-02-30 10:00:00.000").has_value());
    EXPECT_FALSE(parse_archive_time("2026-12-09 21:05:07").has_value());
    CareerFilter filter;
    filter.to = SystemTime{2026, 12, 0, 9, 0, 0, 0, 0};
    EXPECT_EQ(period_end_text(filter), "2026-12-09 23:59:59.999");
    EXPECT_EQ(period_start_text(filter), "");
}

TEST(CareerSeries, movingAverageTrailsOverTheWindow) {
    EXPECT_EQ(moving_average({3, 6, 9, 12}, 2), (std::vector<double>{3, 4.5, 7.5, 10.5}));
    EXPECT_TRUE(moving_average({1, 2}, 0).empty());
}

TEST(ArchiveExport, theFlatFileHasOneRowPerVisitWithItsThrower) {
    const std::vector<ArchivedLeg> legs = sample_legs();
    ExportGame game;
    game.game = legs.front().game;
    game.game.seats[0].name = "O'Brien, Pat";
    for (const ArchivedLeg& leg : legs) {
        game.legs.push_back({leg.leg, leg.visits});
    }
    const std::string rows = export_csv_rows(game);
    std::size_t visits = 0;
    for (const ArchivedLeg& leg : legs) {
        visits += leg.visits.size();
    }
    EXPECT_EQ(static_cast<std::size_t>(std::count(rows.begin(), rows.end(), '\n')), visits);
    const std::string id = std::to_string(game.game.id);
    EXPECT_EQ(rows.substr(0, rows.find("\r\n")),
              "2026-12-08 10:30:00," + id +
                  ",1,\"O'Brien, Pat\",COM (Lv.5),1,\"O'Brien, Pat\",20,81,3");
    EXPECT_NE(
        rows.find(",2," + std::string("\"O'Brien, Pat\",COM (Lv.5),2,COM (Lv.5),101,0,2\r\n")),
        std::string::npos);
}

TEST(ArchiveExport, jsonEscapesNamesAndMarksDrawnLegs) {
    std::vector<ArchivedLeg> legs = sample_legs();
    ExportGame game;
    game.game = legs.front().game;
    game.game.seats[0].name = "Quote \" and \\ and \x01";
    game.legs.push_back({legs.front().leg, legs.front().visits});
    const std::string json = export_json_begin() + export_json_game(game, true) +
                             export_json_game(game, false) + export_json_end();
    EXPECT_NE(json.find(R"("name":"Quote \" and \\ and \u0001")"), std::string::npos);
    EXPECT_NE(json.find(R"("winner":null)"), std::string::npos);
    EXPECT_NE(json.find("},\n{"), std::string::npos);
    EXPECT_TRUE(json.starts_with(R"({"format":"dvk-archive","version":1,"games":[)"));
}

} // namespace
} // namespace dvk::testing
