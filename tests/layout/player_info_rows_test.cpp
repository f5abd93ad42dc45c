#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "layout/player_info_rows.h"
#include "support/match_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace dvk::testing {
namespace {

using K = PlayerInfoRowKind;
using Texts = std::vector<std::string>;

const ArrangeTable& checkout_table() {
    static const ArrangeTable table =
        parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout));
    return table;
}

PlayerInfoOptions every_item() {
    PlayerInfoOptions items;
    items.total_tons = items.total_100 = items.total_140 = items.total_180s = 1;
    items.total_high_off = items.total_short = items.total_long = 1;
    items.avg_darts = items.avg_first9 = items.avg_check_out = 1;
    items.avg_keep = items.avg_break = 1;
    items.arrange = 1;
    return items;
}

PlayerInfoOptions no_item() {
    PlayerInfoOptions items;
    items.name = items.first = items.total_sets = items.total_legs = items.avg_score = 0;
    items.avg_check_out_count = items.avg_keep_count = items.avg_break_count = 0;
    return items;
}

// "Label: value" per figure, "[Title]", the value alone otherwise, as a reader sees them.
Texts texts(const std::vector<PlayerInfoRow>& rows) {
    static const Texts names = {"- First -", "Totals", "Averages",  "Dart out shots", "Sets",
                                "Legs",      "Tons",   "100+",      "140+",           "180's",
                                "High Out",  "Best",   "Worst",     "Darts",          "Score",
                                "First 9",   "Check",  "Check-Out", "Keep",           "Break"};
    Texts out;
    for (const PlayerInfoRow& row : rows) {
        const std::string& name = names.at(static_cast<std::size_t>(row.label));
        if (row.kind == K::first) {
            out.push_back(row.marked ? name : "(first line)");
        } else if (row.kind == K::title) {
            out.push_back("[" + name + "]");
        } else if (row.kind == K::figure) {
            out.push_back(name + ": " + row.value);
        } else {
            out.push_back(row.value);
        }
    }
    return out;
}

Texts texts(const PlayerInfoOptions& items, const PlayerInfoMode& mode, const PlayerBlock& player) {
    return texts(player_info_rows(items, mode, &player, checkout_table()));
}

bool has(const Texts& shown, const std::string& text) {
    return std::find(shown.begin(), shown.end(), text) != shown.end();
}

// Ann wins the first leg of a 501 game in twelve darts; in the second leg Bob throws first and
// Ann is left on 141.
struct PlayedGame : ::testing::Test {
    MatchFixture f{two_humans()};

    void SetUp() override {
        f.ports.checkout_darts = {3};
        f.ports.game_shot_answers = {true};
        f.visits({100, 60, 140, 60, 180, 60, 81});
        f.visits({100, 180, 100, 180});
        ASSERT_EQ(f.game().players[0].remaining, 141);
    }
    const PlayerBlock& ann() { return f.game().players[0]; }
};

TEST_F(PlayedGame, everyFigureAfterAWonLegAndAnOpenOne) {
    const Texts expected = {
        "(first line)", "[Totals]", "Legs: 1", "Tons: 5", "100+: 1", "140+: 1", "180's: 3",
        "High Out: 81", "Best: 12", "Worst: 12", "[Averages]", "Darts: 12.00",
        // 501 + 360 points in 18 darts, per three darts
        "Score: 143.50",
        // 420 in the first nine darts of leg 1, 360 in the six of leg 2
        "First 9: 156.00", "Check-Out: 0.00", "(0 / 0)", "Keep: 100.00", "(1 / 1)", "Break: 0.00",
        "(0 / 0)", "[Dart out shots]", "T20-T15-D18", "T17-D25-D20"};
    EXPECT_EQ(texts(every_item(), {}, ann()), expected);
}

TEST_F(PlayedGame, matchTotalsAddUpUnlessTheGameIsShownAlone) {
    PlayerBlock player = ann();
    player.match.tons = 5;
    player.match.total_score = 99;
    player.match.total_darts = 6;
    player.match.best_leg = 15;
    player.match.high_out = 140;
    PlayerInfoOptions items = every_item();
    items.avg_per_round = 0;
    PlayerInfoMode mode;
    mode.show_all = true;
    const Texts combined = texts(items, mode, player);
    for (const char* text :
         {"Tons: 10", "Score: 40.00", "Best: 12", "Worst: 12", "High Out: 140"}) {
        EXPECT_TRUE(has(combined, text)) << text;
    }
    mode.game_only = true;
    const Texts game = texts(items, mode, player);
    for (const char* text : {"Tons: 5", "Score: 47.83", "First 9: 52.00", "High Out: 81"}) {
        EXPECT_TRUE(has(game, text)) << text;
    }
}

