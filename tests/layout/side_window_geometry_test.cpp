#include "layout/side_window_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace dvk {
namespace {

// ---- Heights asked for by the main window ----

TEST(SideWindowHeights, followTheSettingsAndGuardTheirDivisors) {
    struct Row {
        const char* name;
        int height;
        int expected;
    };
    const Row rows[] = {
        {"leftLarger", left_score_height(800, 20), 265},
        {"leftMedium", left_score_height(800, 40), 200},
        {"leftSmaller", left_score_height(800, 60), 130},
        {"leftUnknownSizeCountsAsMedium", left_score_height(800, 30), 200},
        {"leftTruncatesBeforeScaling", left_score_height(29, 60), 0},
        {"nameDefault", name_bar_height(600, 11), 54},
        {"nameZeroDivisorUsesDefault", name_bar_height(800, 0), 72},
        {"nameNegativeDivisorUsesDefault", name_bar_height(800, -5), 72},
        {"guide", guide_bar_height(609), 60},
        {"guideNegativeLength", guide_bar_height(-1), 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.height, row.expected) << row.name;
    }
}

// ---- Left-score number fitted to "8888" ----

// "8888" is about two and a half ems wide; three pixels per point keeps the sums readable.
int eights_width(int points) {
    return points * 3;
}

TEST(LeftScoreLayout, keepsTheHeightDerivedSizeWhenWideAndShrinksWhenNarrow) {
    const LeftScoreLayout wide = left_score_layout(637, 200, eights_width);
    EXPECT_EQ(wide.frame, 7);
    EXPECT_EQ(wide.points, 130); // 200 - 10 * 7
    // Available width 200 - 2 * 7 = 186 takes 62 points of 3 pixels.
    EXPECT_EQ(left_score_layout(200, 200, eights_width).points, 62);
}

TEST(LeftScoreLayout, lowWindowHasNoFrameAndNothingFittingGivesZero) {
    const LeftScoreLayout low = left_score_layout(300, 25, eights_width);
    EXPECT_EQ(low.frame, 0);
    EXPECT_EQ(low.points, 25);
    EXPECT_EQ(left_score_layout(300, 200, [](int) { return 10000; }).points, 0);
}

TEST(LeftScoreLayout, measuresTheLargestSizeFirstAndFindsTheLargestFitInFewSteps) {
    std::vector<int> asked;
    const auto measure = [&asked](int points) {
        asked.push_back(points);
        return points > 100 ? 1000 : 10;
    };
    EXPECT_EQ(left_score_layout(400, 260, measure).points, 100);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.front(), 160);
    EXPECT_LE(asked.size(), 16u);
}

// Each size tried costs a font: a width in proportion to the size is settled in a few tries,
// at the size counting down from the largest would give.
TEST(LeftScoreLayout, proportionalWidthsTakeFewMeasurements) {
    for (int width = 40; width < 700; width += 37) {
        int asked = 0;
        const auto measure = [&asked](int points) {
            ++asked;
            return points * 31 / 12 + points / 9;
        };
        const LeftScoreLayout layout = left_score_layout(width, 300, measure);
        int counted = 300 - 10 * layout.frame;
        while (counted > 0 && measure(counted) > width - 2 * layout.frame) {
            --counted;
        }
        asked = 0;
        EXPECT_EQ(left_score_layout(width, 300, measure).points, counted) << "width " << width;
        EXPECT_LE(asked, 5) << "width " << width;
    }
}

// ---- Label fonts of the name bar and the guide bar ----

int two_pixels_per_point(int points) {
    return points * 2;
}

TEST(SideWindowFonts, nameFontLeavesAPixelAboveAndBelow) {
    EXPECT_EQ(name_bar_font_points(72, two_pixels_per_point), 35);
    EXPECT_EQ(name_bar_font_points(2, two_pixels_per_point), 2); // no room to fit in: unchanged
    EXPECT_EQ(name_bar_font_points(0, two_pixels_per_point), 0);
}

TEST(SideWindowFonts, guideFontFitsHalfTheBarLessSixPixels) {
    EXPECT_EQ(guide_font_points(80, two_pixels_per_point), 17);
    EXPECT_EQ(guide_font_points(60, two_pixels_per_point), 12);
    EXPECT_EQ(guide_font_points(12, two_pixels_per_point), 6); // no room to fit in: unchanged
}

TEST(SideWindowFonts, labelsShrinkForTextsThatCanFitAndIgnoreTextsThatCannot) {
    // Text i fits up to limits[i] points.
    const auto fits_below = [](std::vector<int> limits) {
        return [limits](int size, int index) {
            return size <= limits[static_cast<std::size_t>(index)];
        };
    };
    EXPECT_EQ(shrink_to_fit(40, 2, fits_below({40, 50})), 40);
    EXPECT_EQ(shrink_to_fit(40, 2, fits_below({27, 50})), 27);
    EXPECT_EQ(shrink_to_fit(40, 2, fits_below({30, 21})), 21);
    EXPECT_EQ(shrink_to_fit(40, 2, fits_below({20, 50})), 20);
    // The first text is cut at any size: only the second one counts.
    EXPECT_EQ(shrink_to_fit(40, 2, fits_below({19, 33})), 33);
    EXPECT_EQ(shrink_to_fit(40, 2, fits_below({19, 5})), 40);
    EXPECT_EQ(shrink_to_fit(40, 0, fits_below({})), 40);
    EXPECT_EQ(shrink_to_fit(1, 1, fits_below({0})), 1);
}

