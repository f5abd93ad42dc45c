#include "host_rig.h"

#include <QCoreApplication>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

namespace dvk::testing {
namespace {

using ::testing::HasSubstr;

PluginConfig configured(const std::string& library, const std::string& function,
                        const std::string& cmd_line) {
    return {function, test_plugin(library), function, cmd_line, 0, 0};
}

GameOptions one_leg_sets(int start_score) {
    GameOptions options = two_humans(start_score);
    options.leg_limit = 1;
    options.max_leg = 1;
    options.best_of = 0;
    return options;
}

TEST(PluginHost, theRecorderSeesEveryEventWithItsParameterAndTheGame) {
    HostRig rig;
    rig.start({configured("recorder", "record", rig.log_path())}, one_leg_sets(301));
    rig.ports.checkout_darts = {3};
    rig.ports.game_shot_answers = {true};
    rig.visits({180, 60, 121});

    const std::vector<std::string> expected = {
        // Loaded and told of the start once the first game is set up, before it is shown.
        "init size=280 start=301",
        "e=1 p=0 same=1 game=0 leg=0 round=0 first=0 next=0 rem=301,301 legs=0,0 sets=0,0 "
        "cell=0,0 entry=0",
        "e=8 p=0 same=1 game=0 leg=0 round=0 first=0 next=0 rem=301,301 legs=0,0 sets=0,0 "
        "cell=0,0 entry=0",
        "e=32 p=0 same=1 game=0 leg=0 round=0 first=0 next=0 rem=301,301 legs=0,0 sets=0,0 "
        "cell=0,0 entry=0",
        "e=128 p=0 same=1 game=0 leg=0 round=0 first=0 next=0 rem=301,301 legs=0,0 sets=0,0 "
        "cell=0,0 entry=0",
        // The visit is stored and counted; the turn has not passed yet.
        "e=256 p=180 same=1 game=0 leg=0 round=0 first=0 next=0 rem=121,301 legs=0,0 sets=0,0 "
        "cell=0,0 entry=180",
        "e=128 p=0 same=1 game=0 leg=0 round=0 first=0 next=1 rem=121,301 legs=0,0 sets=0,0 "
        "cell=1,0 entry=0",
        "e=256 p=60 same=1 game=0 leg=0 round=0 first=0 next=1 rem=121,241 legs=0,0 sets=0,0 "
        "cell=1,0 entry=60",
        "e=128 p=0 same=1 game=0 leg=0 round=1 first=0 next=0 rem=121,241 legs=0,0 sets=0,0 "
        "cell=0,1 entry=0",
        // The check-out: stored as minus the darts before the plug-ins are asked.
        "e=512 p=-3 same=1 game=0 leg=0 round=1 first=0 next=1 rem=0,241 legs=0,0 sets=0,0 "
        "cell=0,1 entry=-3",
        // The leg is counted and the next one exists when the plug-ins hear of it.
        "e=64 p=0 same=1 game=0 leg=1 round=0 first=1 next=1 rem=0,241 legs=1,0 sets=0,0 "
        "cell=0,1 entry=-3",
        "e=16 p=0 same=1 game=0 leg=1 round=0 first=1 next=1 rem=0,241 legs=1,0 sets=1,0 "
        "cell=0,1 entry=-3",
        // The next game of the match; its first thrower does not change between games.
        "e=8 p=1 same=1 game=1 leg=0 round=0 first=0 next=0 rem=301,301 legs=0,0 sets=1,0 "
        "cell=0,0 entry=0",
        "e=32 p=0 same=1 game=1 leg=0 round=0 first=0 next=0 rem=301,301 legs=0,0 sets=1,0 "
        "cell=0,0 entry=0",
        "e=128 p=0 same=1 game=1 leg=0 round=0 first=0 next=0 rem=301,301 legs=0,0 sets=1,0 "
        "cell=0,0 entry=0",
    };
    EXPECT_EQ(rig.log(), expected);
    EXPECT_EQ(rig.ports.unscripted, 0);
}

struct VetoCase {
    const char* name;
    int start_score;
    std::vector<int> visits;
    std::string answers; // the vetoer's command line after its log
    int checkout_darts;  // answer to the check-out question, 0 for none
    int remaining;       // player 1's score left afterwards
    int legs_won;        // player 1's legs afterwards
    int beeps;
};

void PrintTo(const VetoCase& c, std::ostream* out) {
    *out << c.name;
}

class Vetoer : public ::testing::TestWithParam<VetoCase> {};

TEST_P(Vetoer, answersUndoOrRewriteWhatTheMatchJustDid) {
    const VetoCase& c = GetParam();
    HostRig rig;
    rig.start({configured("vetoer", "veto", rig.log_path() + " " + c.answers)},
              two_humans(c.start_score));
    if (c.checkout_darts != 0) {
        rig.ports.checkout_darts = {c.checkout_darts};
    }
    rig.ports.game_shot_answers = {true};
    for (int points : c.visits) {
        rig.visits({points});
    }
    EXPECT_EQ(rig.game().players[0].remaining, c.remaining);
    EXPECT_EQ(rig.game().players[0].legs_won, c.legs_won);
    EXPECT_EQ(rig.ports.beeps, c.beeps);
    EXPECT_FALSE(rig.log().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, Vetoer,
    ::testing::Values(VetoCase{"visitCancelled", 301, {60}, "256=2", 0, 301, 0, 0},
                      VetoCase{"visitRewritten", 301, {60}, "256=4:100", 0, 201, 0, 0},
                      VetoCase{"visitRewrittenImpossible", 301, {60}, "256=4:179", 0, 301, 0, 1},
                      VetoCase{
                          "visitRewrittenBeyondThreeDarts", 301, {60}, "256=4:-4", 0, 301, 0, 1},
                      // A won leg starts the next one: the score left is the start score again.
                      VetoCase{"visitRewrittenToACheckOut", 100, {60}, "256=4:-2", 0, 100, 1, 0},
                      VetoCase{"winCancelled", 100, {100}, "512=2", 2, 100, 0, 0},
                      VetoCase{"winDartsRewritten", 100, {100}, "512=4:-3", 2, 100, 1, 0},
                      VetoCase{"winDartsRewrittenToNonsense", 100, {100}, "512=4:7", 2, 100, 0, 1}),
    [](const ::testing::TestParamInfo<VetoCase>& info) { return std::string(info.param.name); });

TEST(PluginHost, aRewrittenCheckOutIsAskedAsThreeDarts) {
    HostRig rig;
    rig.start({configured("vetoer", "veto", rig.log_path() + " 512=4:-3")}, two_humans(100));
    rig.ports.checkout_darts = {2};
    rig.ports.game_shot_answers = {true};
    rig.visits({100});
    ASSERT_EQ(rig.ports.game_shot_messages.size(), 1U);
    EXPECT_THAT(rig.ports.game_shot_messages[0], HasSubstr("Game shot 3 dart."));
}

TEST(PluginHost, previousLegIsRefusedWithABeep) {
    HostRig rig;
    rig.start({configured("vetoer", "veto", rig.log_path() + " 1024=2")}, two_humans(100));
    rig.ports.checkout_darts = {2};
    rig.ports.game_shot_answers = {true};
    rig.visits({100});
    ASSERT_EQ(rig.game().leg_index, 1);
    rig.match.sheet().previous_leg();
    EXPECT_EQ(rig.game().leg_index, 1);
    EXPECT_EQ(rig.ports.beeps, 1);
    EXPECT_TRUE(rig.ports.questions.empty());
    EXPECT_EQ(rig.log().back(), "veto e=1024 p=0 answer=2");
}

TEST(PluginHost, answersAreCombinedAndTheCallsStopAtACancel) {
    HostRig rig;
    rig.start({configured("vetoer", "veto", rig.log_path() + " 128=1"),
               configured("vetoer", "veto", rig.log_path() + " 128=4"),
               configured("vetoer", "veto", rig.log_path() + " 128=2"),
               configured("vetoer", "veto", rig.log_path() + " 128=8")});
    EXPECT_EQ(rig.host->call_plugins(128, 7), 1 | 4 | 2);
    EXPECT_EQ(rig.host->call_plugin(3, 128, 7), 8);
    EXPECT_EQ(rig.host->call_plugins(64, 0), 0);
    EXPECT_EQ(rig.host->call_plugin(4, 128, 0), 0);
}

TEST(PluginHost, threeFunctionsOfOneLibraryGiveThreeEntriesAndOneTool) {
    HostRig rig;
    rig.start({});
    const auto functions = rig.host->library_functions(QString::fromStdString(test_plugin("trio")));
    ASSERT_TRUE(functions.has_value());
    ASSERT_EQ(functions->size(), 3U);
    EXPECT_EQ((*functions)[1], (PluginFunctionInfo{"Second", "second", "second"}));

    PluginRows rows(rig.options.plugins);
    rows.add_functions(test_plugin("trio"), *functions);
    for (std::size_t i = 0; i < 3; ++i) {
        rows.set_cmd_line(i, rig.log_path());
    }
    rig.host->apply_rows(rows);
    rig.host->load_plugins();
    ASSERT_EQ(rig.options.plugins.size(), 3U);
    EXPECT_EQ(rig.options.plugins[2].lib_file_path, test_plugin("trio"));
    EXPECT_TRUE(rig.host->is_loaded(0) && rig.host->is_loaded(1) && rig.host->is_loaded(2));
    EXPECT_EQ(rig.host->event_masks(), (std::vector<std::int32_t>{4, 0, 0}));

    // The block a function gets keeps what it leaves there from call to call.
    rig.host->call_plugin(0, 4, 0);
    rig.host->call_plugin(0, 4, 0);
    rig.host->call_plugins(4, 0);
    EXPECT_EQ(rig.log(), (std::vector<std::string>{"first e=4 reserved=0", "first e=4 reserved=1",
                                                   "first e=4 reserved=2"}));
    EXPECT_TRUE(rig.boxes().isEmpty());
}

TEST(PluginHost, propertiesComeFromTheFunctionOrTheProgramSaysThereAreNone) {
    HostRig rig;
    rig.start({configured("trio", "first", "loaded")});
    PluginRows rows(rig.options.plugins);
    rows.add_functions(test_plugin("trio"), {{"Second", "second", "none"}});
    rows.add_functions(std::string(DVK_PLUGIN_DIR) + "/minimal.dvk",
                       {{"Show Scores", "show_scores", ""}});
    rows.add_functions(test_plugin("trio"), {{"First", "first", "new"}});

    EXPECT_EQ(rig.host->show_property(rows.rows()[0]), std::optional<std::string>("loaded set"));
    EXPECT_EQ(rig.host->show_property(rows.rows()[3]), std::optional<std::string>("new set"));
    EXPECT_EQ(rig.host->show_property(rows.rows()[1]), std::nullopt);
    EXPECT_EQ(rig.host->show_property(rows.rows()[2]), std::nullopt);
    const auto boxes = rig.boxes();
    ASSERT_EQ(boxes.size(), 2);
    for (const MessageBoxes::Shown& box : boxes) {
        EXPECT_EQ(box.icon, MessageBoxes::Icon::Warning);
        EXPECT_EQ(box.text, QStringLiteral("This Item has no options that you can set."));
        EXPECT_EQ(box.caption, QStringLiteral("dvk Ver 0.2.6"));
    }
    // The entry that stayed loaded kept its own command line.
    EXPECT_EQ(rig.options.plugins[0].cmd_line, "loaded");
}

TEST(PluginHost, aPropertyOfALibraryThatDoesNotLoadIsToldWithItsPath) {
    HostRig rig;
    rig.start({});
    PluginRows rows({});
    rows.add_functions("/nowhere/gone.dvk", {{"Gone", "gone", ""}});
    EXPECT_EQ(rig.host->show_property(rows.rows()[0]), std::nullopt);
    const auto boxes = rig.boxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].icon, MessageBoxes::Icon::Error);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("/nowhere/gone.dvk"));
}

