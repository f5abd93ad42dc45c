#include "com/arrange_parser.h"
#include "com/com_visit.h"
#include "com/throw_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dvk {
namespace {

GameRecord perfect_thrower_game(std::int32_t remaining) {
    GameRecord game;
    game.players[1].remaining = remaining;
    game.players[1].com_level = perfect_level;
    game.players[0].remaining = 501;
    LegRecord leg = LegRecord::with_capacity(10, 1);
    leg.round = 2;
    game.legs.push_back(leg);
    for (auto& d : game.darts_at_double) {
        d.assign(11, 0);
    }
    return game;
}

struct VisitCase {
    const char* name;
    const char* table;
    std::int32_t remaining;
    std::vector<std::string> shown; // the dart boxes, in the order the ticks fill them
    std::int16_t result;
    std::int8_t double_darts;
};

void PrintTo(const VisitCase& c, std::ostream* os) {
    *os << c.name;
}

class ComVisitTicks : public testing::TestWithParam<VisitCase> {};

// Player 1 throws at the top level, so every dart lands on its target and each tick's effect
// is fixed by the table.
TEST_P(ComVisitTicks, showOneDartPerTickThenTheResult) {
    const VisitCase& c = GetParam();
    const ComTable table(parse_arrange_text(c.table));
    ComThrower thrower(table, {20, 3}, 1);
    GameRecord game = perfect_thrower_game(c.remaining);
    ComVisit visit(game, 1, thrower);
    std::vector<std::string> shown;
    ComStep step;
    for (int tick = 0; tick < 4; ++tick) {
        step = visit.tick();
        if (step.kind == ComStep::Kind::Finished) {
            break;
        }
        EXPECT_EQ(step.dart_index, static_cast<int>(shown.size()));
        shown.push_back(step.dart.text());
    }
    EXPECT_EQ(step.kind, ComStep::Kind::Finished);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(visit.darts_thrown(), static_cast<int>(c.shown.size()));
    EXPECT_EQ(step.result, c.result);
    EXPECT_EQ(game.players[1].com_result, c.result);
    EXPECT_EQ(game.players[1].remaining, c.remaining);
    EXPECT_EQ(game.darts_at_double[1][2], c.double_darts);
    EXPECT_EQ(game.players[0].com_result, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Visits, ComVisitTicks,
    testing::Values(
        VisitCase{"threeDartsScoreTheirSum", "", 501, {"T20", "T20", "T20"}, 180, 0},
        VisitCase{"checkOutWithSecondDartLeavesThirdBoxEmpty",
                  "60,S20,S20,S20\n40,D20,D20,D20\n",
                  60,
                  {"S20", "D20"},
                  -2,
                  1},
        VisitCase{"checkOutWithFirstDart", "50,D25,D25,D25\n", 50, {"D25"}, -1, 1},
        VisitCase{"zeroOnASingleIsABust", "20,S20,S20,S20\n", 20, {"S20"}, 0, 0},
        VisitCase{"leavingOneEndsTheVisitAtOnce",
                  "81,T20,T20,T20\n21,S20,S20,S20\n",
                  81,
                  {"T20", "S20"},
                  0,
                  0},
        VisitCase{"goingBelowZeroIsABust", "40,T20,T20,T20\n", 40, {"T20"}, 0, 0},
        VisitCase{"dartsAtADoubleAddUpOverTheVisit",
                  "36,D16,D16,D16\n4,D1,D1,D1\n2,D2,D2,D2\n",
                  36,
                  {"D16", "D1", "D2"},
                  0,
                  3},
        VisitCase{
            "targetOffTheBoardFallsBackToTheDefault", "90,S0,S0,S0\n", 90, {"T20", "T20"}, 0, 0}),
    [](const testing::TestParamInfo<VisitCase>& info) { return info.param.name; });

class ComVisitStop : public testing::Test {
protected:
    const ComTable m_table{ArrangeTable{}};
    ComThrower m_thrower{m_table, {20, 3}, 1};
    GameRecord m_game = perfect_thrower_game(501);
};

TEST_F(ComVisitStop, stopDuringTheVisitGivesMinusFiveWhateverWasThrown) {
    ComVisit visit(m_game, 1, m_thrower);
    visit.tick();
    visit.tick();
    visit.stop();
    EXPECT_TRUE(visit.finished());
    EXPECT_EQ(visit.result(), ComVisit::stopped);
    EXPECT_EQ(m_game.players[1].com_result, -5);
    const ComStep after = visit.tick();
    EXPECT_EQ(after.kind, ComStep::Kind::Finished);
    EXPECT_EQ(after.result, -5);
    EXPECT_EQ(visit.darts_thrown(), 2);
}

TEST_F(ComVisitStop, stopBeforeTheFirstDartThrowsNothing) {
    ComVisit visit(m_game, 1, m_thrower);
    visit.stop();
    EXPECT_EQ(visit.tick().result, -5);
    EXPECT_EQ(visit.darts_thrown(), 0);
}

TEST_F(ComVisitStop, stopAfterTheVisitEndedChangesNothing) {
    ComVisit visit(m_game, 1, m_thrower);
    while (!visit.finished()) {
        visit.tick();
    }
    visit.stop();
    EXPECT_EQ(visit.result(), 180);
    EXPECT_EQ(m_game.players[1].com_result, 180);
}

TEST_F(ComVisitStop, playerOtherThanZeroOrOneIsRefused) {
    EXPECT_THROW(ComVisit(m_game, 2, m_thrower), std::invalid_argument);
}

} // namespace
} // namespace dvk
