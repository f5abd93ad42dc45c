#include "support/match_harness.h"

#include <gtest/gtest.h>

namespace dvk::testing {
namespace {

TEST(Cursor, enterOnAnEmptyOpenCellDoesNothing) {
    MatchFixture f(two_humans());
    f.type("");
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 0}));
    EXPECT_EQ(f.ports.beeps, 0);
}

TEST(Cursor, shiftTabOnAnEmptyOpenCellMovesBack) {
    MatchFixture f(two_humans());
    f.visits({60, 45});
    ASSERT_EQ(f.sheet().input_cell(), (InputCell{0, 1}));
    f.sheet().previous_cell();
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{1, 0}));
    EXPECT_EQ(f.ports.text, "45");
    f.sheet().previous_cell();
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 0}));
    f.sheet().previous_cell();
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 0})) << "nothing before round 0";
}

TEST(Cursor, anEnteredCellCannotBeLeftEmpty) {
    MatchFixture f(two_humans());
    f.visits({60, 45, 100});
    f.sheet().move_up();
    ASSERT_EQ(f.sheet().input_cell(), (InputCell{1, 0}));
    f.ports.text = "";
    f.ports.modified = true;
    f.sheet().move_up();
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{1, 0}));
    EXPECT_EQ(f.leg().scores[1][0], 45);
}

TEST(Cursor, escapeDiscardsTheTypedTextAndReturnsToThePlayerToThrow) {
    MatchFixture f(two_humans());
    f.visits({60, 45, 100});
    f.sheet().home();
    f.ports.text = "99";
    f.ports.modified = true;
    f.sheet().escape();
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{1, 1}));
    EXPECT_EQ(f.ports.text, "");
    EXPECT_EQ(f.leg().scores[0][0], 60);
}

TEST(Cursor, homeShowsTheStartRowAndEndGoesToThePlayerToThrow) {
    MatchFixture f(two_humans());
    f.sheet().set_rows_per_page(3);
    for (int i = 0; i < 5; ++i) {
        f.visits({20, 20});
    }
    EXPECT_EQ(f.sheet().top(), 4) << "the open round is brought into view";
    f.sheet().home();
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 0}));
    EXPECT_EQ(f.sheet().top(), 0);
    EXPECT_EQ(f.ports.shown_row, 1);
    f.sheet().end();
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 5}));
    EXPECT_EQ(f.sheet().top(), 4);
}

TEST(Cursor, pageKeysMoveByAPageLessOneRound) {
    MatchFixture f(two_humans());
    f.sheet().set_rows_per_page(4);
    for (int i = 0; i < 8; ++i) {
        f.visits({20, 20});
    }
    ASSERT_EQ(f.sheet().input_cell(), (InputCell{0, 8}));
    f.sheet().page_up();
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 5}));
    f.sheet().page_up();
    f.sheet().page_up();
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 0}));
    EXPECT_EQ(f.sheet().top(), 0);
    f.sheet().page_down();
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 3}));
    f.sheet().page_down();
    f.sheet().page_down();
    f.sheet().page_down();
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 8})) << "not past the open round";
}

TEST(Cursor, clicksHitCellsOfTheShownRounds) {
    MatchFixture f(two_humans());
    f.visits({60, 45, 100});
    f.sheet().click(1, 1);
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{1, 0}));
    f.sheet().click(-1, 2);
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{1, 0})) << "the round column is no cell";
    f.sheet().click(0, 0);
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 0})) << "the start row gives round 0";
    f.sheet().click(1, 9);
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{1, 1})) << "lowered to the open round";
}

TEST(Cursor, edgesMoveBetweenThePlayersOfARound) {
    MatchFixture f(two_humans());
    f.sheet().right_edge();
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{1, 0}));
    f.sheet().right_edge();
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{1, 0}));
    f.sheet().left_edge();
    EXPECT_EQ(f.sheet().input_cell(), (InputCell{0, 0}));
}

TEST(Cursor, scrollingKeepsWithinTheRange) {
    MatchFixture f(two_humans());
    f.sheet().set_rows_per_page(4);
    for (int i = 0; i < 10; ++i) {
        f.visits({10, 10});
    }
    EXPECT_EQ(f.sheet().largest_top(), 11 - 4 + 1);
    f.sheet().scroll(ScrollCommand::Top);
    EXPECT_EQ(f.sheet().top(), 0);
    EXPECT_FALSE(f.ports.cell_shown) << "the input cell scrolled out of view";
    for (int i = 0; i < 3; ++i) {
        f.sheet().scroll(ScrollCommand::LineDown);
    }
    EXPECT_EQ(f.sheet().top(), 3);
    f.sheet().scroll(ScrollCommand::PageDown);
    EXPECT_EQ(f.sheet().top(), 6);
    f.sheet().scroll(ScrollCommand::PageDown);
    EXPECT_EQ(f.sheet().top(), 8);
    f.sheet().scroll(ScrollCommand::PageUp);
    EXPECT_EQ(f.sheet().top(), 5);
    f.sheet().scroll(ScrollCommand::LineUp);
    EXPECT_EQ(f.sheet().top(), 4);
}

TEST(Cursor, aFinishedLegTakesNoInput) {
    MatchFixture f(two_humans(301));
    f.game().current_leg().finished = 1;
    f.type(60);
    f.sheet().escape();
    f.sheet().finish_with_darts(3);
    EXPECT_EQ(f.game().players[0].remaining, 301);
    EXPECT_EQ(f.ports.beeps, 0);
}

TEST(Cursor, restoreAfterRecoveryPutsTheCellOnThePlayerToThrow) {
    MatchFixture f(two_humans());
    f.visits({60, 45, 100});
    GameRecord saved = f.game();
    for (auto& p : saved.players) {
        p.remaining = 0;
        p.game = StatisticsCounters{};
    }
    saved.current_leg().leg_darts = {0, 0};
    MatchFixture g;
    g.sheet().set_rows_per_page(12);
    g.match.continue_game(saved);
    EXPECT_EQ(g.sheet().input_cell(), (InputCell{1, 1}));
    EXPECT_EQ(g.game().players[0].remaining, 341);
    EXPECT_EQ(g.game().players[1].remaining, 456);
    EXPECT_EQ(g.leg().leg_darts, (PlayerPair{6, 3}));
    EXPECT_EQ(g.game().players[0].game.tons, 1);
    EXPECT_EQ(g.game().players[0].game.total_score, 160);
}

} // namespace
} // namespace dvk::testing
