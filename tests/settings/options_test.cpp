#include "settings/options_load.h"
#include "settings/options_save.h"

#include "support/settings_test_folder.h"
#include "support/time_limit.h"

#include <gtest/gtest.h>

#include <tuple>

#include <chrono>
#include <sstream>

namespace dvk {
namespace {

using testing_support::read_file;
using testing_support::TestFolder;
using testing_support::write_file;

std::vector<std::string> headers_of(const std::string& text) {
    std::vector<std::string> headers;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.front() == '[') {
            headers.push_back(line.substr(0, line.find(']') + 1));
        }
    }
    return headers;
}

AppOptions read_text(const std::string& text, const OptionsEnvironment& environment = {}) {
    return read_options(ProfileDocument::parse(text), environment);
}

TEST(Options, withoutAFileTheGameIs501BetweenTwoPlayersBestOfThreeLegs) {
    for (const bool japanese : {false, true}) {
        OptionsEnvironment environment;
        environment.japanese_locale = japanese;
        TestFolder folder;
        AppOptions options;
        ASSERT_TRUE(load_options(folder.file("dvk.ini"), environment, options));
        EXPECT_EQ(options, default_options(environment));
        const GameOptions& game = options.game;
        EXPECT_EQ(game.start_score, 501);
        EXPECT_EQ(game.p1_name, "Player 1");
        EXPECT_EQ(game.p2_name, "Player 2");
        EXPECT_EQ(game.max_leg, 3);
        EXPECT_EQ(game.best_of, 1);
        EXPECT_EQ(game.leg_limit, 0);
        EXPECT_EQ(game.round, 15);
        EXPECT_EQ(game.round_limit, japanese ? 1 : 0);
        EXPECT_EQ(options.keys_customised, 0);
        EXPECT_EQ(options.keys.size(), 29u);
        EXPECT_EQ(options.keys.front(), (KeyBinding{51000, 0, 0x70}));
        EXPECT_EQ(options.keys[15], (KeyBinding{51180, modifier_shift, 0x77}));
        EXPECT_EQ(options.schedule.size(), 7u);
        EXPECT_EQ(options.schedule.front().start_score, 1001);
        EXPECT_EQ(options.schedule.back().p1_name, "");
        EXPECT_EQ(options.font_name, "Arial");
    }
}

