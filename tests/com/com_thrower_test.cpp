#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "com/com_thrower.h"
#include "com/throw_model.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace dvk {
namespace {

GameRecord game_with(std::int32_t remaining, std::int32_t opponent, std::int32_t level) {
    GameRecord game;
    game.players[0].remaining = remaining;
    game.players[0].com_level = level;
    game.players[1].remaining = opponent;
    LegRecord leg = LegRecord::with_capacity(10, 1);
    leg.round = 4;
    game.legs.push_back(leg);
    for (auto& d : game.darts_at_double) {
        d.assign(11, 0);
    }
    return game;
}

// Counts how often each entry's dart-1 target is drawn for `game`.
std::map<std::string, int> draw_counts(const ComTable& table, const GameRecord& game, int thrown,
                                       const ComDarts& darts, int draws) {
    ComThrower thrower(table, {20, 3}, 77);
    std::map<std::string, int> counts;
    for (int i = 0; i < draws; ++i) {
        const std::int32_t entry = thrower.choose_com_entry(game, 0, thrown, darts);
        const std::string key =
            entry < 0 ? "none"
                      : std::string(table.table().entries[static_cast<std::size_t>(entry)].field(
                            static_cast<std::size_t>(thrown)));
        ++counts[key];
    }
    return counts;
}

class BuiltinComThrower : public testing::Test {
protected:
    const ComTable m_table{parse_arrange_text(builtin_arrange_text(BuiltinTable::Com))};
    ComThrower m_thrower{m_table, {20, 3}, 3};
    ComDarts m_darts{};
};

TEST_F(BuiltinComThrower, thirtyTwoAimsAtD16AndCountsADartAtADouble) {
    GameRecord game = game_with(32, 501, perfect_level);
    EXPECT_EQ(m_thrower.throw_com_dart(game, 0, 0, m_darts), 32);
    EXPECT_EQ(m_darts[0], (ComDart{16, 2}));
    EXPECT_EQ(game.darts_at_double[0][4], 1);
    EXPECT_EQ(game.darts_at_double[1][4], 0);
}

TEST_F(BuiltinComThrower, fiftyBeforeTheThirdDartAimsAtTheBullAndCountsIt) {
    GameRecord game = game_with(50, 501, perfect_level);
    m_darts = {ComDart{0, 1}, ComDart{0, 1}, ComDart{}};
    EXPECT_EQ(m_thrower.throw_com_dart(game, 0, 2, m_darts), 50);
    EXPECT_EQ(m_darts[2], (ComDart{25, 2}));
    EXPECT_EQ(game.darts_at_double[0][4], 1);
}

TEST_F(BuiltinComThrower, fiftyBeforeTheFirstDartSetsUpWithEqualChances) {
    GameRecord game = game_with(50, 501, perfect_level);
    const auto counts = draw_counts(m_table, game, 0, m_darts, 20000);
    EXPECT_EQ(counts.size(), 2u);
    EXPECT_NEAR(counts.at("S18"), 10000, 300);
    EXPECT_NEAR(counts.at("S10"), 10000, 300);
    m_thrower.throw_com_dart(game, 0, 0, m_darts);
    EXPECT_EQ(game.darts_at_double[0][4], 0);
}

TEST_F(BuiltinComThrower, thirtyFourTakesD17OrS2WithEqualChances) {
    const auto counts = draw_counts(m_table, game_with(34, 501, 5), 0, m_darts, 20000);
    EXPECT_EQ(counts.size(), 2u);
    EXPECT_NEAR(counts.at("D17"), 10000, 300);
    EXPECT_NEAR(counts.at("S2"), 10000, 300);
}

TEST_F(BuiltinComThrower, dartsAlreadyThrownLowerTheScoreLookedUp) {
    GameRecord game = game_with(92, 501, perfect_level);
    m_darts[0] = {20, 3};
    EXPECT_EQ(m_thrower.throw_com_dart(game, 0, 1, m_darts), 32);
    EXPECT_EQ(m_darts[1], (ComDart{16, 2}));
    EXPECT_EQ(game.darts_at_double[0][4], 1);
}

TEST_F(BuiltinComThrower, scoreWithoutEntryAimsAtTheDefaultTarget) {
    GameRecord game = game_with(501, 501, perfect_level);
    EXPECT_EQ(m_thrower.choose_com_entry(game, 0, 0, m_darts), -1);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(m_thrower.throw_com_dart(game, 0, k, m_darts), 60);
    }
    EXPECT_EQ(game.darts_at_double[0][4], 0);
}

