#include "host_rig.h"

#include <gtest/gtest.h>

namespace dvk::testing {
namespace {

// The plug-in written from the public header alone, logging what its author checks.
PluginConfig start_check(const HostRig& rig) {
    return {"Start Check", test_plugin("start_check"), "start_check", rig.log_path(), 0, 0};
}

TEST(PluginStartRecord, aFreshStartShowsTheNewGameToInitializeAndTheStartEvent) {
    HostRig rig;
    rig.start({start_check(rig)});
    const std::string game = "ok start=301 names=Ann|Bob left=301,301 leg=0 rows=1 round=0";
    EXPECT_EQ(rig.log(), (std::vector<std::string>{
                             "initialize data: " + game,
                             "initialize asked: " + game,
                             "start data: " + game,
                             "start asked: " + game,
                         }));
}

TEST(PluginStartRecord, aRestartShowsTheContinuedGame) {
    HostRig first;
    first.start({});
    first.visits({60, 100, 45});
    GameRecord saved = first.game();

    HostRig rig;
    rig.prepare({start_check(rig)}, two_humans(501));
    rig.start_with(std::move(saved));
    // The scores left come from the visits, the leg shows its second round.
    const std::string game = "ok start=301 names=Ann|Bob left=196,201 leg=0 rows=2 round=1";
    EXPECT_EQ(rig.log(), (std::vector<std::string>{
                             "initialize data: " + game,
                             "initialize asked: " + game,
                             "start data: " + game,
                             "start asked: " + game,
                         }));
}

TEST(PluginStartRecord, enterValueAnswersWhetherTheValueWasCarriedOut) {
    HostRig rig;
    rig.start({start_check(rig)});
    const std::size_t before = rig.log().size();
    const int beeps = rig.ports.beeps;
    rig.host->call_plugin(0, DVK_EVENT_MENU, 0);

    const std::vector<std::string> log = rig.log();
    ASSERT_EQ(log.size(), before + 2);
    // 999 and 181 beep and enter nothing; the visit of 60 is told to the plug-in inside its
    // own command, where it may change nothing.
    EXPECT_EQ(log[before], "visit 60: enter=0");
    EXPECT_EQ(log[before + 1], "menu: 999=0 shown=1 181=0 60=1 left=241,301");
    EXPECT_EQ(rig.ports.beeps, beeps + 2);
    EXPECT_EQ(rig.match.sheet().input_cell(), (InputCell{1, 0}));
}

} // namespace
} // namespace dvk::testing
