#include "layout/player_info_geometry.h"
#include "layout/player_info_scroll.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

using K = PlayerInfoRowKind;
using T = PlayerInfoText;
using F = PlayerInfoFont;
using A = PlayerInfoAlign;
using P = PlayerInfoPart;

// Text heights of a font at 96 dots per inch with a line a quarter above the pixel size.
int line_at(int points) {
    return points * 96 / 72 * 5 / 4;
}

PlayerInfoMeasure measure(int header = 0) {
    return {line_at, line_at, line_at, [header](int) { return header; }};
}

PlayerInfoOptions many_items() {
    PlayerInfoOptions items;
    items.total_tons = items.total_100 = items.total_180s = items.total_high_off = 1;
    items.avg_darts = items.avg_check_out = items.avg_keep = 1;
    items.arrange = 1;
    return items;
}

std::vector<PlayerInfoRow> skeleton(bool large_font) {
    PlayerInfoOptions items = many_items();
    items.large_font = large_font ? 1 : 0;
    return player_info_skeleton(items, PlayerInfoMode{});
}

TEST(PlayerInfoGeometry, startSizesFollowTheWidth) {
    struct Case {
        int width;
        bool long_label;
        PlayerInfoFontSizes sizes;
    };
    for (const Case& c : {Case{198, false, {19, 12, 39}}, Case{256, false, {25, 20, 51}},
                          Case{256, true, {18, 12, 51}}, Case{198, true, {14, 9, 39}},
                          Case{60, false, {9, 9, 14}}, Case{0, false, {9, 9, 14}}}) {
        EXPECT_EQ(player_info_start_sizes(c.width, c.long_label), c.sizes)
            << c.width << " " << c.long_label;
    }
}

TEST(PlayerInfoGeometry, gapsGiveWayBeforeTheFonts) {
    const auto rows = skeleton(false);
    PlayerInfoMetrics full{line_at(19), line_at(12), 0, line_at(19) / 2, false};
    const int tall = player_info_content_height(rows, full);
    const PlayerInfoFit roomy =
        fit_player_info_fonts({198, tall, false, false, false}, rows, measure());
    EXPECT_EQ(roomy.sizes, player_info_start_sizes(198, false));
    EXPECT_EQ(roomy.metrics, full);
    const PlayerInfoFit fit =
        fit_player_info_fonts({198, tall - 3, false, false, false}, rows, measure());
    EXPECT_EQ(fit.sizes.main, 19);
    EXPECT_LT(fit.metrics.gap, full.gap);
    EXPECT_LE(player_info_content_height(rows, fit.metrics), tall - 3);
}

TEST(PlayerInfoGeometry, fontsShrinkWithTheHeightAndFitWhileTheyCan) {
    for (const bool large : {false, true}) {
        const auto rows = skeleton(large);
        int previous = 1000;
        for (int height = 900; height >= 40; height -= 10) {
            const PlayerInfoFit fit =
                fit_player_info_fonts({256, height, false, false, large}, rows, measure(20));
            const int needed = 20 + player_info_content_height(rows, fit.metrics);
            EXPECT_LE(fit.sizes.main, previous) << height;
            previous = fit.sizes.main;
            const bool smallest = fit.sizes.main == 9 && (!large || fit.sizes.large == 14);
            if (!smallest) {
                EXPECT_LE(needed, height) << height << " large " << large;
            } else if (needed > height) {
                EXPECT_EQ(fit.metrics.gap, 0) << "gaps go before scrolling";
            }
        }
        EXPECT_EQ(previous, 9);
    }
}

TEST(PlayerInfoGeometry, theHeaderTakesItsShareOfTheHeight) {
    const auto rows = skeleton(false);
    const int height = 400;
    const PlayerInfoFit plain =
        fit_player_info_fonts({198, height, false, false, false}, rows, measure(0));
    const PlayerInfoFit headed =
        fit_player_info_fonts({198, height, false, false, false}, rows, measure(40));
    EXPECT_EQ(headed.header_height, 40);
    EXPECT_EQ(plain.header_height, 0);
    EXPECT_LE(40 + player_info_content_height(rows, headed.metrics), height);
    EXPECT_TRUE(headed.sizes.main < plain.sizes.main || headed.metrics.gap < plain.metrics.gap);
}

TEST(PlayerInfoGeometry, indentsCentreTheFiguresOnNarrowOrLargeWindows) {
    struct Case {
        const char* name;
        int width, figure, suggestion, average;
        bool large;
        PlayerInfoIndent indent;
    };
    for (const Case& c : {
             Case{"wide: a sixth", 600, 200, 150, 10, false, {100, 80, 100}},
             Case{"large font: centred", 600, 200, 150, 10, true, {200, 180, 225}},
             Case{"narrow: centred", 198, 170, 120, 10, false, {14, 0, 33}},
             Case{"too narrow: at the edge", 100, 170, 150, 10, false, {0, 0, 0}},
         }) {
        EXPECT_EQ(player_info_indent(c.width, c.figure, c.suggestion, c.average, c.large), c.indent)
            << c.name;
    }
}

