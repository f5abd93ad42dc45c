#include "com/throw_model.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace dvk {
namespace {

TEST(ComRandom, followsTheClassicGeneratorFromItsSeed) {
    ComRandom random(1);
    std::vector<std::int32_t> values;
    for (int i = 0; i < 5; ++i) {
        values.push_back(random.next());
    }
    EXPECT_EQ(values, (std::vector<std::int32_t>{41, 18467, 6334, 26500, 19169}));
    random.seed(1);
    EXPECT_EQ(random.next(), 41);
}

TEST(ComRandom, rollAgainstHundredAlwaysSucceedsAndAgainstZeroNever) {
    ComRandom random(99);
    for (int i = 0; i < 1000; ++i) {
        EXPECT_TRUE(random.roll(100));
        EXPECT_FALSE(random.roll(0));
    }
}

TEST(BoardNeighbour, followsTheBoardOrderAroundTheTop) {
    EXPECT_EQ(board_neighbour(20, 0), 5);
    EXPECT_EQ(board_neighbour(20, 1), 1);
    EXPECT_EQ(board_neighbour(5, 1), 20);
    EXPECT_EQ(board_neighbour(3, 0), 17);
    EXPECT_EQ(board_neighbour(3, 1), 19);
    EXPECT_EQ(board_neighbour(25, 0), 0);
}

TEST(SimulateDart, topLevelHitsEveryAimedSegment) {
    ComRandom random(7);
    for (int round = 0; round < 50; ++round) {
        for (std::int32_t n = 1; n <= 20; ++n) {
            for (std::int32_t m = 1; m <= 3; ++m) {
                EXPECT_EQ(simulate_dart(perfect_level, n, m, random), (ComDart{n, m}));
            }
        }
        EXPECT_EQ(simulate_dart(perfect_level, 25, 1, random), (ComDart{25, 1}));
        EXPECT_EQ(simulate_dart(perfect_level, 25, 2, random), (ComDart{25, 2}));
        EXPECT_EQ(simulate_dart(30, 19, 3, random), (ComDart{19, 3}));
    }
}

TEST(SimulateDart, levelsOutsideTheTableThrowLikeTheNearestLevel) {
    ComRandom a(5);
    ComRandom b(5);
    for (int i = 0; i < 500; ++i) {
        EXPECT_EQ(simulate_dart(-3, 20, 3, a), simulate_dart(0, 20, 3, b));
    }
}

TEST(SimulateDart, numberOffTheBoardScoresNothing) {
    ComRandom random(5);
    EXPECT_EQ(simulate_dart(12, 0, 3, random), (ComDart{0, 1}));
    EXPECT_EQ(simulate_dart(12, 21, 1, random), (ComDart{0, 1}));
}

TEST(SimulateDart, bullsEyeAimedAtTheTopLevelNeverLeavesTheBull) {
    ComRandom random(11);
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(simulate_dart(12, 25, 3, random), (ComDart{25, 1}));
    }
}

// Shares of outcomes over many darts, against the chances the rolls give.
std::map<std::string, double> shares(std::int32_t level, std::int32_t n, std::int32_t m) {
    ComRandom random(2024);
    std::map<std::string, double> counts;
    const int darts = 200000;
    for (int i = 0; i < darts; ++i) {
        const ComDart dart = simulate_dart(level, n, m, random);
        counts[dart.text()] += 1.0 / darts;
        counts[dart.multiplier == 3   ? "any treble"
               : dart.multiplier == 2 ? "any double"
                                      : "any single"] += 1.0 / darts;
    }
    return counts;
}

TEST(SimulateDart, trebleHitsAtTheLevelsRate) {
    // Level 11 aiming at T20: 70 % treble at once, else 95 % of the rest single 20.
    auto s = shares(11, 20, 3);
    EXPECT_NEAR(s["T20"], 0.70, 0.01);
    EXPECT_NEAR(s["S20"], 0.30 * 0.95, 0.01);
}

TEST(SimulateDart, dartAtADoubleMissesTheBoardHalfOfItsSingles) {
    // Level 0 at D20: each try lands a double with 10 %, a single or a miss with 9 % each.
    auto s = shares(0, 20, 2);
    EXPECT_NEAR(s["0"], 0.09 / 0.28, 0.01);
    EXPECT_NEAR(s["any double"], 0.10 / 0.28, 0.01);
    EXPECT_NEAR(s["D20"], 0.10, 0.01);
}

TEST(SimulateDart, outerBullAimedMayEndInTheBullsEye) {
    // Level 0 at S25: in the bull with 10 % + 90 % / 21, then S25 with 10 %.
    auto s = shares(0, 25, 1);
    const double in_bull = 0.10 + 0.90 / 21;
    EXPECT_NEAR(s["S25"], in_bull * 0.10, 0.005);
    EXPECT_NEAR(s["D25"], in_bull * 0.90, 0.005);
    EXPECT_NEAR(s["S7"], 0.90 / 21, 0.005);
}

TEST(ComDart, textNamesTheSegment) {
    EXPECT_EQ((ComDart{0, 1}).text(), "0");
    EXPECT_EQ((ComDart{25, 1}).text(), "S25");
    EXPECT_EQ((ComDart{25, 2}).text(), "D25");
    EXPECT_EQ((ComDart{19, 3}).text(), "T19");
    EXPECT_EQ((ComDart{19, 3}).points(), 57);
}

} // namespace
} // namespace dvk
