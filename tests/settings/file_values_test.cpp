// Values of a hand-edited or damaged dvk.ini: every game number comes out playable, the window
// and the match screen stay usable, and a save never changes what the next load finds.

#include "settings/options_load.h"
#include "settings/options_save.h"

#include <gtest/gtest.h>

#include <limits>

namespace dvk {
namespace {

AppOptions read_text(const std::string& text, const OptionsEnvironment& environment = {}) {
    return read_options(ProfileDocument::parse(text), environment);
}

// What the next start reads after the options were saved into the same file.
AppOptions saved_and_read_again(const std::string& text, const OptionsEnvironment& environment) {
    ProfileDocument document = ProfileDocument::parse(text);
    write_options(document, read_options(document, environment));
    return read_options(ProfileDocument::parse(document.serialise()), environment);
}

struct GameValue {
    const char* name;
    const char* lines;
    std::int32_t GameOptions::*field;
    std::int32_t expected;
};

class GameValueFromFile : public ::testing::TestWithParam<GameValue> {};

TEST_P(GameValueFromFile, isBroughtIntoPlayableRange) {
    const GameValue& value = GetParam();
    const AppOptions options = read_text(std::string("[game]\n") + value.lines + "\n");
    EXPECT_EQ(options.game.*value.field, value.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Options, GameValueFromFile,
    ::testing::Values(
        GameValue{"hugeRoundLimit", "round_limit=1\nround=2000000000", &GameOptions::round, 3333},
        GameValue{"zeroRounds", "round_limit=1\nround=0", &GameOptions::round, 1},
        GameValue{"negativeRounds", "round=-7", &GameOptions::round, 1},
        GameValue{"zeroStartScore", "start_score=0", &GameOptions::start_score, 2},
        GameValue{"hugeStartScore", "start_score=2147483647", &GameOptions::start_score, 99999},
        GameValue{"noLegs", "max_leg=0", &GameOptions::max_leg, 1},
        GameValue{"hugeHandicap", "p1_start_score=2000000000", &GameOptions::p1_start_score, 99999},
        GameValue{"noHandicapStaysNone", "p2_start_score=-5", &GameOptions::p2_start_score, -5},
        GameValue{"levelBeyondTheLast", "p2_com_level=40", &GameOptions::p2_com_level, 11}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Options, scheduleEntriesAreBoundedLikeTheGame) {
    const AppOptions options = read_text("[schedule]\ncount=2\nround_limit_0=1\nround_0=999999\n"
                                         "start_score_1=-1\nmax_leg_1=-3\n");
    ASSERT_EQ(options.schedule.size(), 2u);
    EXPECT_EQ(options.schedule[0].round, 3333);
    EXPECT_EQ(options.schedule[1].start_score, 2);
    EXPECT_EQ(options.schedule[1].max_leg, 1);
}

TEST(Options, emptySectionBeforeOneOfTheSameNameStaysInFrontAfterASave) {
    const std::string text = "[key]\n[game]\nauto_save=1\n[key]\ncount=1\naction_0=40016\n"
                             "ctrl_0=0\nkey_0=112\n";
    const OptionsEnvironment environment;
    const AppOptions first = read_text(text, environment);
    EXPECT_EQ(first.keys_customised, 0);
    const AppOptions after_save = saved_and_read_again(text, environment);
    EXPECT_EQ(after_save.keys_customised, 0);
    EXPECT_EQ(after_save.keys, first.keys);

    // Saved twice, the file keeps the empty header where it was.
    ProfileDocument document = ProfileDocument::parse(text);
    write_options(document, first);
    const std::string once = document.serialise();
    ProfileDocument again = ProfileDocument::parse(once);
    write_options(again, read_options(again, environment));
    EXPECT_EQ(again.serialise(), once);
    EXPECT_EQ(once.find("[key]\r\n\r\n"), once.find("[key]"));
}

TEST(Options, aSaveLoadsBackAsTheSameOptionsAndAgainAsTheSameText) {
    const OptionsEnvironment environment;
    for (const std::string text :
         {"[color]\nline=-1\ntext=0x1FF00FF\nseparate=-16777216\n",
          "[window]\nleft=1\n[player]\n  \t\n", "[key]\n \n[key]\ncount=1\naction_0=40016\n"}) {
        ProfileDocument document = ProfileDocument::parse(text);
        const AppOptions loaded = read_options(document, environment);
        write_options(document, loaded);
        const std::string saved = document.serialise();
        EXPECT_EQ(read_options(ProfileDocument::parse(saved), environment), loaded) << text;
        EXPECT_EQ(ProfileDocument::parse(saved).serialise(), saved) << text;
    }
}

TEST(Options, windowsLargerThanTheWorkAreaShrinkToIt) {
    OptionsEnvironment environment;
    environment.work_area = {0, 0, 1920, 1080};
    const AppOptions options =
        read_text("[window]\nleft=10\ntop=20\nright=100000\nbottom=2147483647\n"
                  "[arrange]\nleft=-5000\ntop=-4000\nright=300\nbottom=200\n"
                  "[history]\nleft=-100\ntop=0\nright=-400\nbottom=300\n",
                  environment);
    EXPECT_EQ(options.main_window, (WindowRect{10, 20, 1920, 1080}));
    EXPECT_EQ(options.arrange_window, (WindowRect{0, 0, 300, 200}));
    EXPECT_EQ(options.history_window, (WindowRect{0, 0, 0, 300}));
}

TEST(Options, screenGapAndNameBarStayWithinTheScreen) {
    OptionsEnvironment environment;
    environment.work_area = {0, 0, 1280, 800};
    const auto read = [&](const std::string& view) {
        return read_text("[view]\n" + view + "\n", environment);
    };
    EXPECT_EQ(read("view_separate_width=100000").view_separate_width, 40);
    EXPECT_EQ(read("view_separate_width=-3").view_separate_width, 0);
    EXPECT_EQ(read("view_separate_width=7").view_separate_width, 7);
    EXPECT_EQ(read("name_size=1").name_size, 4);
    EXPECT_EQ(read("name_size=0").name_size, 4);
    EXPECT_EQ(read("name_size=2147483647").name_size, 1000);
    EXPECT_EQ(read("name_size=11").name_size, 11);
    // Without a known screen the gap still has an upper bound.
    EXPECT_EQ(read_text("[view]\nview_separate_width=5000\n").view_separate_width, 64);
}

} // namespace
} // namespace dvk