struct LoadFailure {
    const char* name;
    std::string library;
    std::string function;
    std::string text; // a part of the reason
    int lines;        // of the message: the reason, the path, and the function
};

void PrintTo(const LoadFailure& c, std::ostream* out) {
    *out << c.name;
}

class LoadFailures : public ::testing::TestWithParam<LoadFailure> {};

TEST_P(LoadFailures, areToldAndTheEntriesAfterThemStillLoad) {
    const LoadFailure& c = GetParam();
    HostRig rig;
    rig.start({{"Bad", c.library, c.function, "", 0, 0},
               configured("recorder", "record", rig.log_path())});
    const auto boxes = rig.boxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].icon, MessageBoxes::Icon::Error);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("dvk Ver 0.2.6"));
    const QStringList lines = boxes[0].text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), c.lines);
    EXPECT_THAT(lines[0].toStdString(), HasSubstr(c.text));
    EXPECT_EQ(lines[1].toStdString(), c.library);
    if (c.lines == 3) {
        EXPECT_EQ(lines[2].toStdString(), c.function);
    }
    EXPECT_FALSE(rig.host->is_loaded(0));
    EXPECT_TRUE(rig.host->is_loaded(1));
    EXPECT_EQ(rig.host->event_masks()[0], 0);
    EXPECT_EQ(rig.host->call_plugin(0, 4, 0), 0);
    EXPECT_EQ(rig.log().size(), 5U); // initialize, the start and the first events of the game
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, LoadFailures,
    ::testing::Values(LoadFailure{"undefinedSymbol", test_plugin("undefined_symbol"), "missing",
                                  "dvk_no_such_host_function", 2},
                      LoadFailure{"missingFile", "/nowhere/gone.dvk", "gone", "No such file", 2},
                      LoadFailure{"relativePath", "plugins/recorder.dvk", "record",
                                  "not an absolute path", 2},
                      LoadFailure{"folder", DVK_TEST_PLUGIN_DIR, "record", "Not a regular file", 2},
                      LoadFailure{"device", "/dev/null", "record", "Not a regular file", 2},
                      LoadFailure{"missingFunction", test_plugin("recorder"), "no_such_function",
                                  "no_such_function", 3}),
    [](const ::testing::TestParamInfo<LoadFailure>& info) { return std::string(info.param.name); });

