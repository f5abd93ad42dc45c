#include "career/career_figures.h"
#include "career/csv_import.h"
#include "career/leg_counters.h"
#include "recorded_games.h"
#include "storage/csv_export.h"

#include <gtest/gtest.h>

namespace dvk::testing {
namespace {

CsvLabels japanese() {
    CsvLabels l;
    l.totals = "合計";
    l.sets = "セット";
    l.legs = l.legs_played = "レッグ";
    l.tons = "トン";
    l.count_180 = "180";
    l.high_out = "ハイアウト";
    l.best = "ベスト";
    l.worst = "ワースト";
    l.averages = "平均";
    l.average_darts = l.total_darts = l.leg_darts = "ダーツ";
    l.average_score = l.total_score = "スコア";
    l.average_first9 = "ファースト9";
    l.check_out_rate = l.check_outs = "チェックアウト";
    l.keep_rate = "キープ";
    l.break_rate = "ブレイク";
    l.finish_stats = "フィニッシュ統計";
    l.success_2_80 = "2-80 成功";
    l.failure_2_80 = "2-80 失敗";
    l.success_81_130 = "81-130 成功";
    l.failure_81_130 = "81-130 失敗";
    l.success_131 = "131+ 成功";
    l.failure_131 = "131+ 失敗";
    l.counts = "回数";
    l.darts_won = "勝ちダーツ数";
    l.first9_score = "ファースト9 スコア";
    l.first9_darts = "ファースト9 ダーツ数";
    l.double_darts = "ダブル";
    l.keep_won = "キープ成功";
    l.keep_all = "キープ全体";
    l.break_won = "ブレイク成功";
    l.break_all = "ブレイク全体";
    l.round = "ラウンド";
    l.scored = "得点";
    l.to_go = "残り";
    return l;
}

CsvLocale locale_of(const CsvLabels& labels) {
    CsvLocale locale;
    locale.labels = labels;
    locale.date = [](const SystemTime& t) {
        return std::to_string(t.month) + "/" + std::to_string(t.day) + "/" + std::to_string(t.year);
    };
    locale.time = [](const SystemTime& t) {
        return std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" +
               std::to_string(t.second);
    };
    return locale;
}

std::optional<SystemTime> month_day_year(std::string_view text) {
    SystemTime t;
    int month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0;
    if (std::sscanf(std::string(text).c_str(), "%d/%d/%d %d:%d:%d", &month, &day, &year, &hour,
                    &minute, &second) != 6) {
        return std::nullopt;
    }
    t.year = static_cast<std::uint16_t>(year);
    t.month = static_cast<std::uint16_t>(month);
    t.day = static_cast<std::uint16_t>(day);
    t.hour = static_cast<std::uint16_t>(hour);
    t.minute = static_cast<std::uint16_t>(minute);
    t.second = static_cast<std::uint16_t>(second);
    return t;
}

const std::vector<CsvLabels> both = {CsvLabels{}, japanese()};

class ImportRecorded : public ::testing::TestWithParam<RecordedScenario> {};

// Every game the program writes reads back into legs whose sums are the file's totals, in
// either language.
TEST_P(ImportRecorded, aWrittenGameReadsBackWithItsTotals) {
    RecordedMatch m(GetParam().options, GetParam().check_out_mode);
    GetParam().play(m);
    for (const CsvLabels& labels : both) {
        for (const GameRecord& game : m.games()) {
            const CsvImportResult read =
                parse_game_csv(compose_game_csv(game, locale_of(labels)), both, month_day_year);
            ASSERT_TRUE(read) << read.line << ": " << read.reason << "\n"
                              << compose_game_csv(game, locale_of(labels));
            ASSERT_EQ(read.game->legs.size(), static_cast<std::size_t>(game.leg_index));
            for (int p = 0; p < 2; ++p) {
                StatisticsCounters sum;
                for (const ArchivedLeg& leg : read.game->legs) {
                    fold_counters(sum, leg.leg.counters[static_cast<std::size_t>(p)]);
                }
                StatisticsCounters expected = game.players[static_cast<std::size_t>(p)].game;
                expected.reserved = 0;
                EXPECT_EQ(sum.to_array(), expected.to_array());
                EXPECT_EQ(read.game->result.legs_won[static_cast<std::size_t>(p)],
                          game.players[static_cast<std::size_t>(p)].legs_won);
            }
            const std::vector<ArchivedLeg> played = finished_leg_rows(game);
            for (std::size_t i = 0; i < played.size(); ++i) {
                EXPECT_EQ(read.game->legs[i].visits, played[i].visits) << "leg " << i;
                EXPECT_EQ(read.game->legs[i].leg.winner, played[i].leg.winner);
                EXPECT_EQ(read.game->legs[i].leg.check_out, played[i].leg.check_out);
            }
            EXPECT_EQ(read.game->game.seats[1].computer, game.players[1].com == 1);
            EXPECT_EQ(read.game->game.seats[1].name, played[0].game.seats[1].name);
            EXPECT_EQ(read.game->game.started.second, game.started.second);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Career, ImportRecorded, ::testing::ValuesIn(recorded_scenarios()),
                         [](const auto& info) { return info.param.name; });

std::string sample_file() {
    const RecordedScenario& scenario = recorded_scenarios()[0];
    RecordedMatch m(scenario.options, scenario.check_out_mode);
    scenario.play(m);
    return compose_game_csv(m.games().front(), locale_of(CsvLabels{}));
}

TEST(CsvImport, theSameFileGivesTheSameIdentity) {
    const std::string text = sample_file();
    const CsvImportResult a = parse_game_csv(text, both, month_day_year);
    const CsvImportResult b = parse_game_csv(text, both, month_day_year);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a.game->game.id, b.game->game.id);
    EXPECT_EQ(a.game->legs.front().leg.game_id, a.game->game.id);
}

TEST(CsvImport, anUnreadableDateKeepsItsTextInTheIdentity) {
    const CsvImportResult read = parse_game_csv(sample_file(), both, {});
    ASSERT_TRUE(read);
    EXPECT_EQ(read.game->game.started.year, 0);
    EXPECT_NE(read.game->game.identity.find(read.game->started_text), std::string::npos);
}

struct Damage {
    const char* name;
    std::function<std::string(std::string)> change;
    int line;
};

std::string replace_line(std::string text, int line, const std::string& with) {
    std::size_t begin = 0;
    for (int i = 1; i < line; ++i) {
        begin = text.find("\r\n", begin) + 2;
    }
    const std::size_t end = text.find("\r\n", begin);
    return text.replace(begin, end - begin, with);
}

class CsvRefusal : public ::testing::TestWithParam<Damage> {};

TEST_P(CsvRefusal, aFileNotOursIsRefusedAtItsLine) {
    const CsvImportResult read = parse_game_csv(GetParam().change(sample_file()), both, {});
    EXPECT_FALSE(read);
    if (GetParam().line > 0) {
        EXPECT_EQ(read.line, GetParam().line) << read.reason;
    } else {
        EXPECT_GE(read.line, 1) << read.reason;
    }
    EXPECT_FALSE(read.reason.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Career, CsvRefusal,
    ::testing::Values(
        Damage{"empty", [](std::string) { return std::string(); }, 1},
        Damage{"spreadsheet", [](std::string) { return std::string("name,score\r\nAnn,100\r\n"); },
               1},
        Damage{"unknownLabel",
               [](std::string t) { return replace_line(t, 4, ",Tonnes,1,Tonnes,1"); }, 4},
        Damage{"letterForNumber",
               [](std::string t) { return replace_line(t, 3, ",Legs,x,Legs,1"); }, 3},
        Damage{"remainingNotFollowing",
               [](std::string t) { return replace_line(t, 38, "1,180,300,60,441"); }, 38},
        Damage{"impossibleVisit",
               [](std::string t) { return replace_line(t, 38, "1,179,322,60,441"); }, 38},
        Damage{"unclosedQuote",
               [](std::string t) { return replace_line(t, 1, "\"12/1/2026 10:15:00,Ann,,Bob,"); },
               1},
        Damage{"cutShort", [](std::string t) { return t.substr(0, t.size() / 2); }, 0},
        Damage{"extraLeg",
               [](std::string t) { return t + "\r\nRound,Scored,To Go,Scored,To Go\r\n"; }, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvImport, refusalsOfCutFilesNameALineInsideTheFile) {
    const std::string text = sample_file();
    for (std::size_t cut = 1; cut < text.size(); cut += 7) {
        const CsvImportResult read = parse_game_csv(text.substr(0, cut), both, {});
        if (!read) {
            EXPECT_GE(read.line, 1);
            EXPECT_FALSE(read.reason.empty());
        }
    }
}

} // namespace
} // namespace dvk::testing
