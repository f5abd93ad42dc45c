#include "layout/side_window_geometry.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

// The search must give what counting down one point at a time gives, for any limit.
TEST(LargestFittingSize, agreesWithCountingDown) {
    const auto text_height = [](int points) { return points * 4 / 3 + points / 7; };
    for (int limit = -2; limit < 90; ++limit) {
        int counted = 60;
        while (counted >= 1 && text_height(counted) > limit) {
            --counted;
        }
        const int searched =
            largest_fitting_size(1, 60, [&](int p) { return text_height(p) <= limit; });
        EXPECT_EQ(searched, counted) << "limit " << limit;
    }
}

// From any guess, in or out of the range, the search near it finds the same size.
TEST(LargestFittingSize, searchNearAGuessAgreesWithCountingDown) {
    const auto text_height = [](int points) { return points * 4 / 3 + points / 7; };
    for (int limit = -2; limit < 90; limit += 3) {
        int counted = 60;
        while (counted >= 1 && text_height(counted) > limit) {
            --counted;
        }
        for (int guess = -5; guess < 70; ++guess) {
            const int searched = largest_fitting_size_near(
                1, 60, guess, [&](int p) { return text_height(p) <= limit; });
            EXPECT_EQ(searched, counted) << "limit " << limit << " guess " << guess;
        }
    }
    EXPECT_EQ(largest_fitting_size_near(5, 4, 5, [](int) { return true; }), 4);
}

TEST(LargestFittingSize, closeGuessTakesFewMeasurements) {
    for (const int guess : {39, 40, 41}) {
        int asked = 0;
        const int found = largest_fitting_size_near(1, 120, guess, [&asked](int p) {
            ++asked;
            return p <= 40;
        });
        EXPECT_EQ(found, 40);
        EXPECT_LE(asked, 4) << "guess " << guess;
    }
}

TEST(LargestFittingSize, emptyRangeGivesOneBelowTheLow) {
    EXPECT_EQ(largest_fitting_size(5, 4, [](int) { return true; }), 4);
    EXPECT_EQ(largest_fitting_size(5, 9, [](int) { return false; }), 4);
    EXPECT_EQ(largest_fitting_size(5, 9, [](int) { return true; }), 9);
}

} // namespace
} // namespace dvk