TEST(PluginHost, aLibraryWithoutGetPluginInfoOffersNothingYetItsFunctionLoads) {
    HostRig rig;
    rig.start({{"Lonely", test_plugin("no_info"), "lonely", "", 0, 0}});
    EXPECT_TRUE(rig.host->is_loaded(0));
    EXPECT_EQ(rig.host->event_masks()[0], 0); // no initialize function: no events
    EXPECT_EQ(rig.host->library_functions(QString::fromStdString(test_plugin("no_info"))),
              std::nullopt);
    const auto boxes = rig.boxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].caption.toStdString(), test_plugin("no_info"));
    EXPECT_THAT(boxes[0].text.toStdString(), HasSubstr("get_plugin_info"));
}

TEST(PluginHost, aLibraryThatNeverStopsDescribingIsAskedForAtMost256Functions) {
    HostRig rig;
    rig.start({});
    const auto functions =
        rig.host->library_functions(QString::fromStdString(test_plugin("endless")));
    ASSERT_TRUE(functions.has_value());
    ASSERT_EQ(functions->size(), 256U);
    EXPECT_EQ(functions->back().title, "Endless 255");
    EXPECT_EQ(functions->back().func_name, std::string(255, 'f'));
}

TEST(PluginHost, gameChangesAreRefusedDuringAMatchEventAndTakenFromATool) {
    HostRig rig;
    rig.start({configured("nester", "nest", rig.log_path())});
    rig.visits({45});
    EXPECT_EQ(rig.game().players[0].remaining, 256);
    EXPECT_EQ(rig.game().players[1].remaining, 301);

    rig.host->call_plugin(0, 4, 0);
    EXPECT_EQ(rig.game().players[1].remaining, 241);
    EXPECT_EQ(rig.refreshes, 1);
    EXPECT_EQ(rig.log(), (std::vector<std::string>{
                             "nest e=256 p=45 enter=0 refresh=0 move=0",
                             "nest e=256 p=60 enter=0 refresh=0 move=0",
                             "nest e=4 p=0 enter=1 refresh=1 move=0",
                         }));
}

