#include "settings/app_options.h"
#include "settings/game_option_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dvk {
namespace {

const std::array<std::string, 2> default_names{"Player 1", "Player 2"};

GameOptions with_start(std::int32_t start_score) {
    GameOptions options;
    options.start_score = start_score;
    return options;
}

TEST(GameOptionForm, startScoreButtonFollowsTheRecord) {
    const struct {
        std::int32_t start_score;
        StartChoice choice;
    } rows[] = {
        {301, StartChoice::Score301}, {501, StartChoice::Score501}, {1001, StartChoice::Score1001},
        {701, StartChoice::Other},    {2, StartChoice::Other},
    };
    for (const auto& row : rows) {
        const GameOptionForm form =
            open_game_option_form(with_start(row.start_score), default_names);
        EXPECT_EQ(form.start_choice, row.choice) << row.start_score;
        EXPECT_EQ(form.other_score, row.start_score);
    }
}

TEST(GameOptionForm, handicapIsCheckedOnlyForAScoreOfItsOwn) {
    const struct {
        const char* name;
        std::int32_t own_score;
        bool checked;
        std::int32_t shown;
    } rows[] = {
        {"none", 0, false, 501},
        {"same as the game", 501, false, 501},
        {"negative means none", -20, false, 501},
        {"lower", 301, true, 301},
        {"higher", 701, true, 701},
    };
    for (const auto& row : rows) {
        GameOptions options = with_start(501);
        options.p2_start_score = row.own_score;
        const GameOptionForm form = open_game_option_form(options, default_names);
        EXPECT_FALSE(form.players[0].handicap) << row.name;
        EXPECT_EQ(form.players[0].handicap_score, 501) << row.name;
        EXPECT_EQ(form.players[1].handicap, row.checked) << row.name;
        EXPECT_EQ(form.players[1].handicap_score, row.shown) << row.name;
    }
}

TEST(GameOptionForm, emptyNamesShowDefaultsExceptInAScheduleEntry) {
    GameOptions options;
    options.p1_name.clear();
    options.p2_name = "Bob";
    GameOptionForm form = open_game_option_form(options, default_names);
    EXPECT_EQ(form.players[0].name, "Player 1");
    EXPECT_EQ(form.players[1].name, "Bob");

    options.schedule_entry = 1;
    options.leg_limit = 0;
    form = open_game_option_form(options, default_names);
    EXPECT_EQ(form.players[0].name, "");
    EXPECT_EQ(form.players[1].name, "Bob");
    EXPECT_TRUE(form.schedule_entry);
    EXPECT_TRUE(form.leg_limit);
}

TEST(GameOptionForm, comLevelIsShownOnlyForAComputerPlayerAndStaysInTheList) {
    GameOptions options;
    options.p1_com_level = 7; // left over from an earlier game; player 1 is human now
    options.p2_com = 1;
    options.p2_com_level = 12;
    GameOptionForm form = open_game_option_form(options, default_names);
    EXPECT_FALSE(form.players[0].com);
    EXPECT_EQ(form.players[0].com_level, 0);
    EXPECT_TRUE(form.players[1].com);
    EXPECT_EQ(form.players[1].com_level, offered_com_levels - 1);

    options.p2_com_level = -3;
    form = open_game_option_form(options, default_names);
    EXPECT_EQ(form.players[1].com_level, 0);
}

TEST(GameOptionForm, aValidRecordReadsBackUnchanged) {
    GameOptions options;
    options.start_score = 701;
    options.round_limit = 1;
    options.round = 20;
    options.leg_limit = 1;
    options.max_leg = 7;
    options.best_of = 0;
    options.change_first = 1;
    options.p1_name = "Alice";
    options.p2_name = "Bob";
    options.p1_start_score = 601;
    options.p2_start_score = 701;
    options.p2_com = 1;
    options.p2_com_level = 11;
    EXPECT_EQ(read_game_option_form(open_game_option_form(options, default_names)), options);
}

TEST(GameOptionForm, readingBringsNumbersIntoRange) {
    const struct {
        const char* name;
        std::int32_t other_score;
        std::int32_t round;
        std::int32_t max_leg;
        std::int32_t start_score;
        std::int32_t stored_round;
        std::int32_t stored_legs;
    } rows[] = {
        {"smallest usable", 2, 1, 1, 2, 1, 1},
        {"below the least", 1, 0, 0, 2, 1, 1},
        {"empty boxes", 0, 0, 0, 2, 1, 1},
        {"largest five digits", 99999, 3333, 99999, 99999, 3333, 99999},
        {"above the greatest", 100000, 5000, 32767, 99999, 3333, 32767},
    };
    for (const auto& row : rows) {
        GameOptionForm form;
        form.start_choice = StartChoice::Other;
        form.other_score = row.other_score;
        form.round = row.round;
        form.max_leg = row.max_leg;
        const GameOptions options = read_game_option_form(form);
        EXPECT_EQ(options.start_score, row.start_score) << row.name;
        EXPECT_EQ(options.round, row.stored_round) << row.name;
        EXPECT_EQ(options.max_leg, row.stored_legs) << row.name;
    }
}

TEST(GameOptionForm, handicapOutsideTheStartScoreRangeGivesTheGamesStartScore) {
    const struct {
        const char* name;
        bool checked;
        std::int32_t score;
        std::int32_t stored;
    } rows[] = {
        {"unchecked", false, 301, 1001},
        {"empty box", true, 0, 1001},
        {"one", true, 1, 1001},
        {"two", true, 2, 2},
        {"five digits", true, 99999, 99999},
        {"six digits", true, 100000, 1001},
    };
    for (const auto& row : rows) {
        GameOptionForm form;
        form.start_choice = StartChoice::Score1001;
        form.players[0].handicap = row.checked;
        form.players[0].handicap_score = row.score;
        const GameOptions options = read_game_option_form(form);
        EXPECT_EQ(options.p1_start_score, row.stored) << row.name;
        EXPECT_EQ(options.p2_start_score, 1001) << row.name;
    }
}

TEST(GameOptionForm, readingKeepsTheLevelOnlyForAComputerPlayer) {
    GameOptionForm form;
    form.players[0].com_level = 5;
    form.players[1].com = true;
    form.players[1].com_level = 5;
    const GameOptions options = read_game_option_form(form);
    EXPECT_EQ(options.p1_com, 0);
    EXPECT_EQ(options.p1_com_level, 0);
    EXPECT_EQ(options.p2_com, 1);
    EXPECT_EQ(options.p2_com_level, 5);
}

TEST(GameOptionForm, longNamesAreCutWithoutSplittingACharacter) {
    GameOptionForm form;
    form.players[0].name = std::string(62, 'a') + "\xC3\xA9"; // 62 bytes and a two-byte letter
    form.players[1].name = std::string(63, 'b');
    const GameOptions options = read_game_option_form(form);
    EXPECT_EQ(options.p1_name, std::string(62, 'a'));
    EXPECT_EQ(options.p2_name, std::string(63, 'b'));
}

std::vector<std::string> numbered_names(std::size_t count) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < count; ++i) {
        names.push_back("name " + std::to_string(i));
    }
    return names;
}