TEST_F(BuiltinComThrower, opponentsScoreDecidesWhichEntriesMayBeDrawn) {
    const auto close = draw_counts(m_table, game_with(119, 170, 5), 0, m_darts, 10000);
    EXPECT_EQ(close, (std::map<std::string, int>{{"T19", 10000}}));
    const auto far = draw_counts(m_table, game_with(119, 171, 5), 0, m_darts, 10000);
    EXPECT_NEAR(far.at("T19"), 9000, 200);
    EXPECT_NEAR(far.at("T20"), 1000, 200);
}

TEST_F(BuiltinComThrower, oddArgumentsThrowNothing) {
    GameRecord game = game_with(100, 100, 5);
    EXPECT_EQ(m_thrower.throw_com_dart(game, 2, 0, m_darts), 0);
    EXPECT_EQ(m_thrower.throw_com_dart(game, 0, 3, m_darts), 0);
    EXPECT_EQ(m_thrower.choose_com_entry(game, -1, 0, m_darts), -1);
    EXPECT_EQ(m_darts, ComDarts{});
}

TEST_F(BuiltinComThrower, doubleDartCountNeedsAnOpenRoundSlot) {
    GameRecord game = game_with(32, 501, perfect_level);
    game.current_leg().round = 11;
    EXPECT_EQ(m_thrower.throw_com_dart(game, 0, 0, m_darts), 32);
    game.legs.clear();
    EXPECT_EQ(m_thrower.throw_com_dart(game, 0, 0, m_darts), 32);
    EXPECT_EQ(game.darts_at_double[0], std::vector<std::int8_t>(11, 0));
}

TEST(ComThrowerWeights, entriesAreDrawnInTheRatioOfTheirWeights) {
    const ComTable table(parse_arrange_text("7,S1,S1,S1,250\r\n7,S3,S3,S3,1\r\n"));
    const auto counts = draw_counts(table, game_with(7, 501, 5), 0, {}, 251000);
    EXPECT_NEAR(counts.at("S1"), 250000, 600);
    EXPECT_NEAR(counts.at("S3"), 1000, 150);
}

TEST(ComThrowerWeights, candidateListIsCutAtThousandPlaces) {
    const ComTable table(
        parse_arrange_text("7,S1,S1,S1,900\n7,S2,S2,S2,200\n7,S3,S3,S3,5\n7,S4,S4,S4\n"));
    const auto counts = draw_counts(table, game_with(7, 501, 5), 0, {}, 100000);
    EXPECT_EQ(counts.size(), 2u);
    EXPECT_NEAR(counts.at("S1"), 90000, 600);
    EXPECT_NEAR(counts.at("S2"), 10000, 600);
}

struct ColumnCase {
    const char* name;
    const char* column;
    std::int32_t weight;
    ComCondition condition;
};

void PrintTo(const ColumnCase& c, std::ostream* os) {
    *os << c.name;
}

class ComColumns : public testing::TestWithParam<ColumnCase> {};

