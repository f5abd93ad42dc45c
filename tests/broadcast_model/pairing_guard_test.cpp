#include "broadcast_model/pairing_guard.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

TEST(PairingGuard, theRightCodePairsAndAWrongOneDoesNot) {
    PairingGuard guard("482913");
    EXPECT_EQ(guard.try_code("10.0.0.2", "482914", 0), PairingOutcome::wrong_code);
    EXPECT_EQ(guard.try_code("10.0.0.2", "48291", 0), PairingOutcome::wrong_code);
    EXPECT_EQ(guard.try_code("10.0.0.2", "4829130", 0), PairingOutcome::wrong_code);
    EXPECT_EQ(guard.try_code("10.0.0.2", "", 0), PairingOutcome::wrong_code);
    EXPECT_EQ(guard.try_code("10.0.0.2", "482913", 0), PairingOutcome::paired);
}

TEST(PairingGuard, theFifthWrongCodeLocksTheAddressOutForAMinute) {
    PairingGuard guard("482913");
    for (int i = 0; i < PairingGuard::tries - 1; ++i) {
        EXPECT_EQ(guard.try_code("10.0.0.2", "000000", i), PairingOutcome::wrong_code);
    }
    EXPECT_EQ(guard.try_code("10.0.0.2", "000000", 10), PairingOutcome::locked_out);
    EXPECT_EQ(guard.try_code("10.0.0.2", "482913", 11), PairingOutcome::locked_out)
        << "even the right code waits for the minute";
    EXPECT_EQ(guard.try_code("10.0.0.3", "482913", 12), PairingOutcome::paired)
        << "other addresses are not locked";
    EXPECT_TRUE(guard.locked_out("10.0.0.2", 10 + PairingGuard::lockout_ms - 1));
    EXPECT_FALSE(guard.locked_out("10.0.0.2", 10 + PairingGuard::lockout_ms));
    EXPECT_EQ(guard.try_code("10.0.0.2", "000000", 10 + PairingGuard::lockout_ms),
              PairingOutcome::wrong_code)
        << "after the minute the address has its five tries again";
    EXPECT_EQ(guard.try_code("10.0.0.2", "482913", 10 + PairingGuard::lockout_ms),
              PairingOutcome::paired);
}

TEST(PairingGuard, anEmptyCodeNeverPairs) {
    PairingGuard guard("");
    EXPECT_NE(guard.try_code("a", "", 0), PairingOutcome::paired);
}

TEST(PairingGuard, aFloodOfAddressesKeepsTheTableBoundedAndRecentLockoutsAlive) {
    PairingGuard guard("1");
    for (int i = 0; i < PairingGuard::tries; ++i) {
        guard.try_code("attacker", "x", 1000);
    }
    for (int i = 0; i < 10'000; ++i) {
        guard.try_code("flood" + std::to_string(i), "x", i % 500);
    }
    EXPECT_TRUE(guard.locked_out("attacker", 2000))
        << "the oldest records go first, and the flood's are older";
}

TEST(RequestBudget, aBurstIsAllowedThenTheRateHolds) {
    RequestBudget budget(10, 20);
    int taken = 0;
    for (int i = 0; i < 100; ++i) {
        taken += budget.take(0) ? 1 : 0;
    }
    EXPECT_EQ(taken, 20);
    EXPECT_FALSE(budget.take(50));
    EXPECT_TRUE(budget.take(100)) << "one request back after a tenth of a second";
    EXPECT_FALSE(budget.take(100));
    taken = 0;
    for (int ms = 1000; ms < 11000; ms += 10) {
        taken += budget.take(ms) ? 1 : 0;
    }
    EXPECT_LE(taken, 10 * 10 + 20);
    EXPECT_GE(taken, 10 * 10 - 1);
    EXPECT_FALSE(budget.take(5)) << "a clock going backwards refills nothing";
}

} // namespace
} // namespace dvk
