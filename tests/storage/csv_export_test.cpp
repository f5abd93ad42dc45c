#include "storage/csv_export.h"
#include "support/match_harness.h"
#include "support/sample_games.h"
#include "support/temp_folder.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace dvk {
namespace {

CsvLocale test_locale() {
    CsvLocale locale;
    locale.date = [](const SystemTime& t) {
        return "Mon, " + std::to_string(t.day) + " Dec " + std::to_string(t.year);
    };
    locale.time = [](const SystemTime& t) {
        char text[32];
        std::snprintf(text, sizeof text, "%02u:%02u:%02u", unsigned{t.hour}, unsigned{t.minute},
                      unsigned{t.second});
        return std::string(text);
    };
    return locale;
}

// Line `index` of a CSV text, without its line end.
std::string line(const std::string& csv, std::size_t index) {
    std::size_t begin = 0;
    for (std::size_t i = 0; i < index; ++i) {
        begin = csv.find("\r\n", begin) + 2;
    }
    return csv.substr(begin, csv.find("\r\n", begin) - begin);
}

TEST(CsvExport, gameWithCheckOutsAndAnOpenRoundIsWrittenByteForByte) {
    const std::string expected =
        "\"Mon, 7 Dec 2026 10:15:00\",\"O'Brien, Pat\",,\"Tobi \"\"The Power\"\"\",\r\n"
        "Totals,Sets,0,Sets,0\r\n"
        ",Legs,1,Legs,1\r\n"
        ",Tons,4,Tons,3\r\n"
        ",100+,2,100+,0\r\n"
        ",140+,1,140+,3\r\n"
        ",180's,1,180's,0\r\n"
        ",High Out,81,High Out,81\r\n"
        ",Best,11,Best,12\r\n"
        ",Worst,11,Worst,12\r\n"
        "Averages,Darts,11.00,Darts,12.00\r\n"
        ",Score,31.75,Score,32.43\r\n"
        ",First 9,46.67,First 9,33.89\r\n"
        ",Check-Out,33.33,Check-Out,0.00\r\n"
        ",Keep,100.00,Keep,100.00\r\n"
        ",Break,0.00,Break,0.00\r\n"
        "Finish Stats,2-80 Success,0,2-80 Success,0\r\n"
        ",2-80 Failure,2,2-80 Failure,0\r\n"
        ",81-130 Success,1,81-130 Success,0\r\n"
        ",81-130 Failure,0,81-130 Failure,0\r\n"
        ",131+ Success,0,131+ Success,0\r\n"
        ",131+ Failure,0,131+ Failure,0\r\n"
        "Counts,Legs,2,Legs,2\r\n"
        ",Darts Won,11,Darts Won,12\r\n"
        ",Score,762,Score,681\r\n"
        ",Darts,24,Darts,21\r\n"
        ",First 9 Score,420,First 9 Score,305\r\n"
        ",First 9 Darts,9,First 9 Darts,9\r\n"
        ",Check-Out,1,Check-Out,1\r\n"
        ",Double,3,Double,0\r\n"
        ",Keep Won,1,Keep Won,1\r\n"
        ",Keep All,1,Keep All,1\r\n"
        ",Break Won,0,Break Won,0\r\n"
        ",Break All,1,Break All,1\r\n"
        "\r\n"
        "Round,Scored,To Go,Scored,To Go\r\n"
        ",*,501,,501\r\n"
        "1,100,401,60,441\r\n"
        "2,140,261,45,396\r\n"
        "3,180,81,85,311\r\n"
        "4,-2,,,\r\n"
        "Darts,11,,,\r\n"
        "\r\n"
        "Round,Scored,To Go,Scored,To Go\r\n"
        ",,501,*,501\r\n"
        "1,60,441,140,361\r\n"
        "2,60,381,140,221\r\n"
        "3,60,321,140,81\r\n"
        "4,,,-3,\r\n"
        "Darts,,,12,\r\n";
    GameRecord game = test::third_leg_game();
    game.started = SystemTime{2026, 12, 1, 7, 10, 15, 0, 0};

    EXPECT_EQ(compose_game_csv(game, test_locale()), expected);

    const test::TempFolder folder;
    ASSERT_TRUE(write_game_csv(game, folder / "game.csv", test_locale()).ok);
    EXPECT_EQ(test::file_bytes(folder / "game.csv"), expected);
}

TEST(CsvExport, quotingRule) {
    const std::pair<const char*, const char*> rows[] = {
        {"Plain Name", "Plain Name"}, {"", ""},
        {"a,b", "\"a,b\""},           {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"\"", "\"\"\"\""},           {"semi;colon 'quote'", "semi;colon 'quote'"},
    };
    for (const auto& [text, quoted] : rows) {
        EXPECT_EQ(csv_quote(text), quoted) << text;
    }
}

TEST(CsvExport, quotientIsSinglePrecisionWithoutTheThreeDartFactor) {
    struct Row {
        std::int32_t numerator;
        std::int32_t denominator;
        float factor;
        const char* printed;
    };
    // 3 / 40 is 0.075 exactly, but its nearest float lies above it: the file prints 0.08.
    const Row rows[] = {
        {3, 40, 1.0F, "0.08"},   {501, 9, 1.0F, "55.67"}, {1, 3, 100.0F, "33.33"},
        {7, 0, 100.0F, "0.00"},  {0, 0, 1.0F, "0.00"},    {2, 2, 100.0F, "100.00"},
        {-30, 4, 1.0F, "-7.50"},
    };
    for (const Row& row : rows) {
        char text[32];
        std::snprintf(
            text, sizeof text, "%.2f",
            static_cast<double>(csv_quotient(row.numerator, row.denominator, row.factor)));
        EXPECT_STREQ(text, row.printed) << row.numerator << " / " << row.denominator;
    }
}

TEST(CsvExport, computerPlayerEmptyFiguresAndASetWinner) {
    GameRecord game = test::third_leg_game();
    game.players[1].com = 1;
    game.players[1].com_level = 7;
    game.players[0].legs_won = 2;
    game.players[1].game.high_out = 0;
    game.players[1].game.best_leg = 0;
    game.players[1].game.worst_leg = -1;
    const std::string csv = compose_game_csv(game, test_locale());

    EXPECT_EQ(line(csv, 0), "\"Mon, 7 Dec 2026 10:15:00\",\"O'Brien, Pat\",,COM (Lv.8),");
    EXPECT_EQ(line(csv, 1), "Totals,Sets,1,Sets,0");
    EXPECT_EQ(line(csv, 7), ",High Out,81,High Out,");
    EXPECT_EQ(line(csv, 8), ",Best,11,Best,");
    EXPECT_EQ(line(csv, 9), ",Worst,11,Worst,");
}

TEST(CsvExport, dateAndTimeAreOneFieldQuotedOnlyWhenTheyNeedIt) {
    struct Row {
        const char* date;
        const char* time;
        const char* field;
    };
    const Row rows[] = {
        {"2026/12/07", "10:15:00", "2026/12/07 10:15:00"},
        {"12/7/26", "10:15:00 AM", "12/7/26 10:15:00 AM"},
        {"Mon, 7 Dec", "10:15", "\"Mon, 7 Dec 10:15\""},
        {"7 \"Dec\"", "10:15", "\"7 \"\"Dec\"\" 10:15\""},
        {"7.12.26", "10,15", "\"7.12.26 10,15\""},
    };
    for (const Row& row : rows) {
        CsvLocale locale;
        locale.date = [&](const SystemTime&) { return std::string(row.date); };
        locale.time = [&](const SystemTime&) { return std::string(row.time); };
        GameRecord game = test::third_leg_game();
        game.players[0].name = "Ann";
        game.players[1].name = "Bo";
        EXPECT_EQ(line(compose_game_csv(game, locale), 0), std::string(row.field) + ",Ann,,Bo,")
            << row.date;
    }
}

TEST(CsvExport, secondThrowerWinningFillsTheLastRoundAndNoLegMeansNoTable) {
    GameRecord game = test::third_leg_game();
    LegRecord& leg = game.legs[0];
    // Player 2, the second thrower, checks out 161 with three darts in round 4.
    test::set_scores(leg, 0, {100, 140, 180, 41});
    test::set_scores(leg, 1, {60, 140, 140, -3});
    leg.round = 4;
    leg.next_player = 0;
    leg.winner = 1;
    leg.winning_darts = 12;
    leg.rows = 4;
    std::string csv = compose_game_csv(game, test_locale());
    EXPECT_NE(csv.find("\r\n3,180,81,140,161\r\n4,41,40,-3,\r\nDarts,,,12,\r\n\r\n"),
              std::string::npos);

    game.leg_index = 0;
    csv = compose_game_csv(game, test_locale());
    EXPECT_EQ(csv.find("Round,"), std::string::npos);
    EXPECT_TRUE(csv.ends_with("\r\n,Break All,1,Break All,1\r\n"));
}

// Saved during a leg, a game is written as the automatic save wrote it when its last leg ended:
// the totals leave out the open leg, as the leg tables and the leg count do.
TEST(CsvExport, gameSavedDuringALegAgreesWithItsLegTables) {
    testing::MatchFixture f(testing::two_humans(301));
    f.ports.checkout_darts.push_back(2);
    f.ports.game_shot_answers.push_back(true);
    f.visits({100, 60, 140, 45, 61});
    ASSERT_EQ(f.game().leg_index, 1);
    const std::string at_leg_end = compose_game_csv(f.game(), test_locale());
    EXPECT_EQ(compose_game_csv(completed_legs_game(f.game()), test_locale()), at_leg_end);

    for (const int visit : {180, 100, 26}) {
        f.visits({visit});
        const GameRecord open = f.game();
        ASSERT_EQ(open.leg_index, 1);
        EXPECT_EQ(compose_game_csv(completed_legs_game(open), test_locale()), at_leg_end)
            << "after " << visit;
        EXPECT_EQ(open, f.game());
    }
    EXPECT_NE(compose_game_csv(f.game(), test_locale()), at_leg_end);
}

} // namespace
} // namespace dvk