TEST(PluginHost, aPluginThatThrowsIsToldOnceAndNotCalledAgain) {
    HostRig rig;
    rig.start({{"Thrower", test_plugin("thrower"), "throw_now", rig.log_path(), 0, 0},
               configured("recorder", "record", rig.log_path())});
    rig.visits({60});
    EXPECT_EQ(rig.game().players[0].remaining, 241);
    EXPECT_TRUE(rig.boxes().isEmpty()); // not in the middle of the visit
    QCoreApplication::processEvents();
    const auto boxes = rig.boxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].icon, MessageBoxes::Icon::Error);
    EXPECT_EQ(boxes[0].text,
              QStringLiteral("The plug-in function \"throw_now\" failed and is not called "
                             "again.\nthrown by the plug-in"));
    rig.visits({60});
    EXPECT_EQ(rig.host->call_plugin(0, 4, 0), 0);
    const auto log = rig.log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "throw e=256"), 1);
    EXPECT_EQ(rig.game().players[1].remaining, 241);
}

TEST(PluginHost, appliedRowsUnloadWhatWasRemovedAndKeepWhatStays) {
    HostRig rig;
    rig.start({configured("recorder", "record", rig.log_path()),
               configured("trio", "first", rig.log_path())});
    PluginRows rows(rig.options.plugins);
    rows.remove(0);
    EXPECT_TRUE(rig.host->is_loaded(0)); // a page that is cancelled changes nothing
    rig.host->apply_rows(rows);
    ASSERT_EQ(rig.options.plugins.size(), 1U);
    EXPECT_EQ(rig.options.plugins[0].func_name, "first");
    EXPECT_TRUE(rig.host->is_loaded(0));
    EXPECT_EQ(rig.host->event_masks(), (std::vector<std::int32_t>{4}));
    const std::size_t logged = rig.log().size();
    rig.visits({60});
    EXPECT_EQ(rig.log().size(), logged); // the recorder is gone
}

