#include "broadcast_model/match_snapshot.h"
#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "support/match_harness.h"

#include <gtest/gtest.h>

namespace dvk::testing {
namespace {

const ArrangeTable& checkouts() {
    static const ArrangeTable table =
        parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout));
    return table;
}

MatchSnapshot snapshot(MatchFixture& f, const DialogWait& wait = {}) {
    return make_snapshot(f.match, checkouts(), wait);
}

TEST(MatchSnapshot, aFreshLegShowsStartScoresAndNoVisits) {
    MatchFixture f(two_humans());
    const MatchSnapshot s = snapshot(f);
    EXPECT_EQ(s.players[0].name, "Ann");
    EXPECT_EQ(s.players[1].name, "Bob");
    for (const PlayerSnapshot& p : s.players) {
        EXPECT_EQ(p.left, 501);
        EXPECT_EQ(p.last_visit, -1);
        EXPECT_EQ(p.average_hundredths, 0);
        EXPECT_TRUE(p.checkout.empty()) << "501 has no way out";
    }
    EXPECT_EQ(s.to_throw, 0);
    EXPECT_EQ(s.input_player, 0);
    EXPECT_EQ(s.input_left, 501);
    EXPECT_EQ(s.event.kind, EventKind::none);
    EXPECT_EQ(s.leg_number, 1);
}

TEST(MatchSnapshot, visitsGiveScoresLeftLastVisitsAveragesAndTheWayOut) {
    MatchFixture f(two_humans());
    f.visits({100, 45, 140, 26, 121});
    const MatchSnapshot s = snapshot(f);
    EXPECT_EQ(s.players[0].left, 501 - 361);
    EXPECT_EQ(s.players[0].last_visit, 121);
    EXPECT_EQ(s.players[1].left, 501 - 71);
    EXPECT_EQ(s.players[1].last_visit, 26);
    EXPECT_EQ(s.to_throw, 1);
    EXPECT_EQ(s.input_player, 1);
    EXPECT_EQ(s.input_left, 430);
    EXPECT_EQ(s.players[0].average_hundredths, 12033) << "361 points in 9 darts";
    EXPECT_EQ(s.players[1].average_hundredths, 3550);
    EXPECT_EQ(s.players[0].checkout, "T20-T20-D10") << "the table's first way for 140";
    EXPECT_TRUE(s.players[1].checkout.empty());
}

TEST(MatchSnapshot, aCorrectionShowsTheScoreLeftBeforeTheEarlierVisit) {
    MatchFixture f(two_humans());
    f.visits({100, 45, 140});
    f.sheet().previous_cell();
    f.sheet().previous_cell();
    const MatchSnapshot s = snapshot(f);
    EXPECT_TRUE(s.correcting);
    EXPECT_EQ(s.input_player, 1);
    EXPECT_EQ(s.input_left, 501);
    EXPECT_EQ(s.to_throw, 1) << "moving the cursor never passes the turn";
}

TEST(MatchSnapshot, aConfirmedGameShotBecomesAnEventAndTheNextLegStarts) {
    MatchFixture f(two_humans(101));
    f.ports.checkout_darts = {2};
    f.ports.game_shot_answers = {true};
    f.visits({60, 20, 41});
    const MatchSnapshot s = snapshot(f);
    EXPECT_EQ(s.event.kind, EventKind::game_shot);
    EXPECT_EQ(s.event.player, 0);
    EXPECT_EQ(s.event.darts, 5);
    EXPECT_EQ(s.event.check_out, 41);
    EXPECT_EQ(s.event.sequence, 1);
    EXPECT_EQ(s.players[0].legs, 1);
    EXPECT_EQ(s.leg_number, 2);
    EXPECT_EQ(s.players[0].left, 101);
    EXPECT_EQ(s.players[0].last_visit, -1);
}

TEST(MatchSnapshot, theDecidingLegNamesTheWinnerOfTheGame) {
    GameOptions options = two_humans(101);
    options.leg_limit = 1;
    options.max_leg = 1;
    MatchFixture f(options);
    f.ports.checkout_darts = {3};
    f.ports.game_shot_answers = {true};
    f.visits({60, 100, 41});
    const MatchSnapshot s = snapshot(f);
    EXPECT_EQ(s.event.kind, EventKind::match_winner);
    EXPECT_EQ(s.event.player, 0);
    EXPECT_EQ(s.event.legs[0], 1);
    EXPECT_EQ(s.event.legs[1], 0);
    EXPECT_TRUE(s.sets_counted);
    EXPECT_GT(s.event.sequence, 0);
}

TEST(MatchSnapshot, theOpenDialogIsPartOfTheSnapshot) {
    MatchFixture f(two_humans());
    DialogWait wait;
    wait.kind = WaitKind::check_out_darts;
    wait.player = 0;
    wait.score = 101;
    EXPECT_EQ(snapshot(f, wait).wait, wait);
}

} // namespace
} // namespace dvk::testing
