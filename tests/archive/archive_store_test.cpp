#include "archive/archive_schema.h"
#include "archive/archive_store.h"
#include "archive_backend.h"
#include "career/leg_counters.h"
#include "career/recorded_games.h"
#include "storage/csv_export.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <fstream>
#include <gtest/gtest.h>

namespace dvk::testing {
namespace {

// Every leg of every recorded scenario, as the match wrote them when they ended.
std::vector<ArchivedLeg> recorded_legs() {
    std::vector<ArchivedLeg> legs;
    for (const RecordedScenario& scenario : recorded_scenarios()) {
        RecordedMatch m(scenario.options, scenario.check_out_mode);
        scenario.play(m);
        // Each scenario's games get their own names, so players do not mix across them.
        for (ArchivedLeg leg : m.ports.legs) {
            for (SeatRow& seat : leg.game.seats) {
                if (!seat.computer) {
                    seat.name += " (" + scenario.name + ")";
                }
            }
            leg.game.identity += "\t" + scenario.name;
            leg.game.id = leg.leg.game_id = game_id_of(leg.game.identity);
            legs.push_back(std::move(leg));
        }
    }
    return legs;
}

// The career totals the rows themselves give, for one player name.
CareerTotals expected_totals(const std::vector<ArchivedLeg>& legs, const std::string& name) {
    CareerTotals totals;
    std::map<std::int64_t, std::array<int, 2>> games; // legs won by the player and against
    for (const ArchivedLeg& leg : legs) {
        for (int seat = 0; seat < 2; ++seat) {
            if (leg.game.seats[static_cast<std::size_t>(seat)].name != name) {
                continue;
            }
            totals.add_leg(leg.leg.counters[static_cast<std::size_t>(seat)],
                           leg.leg.winner == seat);
            auto& g = games[leg.game.id];
            g[0] += leg.leg.winner == seat ? 1 : 0;
            g[1] += leg.leg.winner == 1 - seat ? 1 : 0;
        }
    }
    totals.games = static_cast<std::int64_t>(games.size());
    for (const auto& [id, won] : games) {
        totals.games_won += won[0] > won[1] ? 1 : 0;
    }
    return totals;
}

std::int64_t legs_in(const ArchiveLocation& location) {
    ArchiveStore store(location);
    std::int64_t legs = 0;
    for (const ExportGame& g : store.export_games({})) {
        legs += static_cast<std::int64_t>(g.legs.size());
    }
    return legs;
}

class ArchiveStoreTest : public ::testing::Test {
protected:
    ArchiveBackend m_backend;
};

TEST_F(ArchiveStoreTest, aLegWrittenThreeTimesIsOneLeg) {
    const ArchiveLocation location = m_backend.fresh();
    ArchiveStore store(location);
    ASSERT_TRUE(store.is_open()) << store.error().text;
    EXPECT_EQ(store.schema_version(), archive_schema_version);
    const std::vector<ArchivedLeg> legs = recorded_legs();
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(store.write_leg(legs.front())) << store.error().text;
    }
    const std::vector<ExportGame> games = store.export_games({});
    ASSERT_EQ(games.size(), 1U);
    ASSERT_EQ(games[0].legs.size(), 1U);
    EXPECT_EQ(games[0].legs[0].visits, legs.front().visits);
    EXPECT_EQ(games[0].legs[0].leg, legs.front().leg);
    EXPECT_EQ(games[0].game, legs.front().game);
}

TEST_F(ArchiveStoreTest, careerFiguresFromTheArchiveAreThoseOfItsRows) {
    ArchiveStore store(m_backend.fresh());
    const std::vector<ArchivedLeg> legs = recorded_legs();
    for (const ArchivedLeg& leg : legs) {
        ASSERT_TRUE(store.write_leg(leg)) << store.error().text;
    }
    const std::vector<PlayerSummary> players = store.players();
    ASSERT_GE(players.size(), 12U);
    for (const PlayerSummary& player : players) {
        const CareerTotals expected = expected_totals(legs, player.name);
        EXPECT_EQ(store.career_totals(player.name, {}), expected) << player.name;
        EXPECT_EQ(store.career(player.name, {}), career_figures(expected)) << player.name;
        EXPECT_EQ(player.legs, expected.legs);
    }
    const auto computer = std::find_if(players.begin(), players.end(),
                                       [](const PlayerSummary& p) { return p.computer; });
    ASSERT_NE(computer, players.end());
    EXPECT_EQ(computer->name, "COM (Lv.5)");
    EXPECT_EQ(computer->com_level, 4);
}

TEST_F(ArchiveStoreTest, previousLegTakesLegsOutAndTheLastLegTheGame) {
    ArchiveStore store(m_backend.fresh());
    const std::vector<ArchivedLeg> legs = recorded_legs();
    const std::int64_t id = legs.front().game.id;
    for (const ArchivedLeg& leg : legs) {
        if (leg.game.id == id) {
            ASSERT_TRUE(store.write_leg(leg));
        }
    }
    ASSERT_TRUE(store.write_game_result({id, {2, 1}, true}));
    ASSERT_TRUE(store.remove_legs_from(id, 2));
    std::vector<ExportGame> games = store.export_games({});
    ASSERT_EQ(games.size(), 1U);
    EXPECT_EQ(games[0].legs.size(), 2U);
    EXPECT_FALSE(games[0].result.finished);
    const std::string ann = legs.front().game.seats[0].name;
    EXPECT_EQ(store.career_totals(ann, {}).legs, 2);
    ASSERT_TRUE(store.remove_legs_from(id, 0));
    EXPECT_TRUE(store.export_games({}).empty());
    EXPECT_TRUE(store.players().empty());
}

TEST_F(ArchiveStoreTest, renameAndMergeMoveEveryGameAndLaterOnes) {
    ArchiveStore store(m_backend.fresh());
    const std::vector<ArchivedLeg> legs = recorded_legs();
    for (const ArchivedLeg& leg : legs) {
        ASSERT_TRUE(store.write_leg(leg));
    }
    const std::string ann = "Ann (handicap)";
    const std::string bob = "Bob (handicap)";
    const CareerTotals ann_before = store.career_totals(ann, {});
    const CareerTotals bob_before = store.career_totals(bob, {});
    ASSERT_GT(ann_before.legs, 0);
    ASSERT_TRUE(store.rename_player(ann, "Anna")) << store.error().text;
    EXPECT_EQ(store.career_totals("Anna", {}), ann_before);
    EXPECT_EQ(store.career_totals(ann, {}).legs, 0);
    EXPECT_FALSE(store.rename_player("Anna", "")) << "an empty name is refused";
    ASSERT_TRUE(store.merge_players(bob, "Anna")) << store.error().text;
    const CareerTotals merged = store.career_totals("Anna", {});
    EXPECT_EQ(merged.legs, ann_before.legs + bob_before.legs);
    // A game entered later under the old name counts for the renamed player.
    ArchivedLeg later = legs.front();
    later.game.seats[0].name = ann;
    later.game.identity += "\tlater";
    later.game.id = later.leg.game_id = game_id_of(later.game.identity);
    ASSERT_TRUE(store.write_leg(later));
    EXPECT_EQ(store.career_totals("Anna", {}).legs, merged.legs + 1);
    const std::vector<PlayerSummary> players = store.players();
    const auto anna = std::find_if(players.begin(), players.end(),
                                   [](const PlayerSummary& p) { return p.name == "Anna"; });
    ASSERT_NE(anna, players.end());
    EXPECT_EQ(anna->entered_names.size(), 3U);
}

TEST_F(ArchiveStoreTest, filtersChooseGamesByOpponentScorePeriodAndKind) {
    ArchiveStore store(m_backend.fresh());
    std::vector<ArchivedLeg> legs = recorded_legs();
    for (ArchivedLeg& leg : legs) {
        // One player across every scenario, each scenario a month apart.
        leg.game.seats[0].name = "Ann";
        leg.game.started.month = static_cast<std::uint16_t>(1 + leg.game.id % 12);
        ASSERT_TRUE(store.write_leg(leg));
    }
    const auto legs_where = [&](auto keep) {
        std::int64_t n = 0;
        for (const ArchivedLeg& leg : legs) {
            n += keep(leg) ? 1 : 0;
        }
        return n;
    };
    EXPECT_EQ(store.career_totals("Ann", {}).legs, static_cast<std::int64_t>(legs.size()));
    CareerFilter computer;
    computer.opponent_kind = OpponentKind::Computer;
    EXPECT_EQ(store.career_totals("Ann", computer).legs,
              legs_where([](const ArchivedLeg& l) { return l.game.seats[1].computer; }));
    CareerFilter human;
    human.opponent_kind = OpponentKind::Human;
    EXPECT_EQ(store.career_totals("Ann", human).legs,
              legs_where([](const ArchivedLeg& l) { return !l.game.seats[1].computer; }));
    CareerFilter score;
    score.start_score = 301;
    EXPECT_EQ(store.career_totals("Ann", score).legs,
              legs_where([](const ArchivedLeg& l) { return l.game.start_score == 301; }));
    CareerFilter opponent;
    opponent.opponent = "COM (Lv.5)";
    EXPECT_EQ(store.career_totals("Ann", opponent), store.career_totals("Ann", computer));
    CareerFilter period;
    period.from = SystemTime{2026, 3, 0, 1, 0, 0, 0, 0};
    period.to = SystemTime{2026, 5, 0, 31, 0, 0, 0, 0};
    EXPECT_EQ(store.career_totals("Ann", period).legs, legs_where([](const ArchivedLeg& l) {
                  return l.game.started.month >= 3 && l.game.started.month <= 5;
              }));
    const std::vector<HeadToHeadRow> rows = store.head_to_head("Ann", {});
    std::int64_t h2h_legs = 0;
    for (const HeadToHeadRow& row : rows) {
        h2h_legs += row.legs;
        EXPECT_EQ(row.legs_won, store
                                    .career_totals("Ann",
                                                   [&] {
                                                       CareerFilter f;
                                                       f.opponent = row.opponent;
                                                       return f;
                                                   }())
                                    .legs_won);
    }
    EXPECT_EQ(h2h_legs, static_cast<std::int64_t>(legs.size()));
}

TEST_F(ArchiveStoreTest, chartSeriesAddUpToTheCareer) {
    ArchiveStore store(m_backend.fresh());
    std::vector<ArchivedLeg> legs = recorded_legs();
    std::int64_t ann_visits = 0;
    for (ArchivedLeg& leg : legs) {
        leg.game.seats[0].name = "Ann";
        ASSERT_TRUE(store.write_leg(leg));
        ann_visits += std::count_if(leg.visits.begin(), leg.visits.end(),
                                    [](const VisitRow& v) { return v.player == 0; });
    }
    const CareerTotals totals = store.career_totals("Ann", {});
    const std::vector<GamePoint> games = store.game_series("Ann", {});
    EXPECT_EQ(static_cast<std::int64_t>(games.size()), totals.games);
    EXPECT_TRUE(std::is_sorted(games.begin(), games.end(), [](const auto& a, const auto& b) {
        return archive_time_text(a.started) < archive_time_text(b.started);
    }));
    std::int64_t visits = 0;
    for (const ScoreCount& c : store.visit_scores("Ann", {})) {
        EXPECT_GE(c.score, 0);
        EXPECT_LE(c.score, 180);
        visits += c.visits;
    }
    EXPECT_EQ(visits, ann_visits);
    std::int64_t won = 0;
    for (const DartsCount& c : store.legs_won_by_darts("Ann", {})) {
        won += c.legs;
    }
    EXPECT_EQ(won, totals[&StatisticsCounters::won_legs]);
    std::int64_t successes = 0;
    for (const CheckOutPeriod& p : store.check_outs_by_month("Ann", {})) {
        successes += p.ranges[0].successes + p.ranges[1].successes + p.ranges[2].successes;
    }
    EXPECT_EQ(successes, totals[&StatisticsCounters::success_2_80] +
                             totals[&StatisticsCounters::success_81_130] +
                             totals[&StatisticsCounters::success_131]);
}

TEST_F(ArchiveStoreTest, exportWritesOneRowPerVisitAndJson) {
    ArchiveStore store(m_backend.fresh());
    const std::vector<ArchivedLeg> legs = recorded_legs();
    std::size_t visits = 0;
    for (const ArchivedLeg& leg : legs) {
        ASSERT_TRUE(store.write_leg(leg));
        visits += leg.visits.size();
    }
    const std::filesystem::path csv = m_backend.file("export.csv");
    const std::filesystem::path json = m_backend.file("export.json");
    ASSERT_TRUE(store.export_csv(csv, {})) << store.error().text;
    ASSERT_TRUE(store.export_json(json, "COM (Lv.5)")) << store.error().text;
    std::ifstream in(csv);
    std::string line;
    std::size_t lines = 0;
    std::getline(in, line);
    EXPECT_EQ(line, "date,game,leg,player1,player2,round,thrower,score,left,darts\r");
    while (std::getline(in, line)) {
        ++lines;
    }
    EXPECT_EQ(lines, visits);
    std::ifstream j(json);
    const std::string text((std::istreambuf_iterator<char>(j)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\"COM (Lv.5)\""), std::string::npos);
    EXPECT_EQ(text.find("(handicap)"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << "one game of that player";
}

TEST_F(ArchiveStoreTest, aFolderImportedTwiceIsOneGameEachAndForeignFilesAreNamed) {
    ArchiveStore store(m_backend.fresh());
    const std::filesystem::path folder = m_backend.file("data");
    std::filesystem::create_directories(folder);
    CsvLocale locale;
    locale.date = [](const SystemTime& t) { return archive_time_text(t).substr(0, 10); };
    locale.time = [](const SystemTime& t) { return archive_time_text(t).substr(11, 8); };
    int files = 0;
    for (const RecordedScenario& scenario : recorded_scenarios()) {
        RecordedMatch m(scenario.options, scenario.check_out_mode);
        scenario.play(m);
        for (GameRecord game : m.games()) {
            game.started.minute = static_cast<std::uint16_t>(files);
            std::ofstream(folder / ("game" + std::to_string(files++) + ".csv"), std::ios::binary)
                << compose_game_csv(game, locale);
        }
    }
    std::ofstream(folder / "notes.csv") << "shopping,list\r\n";
    const StartedParser parse = [](std::string_view text) {
        return parse_archive_time(std::string(text) + ".000");
    };
    std::vector<int> progress;
    const ImportReport first = store.import_csv_files(csv_files_in(folder), {CsvLabels{}}, parse,
                                                      [&](int done, int total) {
                                                          progress.push_back(done);
                                                          EXPECT_EQ(total, files + 1);
                                                          return true;
                                                      });
    EXPECT_EQ(first.imported, files);
    EXPECT_EQ(first.already, 0);
    ASSERT_EQ(first.refused.size(), 1U);
    EXPECT_NE(first.refused[0].find("notes.csv:1:"), std::string::npos) << first.refused[0];
    EXPECT_EQ(progress.size(), static_cast<std::size_t>(files + 1));
    const ImportReport second =
        store.import_csv_files(csv_files_in(folder), {CsvLabels{}}, parse, {});
    EXPECT_EQ(second.imported, 0);
    EXPECT_EQ(second.already, files);
    EXPECT_EQ(static_cast<int>(store.export_games({}).size()), files);
}

TEST_F(ArchiveStoreTest, anArchiveOfVersionOneIsUpgradedWithItsPlayers) {
    const ArchiveLocation location = m_backend.fresh();
    const std::vector<ArchivedLeg> legs = recorded_legs();
    {
        // A leg written by the store, then the archive taken back to version 1, which had
        // neither players nor the sums of games.
        ArchiveStore store(location);
        ASSERT_TRUE(store.is_open()) << store.error().text;
        ASSERT_TRUE(store.write_leg(legs.front()));
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(location.kind == ArchiveLocation::Kind::Sqlite
                                                        ? QStringLiteral("QSQLITE")
                                                        : QStringLiteral("QPSQL"),
                                                    QStringLiteral("downgrade"));
        db.setDatabaseName(location.kind == ArchiveLocation::Kind::Sqlite
                               ? QString::fromStdString(location.file.string())
                               : QString::fromStdString(location.database));
        db.setHostName(QString::fromStdString(location.host));
        db.setUserName(QString::fromStdString(location.user));
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(QStringLiteral("DROP TABLE player_names")));
        ASSERT_TRUE(query.exec(QStringLiteral("DROP TABLE game_players")));
        ASSERT_TRUE(query.exec(QStringLiteral("UPDATE schema_version SET version = 1")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("downgrade"));
    ArchiveStore store(location);
    ASSERT_TRUE(store.is_open()) << store.error().text;
    EXPECT_EQ(store.schema_version(), archive_schema_version);
    const std::string ann = legs.front().game.seats[0].name;
    EXPECT_EQ(store.career_totals(ann, {}).legs, 1);
    EXPECT_EQ(store.career_totals(ann, {}).games, 1);
    EXPECT_EQ(store.players().size(), 2U);
}

TEST_F(ArchiveStoreTest, twoProgramsWritingAtOnceLoseAndRepeatNothing) {
    const ArchiveLocation location = m_backend.fresh();
    const std::string target = location.kind == ArchiveLocation::Kind::Sqlite
                                   ? location.file.string()
                                   : "postgresql://" + location.user + "@localhost/" +
                                         location.database + "?host=" + location.host;
    {
        ArchiveStore create(location);
        ASSERT_TRUE(create.is_open()) << create.error().text;
    }
    ASSERT_FALSE(qEnvironmentVariable("DVK_SIM").isEmpty()) << "the runner script names dvk-sim";
    std::array<QProcess, 2> boards;
    for (std::size_t i = 0; i < boards.size(); ++i) {
        boards[i].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        boards[i].start(qEnvironmentVariable("DVK_SIM"),
                        {QStringLiteral("--archive"), QString::fromStdString(target),
                         QStringLiteral("--legs"), QStringLiteral("200"), QStringLiteral("--seed"),
                         QString::number(i + 1)});
    }
    for (QProcess& board : boards) {
        ASSERT_TRUE(board.waitForFinished(60000));
        EXPECT_EQ(board.exitCode(), 0) << board.readAllStandardOutput().toStdString();
    }
    EXPECT_EQ(legs_in(location), 400);
}

} // namespace
} // namespace dvk::testing
