#include "career/career_figures.h"
#include "career/leg_counters.h"
#include "match/statistics.h"
#include "recorded_games.h"

#include <gtest/gtest.h>

namespace dvk::testing {
namespace {

class RecordedGames : public ::testing::TestWithParam<RecordedScenario> {
protected:
    void SetUp() override {
        m_match = std::make_unique<RecordedMatch>(GetParam().options, GetParam().check_out_mode);
        GetParam().play(*m_match);
        ASSERT_EQ(m_match->ports.unscripted, 0);
        ASSERT_FALSE(m_match->games().empty());
    }
    std::unique_ptr<RecordedMatch> m_match;
};

CareerTotals totals_of(const GameRecord& game, int player) {
    CareerTotals totals;
    totals.games = 1;
    for (const ArchivedLeg& leg : finished_leg_rows(game)) {
        totals.add_leg(leg.leg.counters[static_cast<std::size_t>(player)],
                       leg.leg.winner == player);
    }
    return totals;
}

TEST_P(RecordedGames, legCountersAddUpToTheGameTotals) {
    for (const GameRecord& game : m_match->games()) {
        for (int p = 0; p < 2; ++p) {
            StatisticsCounters sum;
            for (int leg = 0; leg < game.leg_index; ++leg) {
                fold_counters(sum, leg_counters(game, leg, p));
            }
            StatisticsCounters expected = game.players[static_cast<std::size_t>(p)].game;
            expected.reserved = 0;
            EXPECT_EQ(sum.to_array(), expected.to_array()) << "player " << p;
        }
    }
}

// What the player-information window prints for a game is what the career prints for it.
TEST_P(RecordedGames, oneGamesCareerFiguresAreItsPlayerInformationFigures) {
    for (const GameRecord& game : m_match->games()) {
        for (int p = 0; p < 2; ++p) {
            const StatisticsCounters& t = game.players[static_cast<std::size_t>(p)].game;
            const CareerFigures f = career_figures(totals_of(game, p));
            EXPECT_EQ(figure_text(f.average),
                      format_window_figure(t.total_score, t.total_darts, 3));
            EXPECT_EQ(figure_text(f.first9_average),
                      format_window_figure(t.first9_score, t.first9_darts, 3));
            EXPECT_EQ(figure_text(f.check_out_percent),
                      format_window_figure(t.check_outs, t.double_darts, 100));
            EXPECT_EQ(figure_text(f.keep_percent),
                      format_window_figure(t.keep_won, t.keep_all, 100));
            EXPECT_EQ(figure_text(f.break_percent),
                      format_window_figure(t.break_won, t.break_all, 100));
            EXPECT_EQ(figure_text(f.darts_per_leg_won),
                      format_window_figure(t.won_darts, t.won_legs, 1));
            EXPECT_EQ(f.high_out, t.high_out);
            EXPECT_EQ(f.best_leg, t.best_leg);
            EXPECT_EQ(f.worst_leg, t.worst_leg);
            EXPECT_EQ(f.tons, t.tons);
            EXPECT_EQ(f.count_180, t.count_180);
            EXPECT_EQ(f.legs_won, game.players[static_cast<std::size_t>(p)].legs_won);
            EXPECT_EQ(f.legs, game.leg_index);
        }
    }
}

// The rows written when each leg ended are the rows of the finished game, with the darts at
// a double of each visit besides.
TEST_P(RecordedGames, rowsWrittenAtEachLegsEndAreTheFinishedGamesRows) {
    std::vector<ArchivedLeg> expected;
    for (const GameRecord& game : m_match->games()) {
        for (ArchivedLeg& leg : finished_leg_rows(game)) {
            expected.push_back(std::move(leg));
        }
    }
    std::vector<ArchivedLeg> written = m_match->ports.legs;
    for (ArchivedLeg& leg : written) {
        for (VisitRow& visit : leg.visits) {
            EXPECT_GE(visit.darts_at_double, 0);
            visit.darts_at_double = -1;
        }
    }
    EXPECT_EQ(written, expected);
}

INSTANTIATE_TEST_SUITE_P(Career, RecordedGames, ::testing::ValuesIn(recorded_scenarios()),
                         [](const auto& info) { return info.param.name; });

TEST(CareerRows, aMatchOfComparableGamesSumsToThePlayerInformationTotals) {
    const RecordedScenario& sets = recorded_scenarios()[1];
    RecordedMatch m(sets.options, sets.check_out_mode);
    sets.play(m);
    ASSERT_EQ(m.match.history().count(), 2);
    for (int p = 0; p < 2; ++p) {
        CareerTotals totals;
        for (const ArchivedLeg& leg : m.ports.legs) {
            totals.add_leg(leg.leg.counters[static_cast<std::size_t>(p)], leg.leg.winner == p);
        }
        // The third game has just begun: the window shows the first two as match totals.
        const StatisticsCounters shown =
            combined_totals(m.game().players[static_cast<std::size_t>(p)]);
        const CareerFigures f = career_figures(totals);
        EXPECT_EQ(figure_text(f.average),
                  format_window_figure(shown.total_score, shown.total_darts, 3));
        EXPECT_EQ(figure_text(f.darts_per_leg_won),
                  format_window_figure(shown.won_darts, shown.won_legs, 1));
        EXPECT_EQ(f.best_leg, shown.best_leg);
        EXPECT_EQ(f.worst_leg, shown.worst_leg);
        EXPECT_EQ(f.high_out, shown.high_out);
        EXPECT_EQ(f.keep_won, shown.keep_won);
        EXPECT_EQ(f.break_all, shown.break_all);
    }
}

TEST(CareerRows, aWonLegsVisitsCarryTheCheckOutAndTheRemainingScores) {
    const RecordedScenario& scenario = recorded_scenarios()[0];
    RecordedMatch m(scenario.options, scenario.check_out_mode);
    scenario.play(m);
    ASSERT_GE(m.ports.legs.size(), 2U);
    const ArchivedLeg& second = m.ports.legs[1];
    EXPECT_EQ(second.leg.leg_index, 1);
    EXPECT_EQ(second.leg.first_player, 1);
    EXPECT_EQ(second.leg.winner, 1);
    EXPECT_EQ(second.leg.winning_darts, 15);
    EXPECT_EQ(second.leg.check_out, 121);
    ASSERT_EQ(second.visits.size(), 9U);
    const VisitRow& miss = second.visits[6];
    EXPECT_EQ(miss.player, 1);
    EXPECT_EQ(miss.round, 3);
    EXPECT_EQ(miss.score, 0);
    EXPECT_EQ(miss.left, 121);
    EXPECT_EQ(miss.darts_at_double, 1);
    const VisitRow& out = second.visits.back();
    EXPECT_EQ(out.score, 121);
    EXPECT_EQ(out.left, 0);
    EXPECT_EQ(out.darts, 3);
    EXPECT_EQ(out.check_out_darts, 3);
    EXPECT_EQ(second.leg.counters[1].failure_81_130, 1);
    EXPECT_EQ(second.leg.counters[1].success_81_130, 1);
    EXPECT_EQ(second.leg.counters[0].keep_all, 0);
    EXPECT_EQ(second.leg.counters[0].break_all, 1);
}

TEST(CareerRows, aDrawnLegHasNoWinnerAndCountsNoKeepOrBreak) {
    const RecordedScenario& scenario = recorded_scenarios()[2];
    RecordedMatch m(scenario.options, scenario.check_out_mode);
    scenario.play(m);
    ASSERT_FALSE(m.ports.legs.empty());
    const LegRow& drawn = m.ports.legs.front().leg;
    EXPECT_EQ(drawn.winner, -1);
    for (const StatisticsCounters& c : drawn.counters) {
        EXPECT_EQ(c.keep_all + c.break_all + c.won_legs, 0);
    }
    EXPECT_EQ(m.ports.legs.front().game.seats[1].name, "COM (Lv.5)");
    EXPECT_TRUE(m.ports.legs.front().game.seats[1].computer);
}

TEST(CareerRows, previousLegTakesTheLegBackAndItsSecondEndWritesItOnce) {
    const RecordedScenario& scenario = recorded_scenarios()[5];
    RecordedMatch m(scenario.options, scenario.check_out_mode);
    scenario.play(m);
    EXPECT_EQ(m.ports.reopened, 1);
    ASSERT_EQ(m.ports.legs.size(), 2U);
    EXPECT_EQ(m.ports.legs[0].leg.leg_index, 0);
    EXPECT_EQ(m.ports.legs[0].leg.winning_darts, 6);
    EXPECT_EQ(m.ports.legs[1].leg.leg_index, 1);
}

TEST(CareerRows, theIdentityStaysThroughTheGameAndDiffersBetweenGames) {
    const RecordedScenario& sets = recorded_scenarios()[1];
    RecordedMatch m(sets.options, sets.check_out_mode);
    sets.play(m);
    ASSERT_EQ(m.ports.legs.size(), 6U);
    EXPECT_EQ(m.ports.legs[0].game.id, m.ports.legs[2].game.id);
    EXPECT_NE(m.ports.legs[2].game.id, m.ports.legs[3].game.id);
    EXPECT_EQ(m.ports.legs[0].game.id, game_id_of(m.ports.legs[0].game.identity));
    EXPECT_GT(m.ports.legs[0].game.id, 0);
}

TEST(CareerFigures, quotientsWithoutADenominatorAreZero) {
    const CareerFigures f = career_figures(CareerTotals{});
    EXPECT_EQ(figure_text(f.average), "0.00");
    EXPECT_EQ(figure_text(f.check_out_percent), "0.00");
    EXPECT_EQ(f.best_leg, 0);
}

TEST(CareerFigures, foldsTakeTheHighestOutAndTheShortestWonLeg) {
    CareerTotals totals;
    StatisticsCounters a;
    a.high_out = 120;
    a.best_leg = a.worst_leg = 18;
    StatisticsCounters b;
    b.high_out = 40;
    b.best_leg = b.worst_leg = 12;
    StatisticsCounters lost;
    totals.add_leg(a, true);
    totals.add_leg(lost, false);
    totals.add_leg(b, true);
    const CareerFigures f = career_figures(totals);
    EXPECT_EQ(f.high_out, 120);
    EXPECT_EQ(f.best_leg, 12);
    EXPECT_EQ(f.worst_leg, 18);
    EXPECT_EQ(f.legs, 3);
    EXPECT_EQ(f.legs_won, 2);
}

TEST(CareerFigures, sumsPastThirtyTwoBitsStayExact) {
    CareerTotals totals;
    StatisticsCounters leg;
    leg.total_score = 2'000'000'000;
    leg.total_darts = 60'000'000;
    totals.add_leg(leg, false);
    totals.add_leg(leg, false);
    EXPECT_EQ(totals[&StatisticsCounters::total_score], 4'000'000'000LL);
    EXPECT_EQ(figure_text(career_figures(totals).average), "100.00");
}

} // namespace
} // namespace dvk::testing