TEST(Options, savesToANewFileInSectionOrderWithoutTheBuiltInKeysOrSchedule) {
    TestFolder folder;
    const std::string path = folder.file("dvk.ini");
    const AppOptions options = default_options({});
    ASSERT_TRUE(save_options(path, options));
    EXPECT_EQ(headers_of(read_file(path)),
              (std::vector<std::string>{"[window]", "[view]", "[game]", "[com]", "[history]",
                                        "[score_list]", "[arrange]", "[color]", "[font]",
                                        "[player]", "[plugin]", "[option]"}));
    ASSERT_TRUE(save_schedule(path, options));
    ASSERT_TRUE(save_game_options(path, options));
    const std::string text = read_file(path);
    EXPECT_EQ(headers_of(text).back(), "[schedule]");
    EXPECT_NE(text.find("name_list_count=0\r\nstart_score=501\r\nround_limit=0\r\nround=15\r\n"
                        "leg_limit=0\r\nmax_leg=3\r\nbest_of=1\r\nchange_first=0\r\n"
                        "p1_name=\"Player 1\"\r\np1_start_score=0\r\np1_com=0\r\n"
                        "p1_com_level=0\r\np2_name=\"Player 2\"\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("[schedule]\r\ncount=7\r\nstart_score_0=1001\r\nround_limit_0=0\r\n"
                        "round_0=30\r\nmax_leg_0=1\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("leg_limit_0"), std::string::npos);
}

TEST(Options, everyChangedSettingSurvivesSaveAndLoad) {
    OptionsEnvironment environment;
    environment.work_area = {0, 0, 1920, 1080};
    AppOptions options = default_options(environment);
    options.main_window = {10, 20, 800, 600};
    options.arrange_window = {5, 6, 300, 200};
    options.full_screen_menu_interval = -1;
    options.show_guide = 0;
    options.auto_save_path = "/home/eve/darts";
    options.name_list = {"Eve", "", "Ann"};
    options.com_timer = 250;
    options.game.p2_com = 1;
    options.game.p2_com_level = 11;
    options.schedule = {options.game, options.game};
    options.schedule[0].leg_limit = 1;
    options.schedule[1].leg_limit = 1;
    options.schedule[1].p1_name = "Ann";
    options.set_color(ColorItem::guide_box_frame, rgb(1, 2, 3));
    options.font_name = "Liberation Sans";
    options.keys = {{51060, modifier_alt, 'X'}, {40016, 0, 0x0D}};
    options.keys_customised = 1;
    options.player.total_180s = 1;
    options.player.scroll = 0;
    options.plugins = {{"Title", "/lib/p.so", "run", "-v", modifier_ctrl, 'P'}};
    options.online_page = "https://example.org/darts?page=\"guide\"&lang=en";

    TestFolder folder;
    const std::string path = folder.file("dvk.ini");
    ASSERT_TRUE(save_options(path, options));
    ASSERT_TRUE(save_game_options(path, options));
    ASSERT_TRUE(save_schedule(path, options));
    AppOptions loaded;
    ASSERT_TRUE(load_options(path, environment, loaded));
    EXPECT_EQ(loaded, options);
}

TEST(Options, saveKeepsForeignKeysAndComments) {
    TestFolder folder;
    const std::string path = folder.file("dvk.ini");
    write_file(path, "# by hand\n[window]\nmine=1\nleft=3\n[extra]\nx=y\n");
    ASSERT_TRUE(save_options(path, default_options({})));
    const ProfileDocument saved = ProfileDocument::parse(read_file(path));
    EXPECT_EQ(saved.get_int("window", "mine", 0), 1);
    EXPECT_EQ(saved.get_string("extra", "x", "", 255), "y");
    EXPECT_EQ(read_file(path).rfind("# by hand\r\n", 0), 0u);
}

// Levels of a later version play as Level 12 and are reported; values the program has always
// clamped (12 to 999) are not news, and the modelled levels are kept as stored.
TEST(Options, unknownComputerLevelsPlayAsLevelTwelveAndAreReported) {
    TestFolder folder;
    const std::string path = folder.file("dvk.ini");
    const std::vector<std::tuple<std::string, std::int32_t, bool>> cases = {
        {"[game]\np2_com_level=1055\n", 11, true},
        {"[game]\np1_com_level=3000\n", 11, true},
        {"[game]\np2_com_level=1060\n", 1060, false},
        {"[game]\np2_com_level=2123\n", 2123, false},
        {"[game]\np2_com_level=500\n", 11, false},
        {"[schedule]\ncount=2\np2_com_level_1=1999\n", 0, true},
    };
    for (const auto& [text, played, reported] : cases) {
        write_file(path, text);
        AppOptions options;
        const OptionsLoadResult load = load_options(path, {}, options);
        EXPECT_EQ(load.unknown_com_level, reported) << text;
        EXPECT_EQ(std::max(options.game.p1_com_level, options.game.p2_com_level), played) << text;
    }
}

TEST(Options, unreadableFileIsNotReplacedBySave) {
    TestFolder folder;
    const std::string path = folder.file("dvk.ini");
    write_file(path, std::string(max_profile_file_bytes + 1, '#'));
    AppOptions options;
    const OptionsLoadResult load = load_options(path, {}, options);
    ASSERT_TRUE(load);
    // The caller tells the user at once, not only when the save at exit fails.
    EXPECT_EQ(load.unreadable, "File too large: more than 2097152 bytes");
    EXPECT_EQ(options, default_options({}));
    EXPECT_FALSE(save_options(path, options));
    EXPECT_EQ(std::filesystem::file_size(path), max_profile_file_bytes + 1);

    write_file(path, "[game]\nstart_score=301\n");
    EXPECT_EQ(load_options(path, {}, options).unreadable, "");
    EXPECT_EQ(load_options(folder.file("missing.ini"), {}, options).unreadable, "");
}

TEST(Options, colorsAreWrittenOnlyWhenTheyDifferFromTheDefault) {
    ProfileDocument doc = ProfileDocument::parse("[color]\nbackground=\"0xFFFFFF\"\ntext=16711680\n"
                                                 "line=\"\"\nseparate=zz\n");
    AppOptions options = read_options(doc, {});
    EXPECT_EQ(options.color(ColorItem::text), rgb(0, 0, 255));
    EXPECT_EQ(options.color(ColorItem::line), rgb(85, 85, 85));
    EXPECT_EQ(options.color(ColorItem::separate), 0u);
    options.set_color(ColorItem::input_select_background, rgb(0, 36, 106));
    write_options(doc, options);
    EXPECT_EQ(doc.serialise().find("background=\r\n"), doc.serialise().find("[color]") + 9);
    EXPECT_NE(doc.serialise().find("\r\ntext=\"0xFF0000\"\r\n"), std::string::npos);
    EXPECT_NE(doc.serialise().find("input_select_background=\"0x6A2400\"\r\n"), std::string::npos);
    EXPECT_NE(doc.serialise().find("\r\nline=\r\n"), std::string::npos);
    EXPECT_EQ(read_options(doc, {}).colors, options.colors);
}

TEST(Options, nameListIsLimitedTo64Names) {
    std::string text = "[game]\nname_list_count=100\n";
    for (int i = 0; i < 100; ++i) {
        text += "name_list_" + std::to_string(i) + "=\"n" + std::to_string(i) + "\"\n";
    }
    ProfileDocument doc = ProfileDocument::parse(text);
    const AppOptions options = read_options(doc, {});
    ASSERT_EQ(options.name_list.size(), 64u);
    EXPECT_EQ(options.name_list.back(), "n63");
    write_options(doc, options);
    EXPECT_EQ(doc.get_int("game", "name_list_count", 0), 64);
}

TEST(Options, namesAndPathsAreCutWithoutSplittingACharacter) {
    const std::string name = std::string(62, 'a') + "\xC3\xA9";
    const AppOptions options = read_text("[game]\np1_name=\"" + name + "\"\n[font]\nname=\"" +
                                         std::string(254, 'f') + "\xE3\x81\x82\"\n");
    EXPECT_EQ(options.game.p1_name, std::string(62, 'a'));
    EXPECT_EQ(options.font_name, std::string(254, 'f'));
}

TEST(Options, windowsBeyondTheWorkAreaMoveToItsCornerKeepingTheirSize) {
    OptionsEnvironment environment;
    environment.work_area = {0, 0, 1024, 768};
    const AppOptions options = read_text("[window]\nleft=2000\ntop=50\nright=640\nbottom=480\n"
                                         "[history]\nleft=100\ntop=900\nright=30\nbottom=40\n"
                                         "[score_list]\nleft=1024\ntop=768\n",
                                         environment);
    EXPECT_EQ(options.main_window, (WindowRect{0, 0, 640, 480}));
    EXPECT_EQ(options.history_window, (WindowRect{0, 0, 30, 40}));
    EXPECT_EQ(options.score_list_window, (WindowRect{1024, 768, 0, 0}));
}

TEST(Options, careerWindowIsKeptOnceItWasPlaced) {
    ProfileDocument doc = ProfileDocument::parse("");
    AppOptions options = read_options(doc, {});
    write_options(doc, options);
    EXPECT_EQ(doc.get_int("career", "right", -1), -1);
    options.career_window = {10, 20, 900, 640};
    write_options(doc, options);
    EXPECT_EQ(read_options(doc, {}).career_window, (WindowRect{10, 20, 900, 640}));
}

TEST(Options, negativeComLevelsReadAsTheFirstLevel) {
    const AppOptions options =
        read_text("[game]\np1_com_level=-3\np2_com_level=\"-2147483648\"\n"
                  "[schedule]\ncount=1\np2_com_level_0=-1\np1_com_level_0=4\n");
    EXPECT_EQ(options.game.p1_com_level, 0);
    EXPECT_EQ(options.game.p2_com_level, 0);
    EXPECT_EQ(options.schedule[0].p2_com_level, 0);
    EXPECT_EQ(options.schedule[0].p1_com_level, 4);
}

TEST(Options, scheduleEntriesMissingFromTheFileTakeTheEntryDefaults) {
    OptionsEnvironment environment;
    environment.japanese_locale = true;
    const AppOptions options = read_text("[schedule]\ncount=2\nstart_score_1=301\n", environment);
    ASSERT_EQ(options.schedule.size(), 2u);
    EXPECT_EQ(options.schedule[0].start_score, 501);
    EXPECT_EQ(options.schedule[0].p1_start_score, 501);
    EXPECT_EQ(options.schedule[0].round_limit, 1);
    EXPECT_EQ(options.schedule[0].leg_limit, 1);
    EXPECT_TRUE(options.schedule[0].p1_name.empty());
    EXPECT_EQ(options.schedule[1].start_score, 301);
}

struct CountCase {
    const char* name;
    std::string text;
    std::size_t schedule;
    std::size_t keys;
    std::int32_t keys_customised;
    std::size_t plugins;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const CountCase& row, std::ostream* out) {
    *out << row.name;
}

class OptionCounts : public testing::TestWithParam<CountCase> {};

TEST_P(OptionCounts, listsHaveTheExpectedSizes) {
    const AppOptions options = read_text(GetParam().text);
    EXPECT_EQ(options.schedule.size(), GetParam().schedule);
    EXPECT_EQ(options.keys.size(), GetParam().keys);
    EXPECT_EQ(options.keys_customised, GetParam().keys_customised);
    EXPECT_EQ(options.plugins.size(), GetParam().plugins);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OptionCounts,
    testing::Values(CountCase{"noSections", "", 7, 29, 0, 0},
                    CountCase{"storedMinusOneMeansBuiltIn",
                              "[schedule]\ncount=-1\n[key]\ncount=-1\n", 7, 29, 0, 0},
                    CountCase{"zeroCountsGiveEmptyLists",
                              "[schedule]\ncount=0\n[key]\ncount=0\n[plugin]\ncount=0\n", 0, 0, 1,
                              0},
                    CountCase{"otherNegativeCountsGiveEmptyLists",
                              "[schedule]\ncount=-5\n[key]\ncount=-2\n[plugin]\ncount=-1\n", 0, 0,
                              1, 0},
                    CountCase{"hugeCountsAreCapped",
                              "[schedule]\ncount=2000000000\n[key]\ncount=2000000000\n"
                              "[plugin]\ncount=2000000000\n",
                              max_schedule_entries, max_key_bindings, 1, max_plugin_entries}),
    [](const testing::TestParamInfo<CountCase>& info) { return std::string(info.param.name); });

TEST(Options, hugeCountsLoadWellUnderASecond) {
    TestFolder folder;
    const std::string path = folder.file("dvk.ini");
    write_file(path, "[schedule]\ncount=2000000000\n[key]\ncount=2000000000\n"
                     "[plugin]\ncount=2000000000\n[game]\nname_list_count=2000000000\n");
    const auto start = std::chrono::steady_clock::now();
    AppOptions options;
    ASSERT_TRUE(load_options(path, {}, options));
    ASSERT_TRUE(save_options(path, options));
    ASSERT_TRUE(save_schedule(path, options));
    EXPECT_LT(std::chrono::steady_clock::now() - start,
              test::time_limit(std::chrono::milliseconds(500)));
}

TEST(Options, fileFullOfKeysLoadsWellUnderASecond) {
    std::string text = "[schedule]\ncount=2000000000\n";
    for (int i = 0; text.size() < max_profile_file_bytes / 2; ++i) {
        text += "k" + std::to_string(i) + "=\n";
    }
    const auto start = std::chrono::steady_clock::now();
    const AppOptions options = read_text(text);
    EXPECT_LT(std::chrono::steady_clock::now() - start, test::time_limit(std::chrono::seconds(1)));
    EXPECT_EQ(options.schedule.size(), max_schedule_entries);
}

} // namespace
} // namespace dvk