TEST(PluginHost, entriesOfOneLibraryKeepItLoadedForEachOther) {
    HostRig rig;
    rig.start(
        {configured("trio", "first", rig.log_path()), configured("trio", "third", rig.log_path())});
    ASSERT_TRUE(rig.host->library_functions(QString::fromStdString(test_plugin("trio"))));
    PluginRows rows(rig.options.plugins);
    rows.add_functions(test_plugin("trio"), {{"Second", "second", rig.log_path()}});
    EXPECT_EQ(rig.host->show_property(rows.rows()[2]), std::nullopt);
    rows.remove(0);
    rig.host->apply_rows(rows);
    rig.host->load_plugins();
    rig.host->call_plugin(0, 4, 0);
    rig.host->call_plugin(1, 4, 0);
    EXPECT_EQ(rig.log(),
              (std::vector<std::string>{"third e=4 reserved=0", "second e=4 reserved=0"}));
}

TEST(PluginHost, unloadingLeavesEveryEntryQuiet) {
    HostRig rig;
    rig.start({configured("recorder", "record", rig.log_path())});
    rig.host->unload_plugins();
    EXPECT_FALSE(rig.host->is_loaded(0));
    EXPECT_EQ(rig.host->call_plugins(256, 60), 0);
    rig.host->load_plugins();
    EXPECT_TRUE(rig.host->is_loaded(0));
}

} // namespace
} // namespace dvk::testing