TEST(PlayerInfoGeometry, normalFormPutsValuesOnTheLabelLine) {
    const std::vector<PlayerInfoRow> rows = {{K::first, T::first, "", false},
                                             {K::title, T::averages, "", false},
                                             {K::figure, T::keep, "50.00", false},
                                             {K::counts, T::first, "(1 / 2)", false},
                                             {K::figure, T::score, "60.00", false}};
    const PlayerInfoMetrics m{20, 14, 0, 6, false};
    const PlayerInfoLayout layout = place_player_info_rows(rows, m, {30, 10, 40}, 200);
    const std::vector<PlayerInfoPlacement> expected = {
        {1, P::label, F::main, A::left, 10, 20, 190, 20},
        {2, P::label, F::main, A::left, 30, 40, 140, 20},
        {2, P::value, F::main, A::right, 30, 40, 140, 20},
        {3, P::value, F::small, A::right, 30, 60, 140, 14},
        {4, P::label, F::main, A::left, 30, 80, 140, 20},
        {4, P::value, F::main, A::right, 30, 80, 140, 20}};
    EXPECT_EQ(layout.placements, expected) << "an unmarked first line keeps its space";
    EXPECT_EQ(layout.content_height, 100) << "no gap after the last row";
}

TEST(PlayerInfoGeometry, largeFormCentresValuesUnderTheirLabels) {
    const std::vector<PlayerInfoRow> rows = {{K::first, T::first, "", true},
                                             {K::figure, T::keep, "50.00", false},
                                             {K::counts, T::first, "(1 / 2)", false},
                                             {K::title, T::dart_out_shots, "", false},
                                             {K::suggestion, T::first, "T20-D20", false}};
    const PlayerInfoMetrics m{20, 14, 50, 6, true};
    const PlayerInfoLayout layout = place_player_info_rows(rows, m, {30, 10, 40}, 200);
    const std::vector<PlayerInfoPlacement> expected = {
        {0, P::label, F::main, A::centre, 0, 0, 200, 20},
        {1, P::label, F::main, A::left, 30, 20, 140, 20},
        {1, P::value, F::large, A::centre, 0, 40, 200, 50},
        {2, P::value, F::main, A::centre, 0, 90, 200, 20},
        {3, P::label, F::main, A::left, 10, 116, 190, 20},
        {4, P::value, F::main, A::left, 40, 136, 160, 20}};
    EXPECT_EQ(layout.placements, expected);
    EXPECT_EQ(layout.content_height, 156) << "the gap before a title stays";
}

TEST(PlayerInfoScrolling, bandsAndSteps) {
    const PlayerInfoScroll view{200, 300, 40, 500, 30};
    EXPECT_EQ(player_info_max_scroll(view), 240);
    EXPECT_EQ(player_info_max_scroll({200, 300, 40, 100, 30}), 0);
    struct Case {
        const char* name;
        int position, x, y;
        PlayerInfoBand band;
    };
    for (const Case& c : {
             Case{"top band at the start", 0, 10, 50, PlayerInfoBand::none},
             Case{"top band scrolled", 10, 10, 50, PlayerInfoBand::top},
             Case{"on the header edge", 10, 10, 40, PlayerInfoBand::none},
             Case{"below the top band", 10, 10, 70, PlayerInfoBand::none},
             Case{"bottom band", 0, 10, 280, PlayerInfoBand::bottom},
             Case{"bottom band at the end", 240, 10, 280, PlayerInfoBand::none},
             Case{"left of the window", 10, -1, 50, PlayerInfoBand::none},
             Case{"right of the window", 0, 200, 280, PlayerInfoBand::none},
             Case{"below the window", 0, 10, 300, PlayerInfoBand::none},
         }) {
        EXPECT_EQ(player_info_band(view, c.position, c.x, c.y), c.band) << c.name;
    }
    EXPECT_EQ(player_info_scrolled(view, 10, PlayerInfoBand::top, 25), 0);
    EXPECT_EQ(player_info_scrolled(view, 100, PlayerInfoBand::top, 25), 75);
    EXPECT_EQ(player_info_scrolled(view, 100, PlayerInfoBand::bottom, 25), 125);
    EXPECT_EQ(player_info_scrolled(view, 230, PlayerInfoBand::bottom, 25), 240);
    EXPECT_EQ(player_info_scrolled(view, 100, PlayerInfoBand::none, 25), 100);
    EXPECT_EQ(player_info_scrolled({200, 300, 40, 100, 30}, 0, PlayerInfoBand::bottom, 25), 0);
}

} // namespace
} // namespace dvk