TEST(NameList, rememberedNamesGoOnTopAndAnEmptyNameIsIgnored) {
    std::vector<std::string> names{"Bob", "Carol"};
    remember_name(names, "");
    EXPECT_EQ(names, (std::vector<std::string>{"Bob", "Carol"}));
    remember_name(names, "Alice");
    EXPECT_EQ(names, (std::vector<std::string>{"Alice", "Bob", "Carol"}));
}

TEST(NameList, aFullListDropsItsOldestName) {
    std::vector<std::string> names = numbered_names(max_name_list_count);
    remember_name(names, "newcomer");
    ASSERT_EQ(names.size(), max_name_list_count);
    EXPECT_EQ(names.front(), "newcomer");
    EXPECT_EQ(names.back(), "name 62");

    // A listed name, in any letter case, moves up in its new spelling without pushing
    // anything out.
    remember_name(names, "NAME 62");
    ASSERT_EQ(names.size(), max_name_list_count);
    EXPECT_EQ(names[0], "NAME 62");
    EXPECT_EQ(names[1], "newcomer");
    EXPECT_EQ(names.back(), "name 61");
}

TEST(NameList, aLongNameIsRememberedAsTheRecordKeepsIt) {
    std::vector<std::string> names;
    remember_name(names, std::string(100, 'x'));
    remember_name(names, std::string(70, 'X'));
    EXPECT_EQ(names, std::vector<std::string>{std::string(63, 'X')});
}

} // namespace
} // namespace dvk