TEST(PlayerInfoRows, dialogModeShowsEveryFigureAndZeroForEmptyQuotients) {
    PlayerBlock player;
    player.remaining = 501;
    PlayerInfoMode mode;
    mode.show_all = true;
    mode.throws_first = true;
    const Texts expected = {"[Totals]",      "Legs: 0",         "Tons: 0",     "100+: 0",
                            "140+: 0",       "180's: 0",        "High Out: 0", "Best: 0",
                            "Worst: 0",      "[Averages]",      "Darts: 0.00", "Score: 0.00",
                            "First 9: 0.00", "Check-Out: 0.00", "(0 / 0)",     "Keep: 0.00",
                            "(0 / 0)",       "Break: 0.00",     "(0 / 0)"};
    EXPECT_EQ(texts(no_item(), mode, player), expected)
        << "no first line and no suggestions whatever the items say";
}

TEST(PlayerInfoRows, setsOnlyWhenTheGameCountsSets) {
    PlayerBlock player;
    player.sets_won = 2;
    struct Case {
        const char* name;
        bool sets_item, sets_shown, show_all, expected;
    };
    for (const Case& c : {Case{"item on, legs limited", true, true, false, true},
                          Case{"item on, legs not limited", true, false, false, false},
                          Case{"item off, legs limited", false, true, false, false},
                          Case{"dialog, legs limited", false, true, true, true},
                          Case{"dialog, legs not limited", true, false, true, false}}) {
        PlayerInfoOptions items;
        items.total_sets = c.sets_item ? 1 : 0;
        PlayerInfoMode mode;
        mode.sets_shown = c.sets_shown;
        mode.show_all = c.show_all;
        EXPECT_EQ(has(texts(items, mode, player), "Sets: 2"), c.expected) << c.name;
    }
}

TEST(PlayerInfoRows, sectionsAppearOnlyWithARowUnderThem) {
    PlayerBlock player;
    player.remaining = 50;
    PlayerInfoOptions items = no_item();
    items.arrange = 1;
    const Texts fifty = texts(items, {}, player);
    ASSERT_EQ(fifty.size(), 1 + suggestion_lines(checkout_table(), 50).size());
    EXPECT_EQ(fifty.at(0), "[Dart out shots]");
    EXPECT_EQ(fifty.at(1), "D25");
    player.remaining = 159;
    EXPECT_EQ(texts(items, {}, player), Texts{"[Dart out shots]"}) << "no way for 159";
    items.arrange = 0;
    items.total_sets = 1;
    EXPECT_TRUE(texts(items, {}, player).empty()) << "no Totals over a Sets row not shown";
}

TEST(PlayerInfoRows, checkOutLabelAndCounts) {
    PlayerBlock player;
    struct Case {
        bool large_font, long_label;
        Texts expected;
    };
    for (const Case& c : {Case{false, false, {"Check: 0.00", "Keep: 0.00", "(0 / 0)"}},
                          Case{true, false, {"Check-Out: 0.00", "Keep: 0.00", "(0 / 0)"}},
                          Case{false, true, {"Check-Out: 0.00", "Keep: 0.00", "(0 / 0)"}}}) {
        PlayerInfoOptions items = no_item();
        items.avg_check_out = items.avg_keep = 1;
        items.avg_keep_count = items.avg_break_count = 1; // Break itself is off
        items.large_font = c.large_font ? 1 : 0;
        PlayerInfoMode mode;
        mode.long_label = c.long_label;
        Texts shown = texts(items, mode, player);
        shown.erase(shown.begin()); // "[Averages]"
        EXPECT_EQ(shown, c.expected) << c.large_font << c.long_label;
        EXPECT_EQ(player_info_large_form(items, mode), c.large_font);
    }
}

TEST(PlayerInfoRows, skeletonReservesSuggestionLinesWithoutValues) {
    PlayerInfoMode mode;
    mode.suggestion_reserve = 20;
    const auto rows = player_info_skeleton(every_item(), mode);
    EXPECT_TRUE(std::all_of(rows.begin(), rows.end(),
                            [](const PlayerInfoRow& row) { return row.value.empty(); }));
    const PlayerBlock player; // a remaining score of 0 has no suggestions
    EXPECT_EQ(rows.size(),
              player_info_rows(every_item(), {}, &player, checkout_table()).size() + 20);
}

} // namespace
} // namespace dvk::testing