// ---- Name bar texts ----

GameRecord game_with(int sets0, int legs0, int legs1, int sets1) {
    GameRecord game;
    game.players[0].name = "Tobi";
    game.players[0].sets_won = sets0;
    game.players[0].legs_won = legs0;
    game.players[1].name = "Rosalie";
    game.players[1].sets_won = sets1;
    game.players[1].legs_won = legs1;
    return game;
}

TEST(NameBarScore, showsTheChosenTotals) {
    struct Row {
        const char* name;
        bool sets, total_sets, total_legs, player_view;
        std::string text;
    };
    const Row rows[] = {
        {"setsAndLegs", true, true, true, false, "(2) 1 - 3 (4)"},
        {"setsOnly", true, true, false, false, "(2) - (4)"},
        {"legsOfAGameWithoutSets", false, true, true, false, "1 - 3"},
        {"setsHiddenShowsLegs", true, false, true, false, "1 - 3"},
        {"nothingChosen", true, false, false, false, ""},
        {"playerWindowsCarryTheScore", true, true, true, true, ""},
    };
    for (const Row& row : rows) {
        NameBarContent content;
        content.sets = row.sets;
        content.total_sets = row.total_sets;
        content.total_legs = row.total_legs;
        content.player_view = row.player_view;
        EXPECT_EQ(name_bar_score_text(game_with(2, 1, 3, 4), content), row.text) << row.name;
    }
}

TEST(NameBarNames, computerIsNamedByItsLevelCountedFromOne) {
    GameRecord game = game_with(0, 0, 0, 0);
    game.players[1].com = 1;
    game.players[1].com_level = 11;
    NameBarContent content;
    content.first_marker = false;
    EXPECT_EQ(
        name_bar_player_text(game, 1, content, {"COM (Lv.%d)", "COM (Avg %d)", "COM like %s"}),
        "COM (Lv.12)");
    EXPECT_EQ(
        name_bar_player_text(game, 0, content, {"COM (Lv.%d)", "COM (Avg %d)", "COM like %s"}),
        "Tobi");
}

TEST(NameBarNames, firstThrowerIsMarkedOnlyWithoutThePlayerWindows) {
    const GameRecord game = game_with(0, 0, 0, 0);
    NameBarContent content;
    content.first_player = 1;
    EXPECT_EQ(name_bar_player_text(game, 0, content, {"COM", "COM", "COM"}), "Tobi");
    EXPECT_EQ(name_bar_player_text(game, 1, content, {"COM", "COM", "COM"}), "* Rosalie");
    content.player_view = true;
    EXPECT_EQ(name_bar_player_text(game, 1, content, {"COM", "COM", "COM"}), "Rosalie");
    content.player_view = false;
    content.first_marker = false;
    EXPECT_EQ(name_bar_player_text(game, 1, content, {"COM", "COM", "COM"}), "Rosalie");
}

TEST(NameBarNames, bandsStopShortOfTheScoreInTheMiddle) {
    const auto with_score = name_bar_bands(1000, 100, 10); // w = 105
    EXPECT_EQ(with_score[0].left, 5);
    EXPECT_EQ(with_score[0].right, 443);
    EXPECT_EQ(with_score[1].left, 557);
    EXPECT_EQ(with_score[1].right, 995);
    const auto without_score = name_bar_bands(1000, 0, 10);
    EXPECT_EQ(without_score[0].right, 495);
    EXPECT_EQ(without_score[1].left, 505);
    EXPECT_EQ(name_bar_bands(20, 100, 10)[0].width(), 0);
}

// ---- Cutting with an ellipsis ----

// Ten pixels per character, counting UTF-8 lead bytes only.
int ten_per_character(const std::string& text) {
    int characters = 0;
    for (const char c : text) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters * 10;
}

TEST(ElideText, keepsTextThatFitsAndCutsTheRestBeforeAnEllipsis) {
    EXPECT_EQ(elide_text("Tobi", 40, ten_per_character), "Tobi");
    EXPECT_EQ(elide_text("Alexander", 60, ten_per_character), "Ale...");
    EXPECT_EQ(elide_text("Alexander", 65, ten_per_character), "Ale...");
    EXPECT_EQ(elide_text("Alexander", 30, ten_per_character), "...");
    EXPECT_EQ(elide_text("Alexander", 29, ten_per_character), "");
    EXPECT_EQ(elide_text("", 0, ten_per_character), "");
}

TEST(ElideText, neverCutsInsideACharacter) {
    // "Jürgen Müller": umlauts take two bytes each.
    const std::string name = "J\xC3\xBCrgen M\xC3\xBCller";
    EXPECT_EQ(elide_text(name, 50, ten_per_character), "J\xC3\xBC...");
    EXPECT_EQ(elide_text(name, 40, ten_per_character), "J...");
    // A measure that counts bytes must still not end the prefix on a lead byte.
    const auto per_byte = [](const std::string& text) { return static_cast<int>(text.size()); };
    EXPECT_EQ(elide_text(name, 5, per_byte), "J...");
}

} // namespace
} // namespace dvk