TEST_P(ComColumns, readAsWeightAndCondition) {
    EXPECT_EQ(com_weight(GetParam().column), GetParam().weight);
    EXPECT_EQ(com_condition(GetParam().column), GetParam().condition);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ComColumns,
    testing::Values(ColumnCase{"empty", "", 1, ComCondition::Always},
                    ColumnCase{"zero", "0", 1, ComCondition::Always},
                    ColumnCase{"one", "1", 1, ComCondition::OpponentCanFinish},
                    ColumnCase{"two", "2", 2, ComCondition::OpponentAbove170},
                    ColumnCase{"three", "3", 3, ComCondition::Never},
                    ColumnCase{"negative", "-4", 1, ComCondition::Never},
                    ColumnCase{"plusSign", "+2", 2, ComCondition::OpponentAbove170},
                    ColumnCase{"text", "abc", 1, ComCondition::Always},
                    ColumnCase{"trailingText", "25x", 25, ComCondition::Never},
                    ColumnCase{"huge", "99999999999", 2147483647, ComCondition::Never}),
    [](const testing::TestParamInfo<ColumnCase>& info) { return info.param.name; });

TEST(ComThrowerConditions, neverEligibleEntriesAreLeftOut) {
    const ComTable table(parse_arrange_text("7,S1,S1,S1,1,3\n7,S2,S2,S2,1,1\n7,S3,S3,S3,1,0\n"));
    const auto close = draw_counts(table, game_with(7, 100, 5), 0, {}, 10000);
    EXPECT_EQ(close.size(), 2u);
    EXPECT_TRUE(close.contains("S2") && close.contains("S3"));
    const auto far = draw_counts(table, game_with(7, 300, 5), 0, {}, 100);
    EXPECT_EQ(far, (std::map<std::string, int>{{"S3", 100}}));
}

struct DefaultCase {
    const char* name;
    Segment settings;
    Segment target;
};

void PrintTo(const DefaultCase& c, std::ostream* os) {
    *os << c.name;
}

class DefaultTarget : public testing::TestWithParam<DefaultCase> {};

TEST_P(DefaultTarget, isCorrectedOntoTheBoard) {
    const DefaultCase& c = GetParam();
    EXPECT_EQ(default_target(c.settings.number, c.settings.multiplier), c.target);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, DefaultTarget,
    testing::Values(DefaultCase{"treble20", {20, 3}, {20, 3}},
                    DefaultCase{"single7", {7, 1}, {7, 1}},
                    DefaultCase{"bullTrebleBecomesBullsEye", {25, 3}, {25, 2}},
                    DefaultCase{"outerBullStays", {25, 1}, {25, 1}},
                    DefaultCase{"numberZeroBecomes20", {0, 2}, {20, 2}},
                    DefaultCase{"number21Becomes20", {21, 0}, {20, 3}},
                    DefaultCase{"multiplierFourBecomesTreble", {7, 4}, {7, 3}}),
    [](const testing::TestParamInfo<DefaultCase>& info) { return info.param.name; });

TEST(ComThrowerTargets, targetOffTheBoardUsesTheDefaultTargetWithoutCounting) {
    const ComTable table(parse_arrange_text("40,D30,,X\n"));
    ComThrower thrower(table, {25, 3}, 1);
    GameRecord game = game_with(40, 501, perfect_level);
    ComDarts darts{};
    for (int k = 0; k < 3; ++k) {
        game.players[0].remaining = 40 + darts_sum(darts, k);
        EXPECT_EQ(thrower.throw_com_dart(game, 0, k, darts), 50);
        EXPECT_EQ(darts[static_cast<std::size_t>(k)], (ComDart{25, 2}));
    }
    EXPECT_EQ(game.darts_at_double[0][4], 0);
}

TEST(ComThrowerTargets, emptyTableAlwaysUsesTheDefaultTarget) {
    const ComTable table{ArrangeTable{}};
    ComThrower thrower(table, {19, 3}, 1);
    GameRecord game = game_with(40, 501, perfect_level);
    ComDarts darts{};
    EXPECT_EQ(thrower.throw_com_dart(game, 0, 0, darts), 57);
}

} // namespace
} // namespace dvk
