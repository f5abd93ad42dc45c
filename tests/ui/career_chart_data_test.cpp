#include "dialogs/career_chart_data.h"

#include <QTest>

using namespace dvk;

namespace {

GamePoint game(double average, std::optional<double> first9 = std::nullopt) {
    GamePoint point;
    point.average = average;
    point.first9_average = first9.value_or(0);
    point.has_first9 = first9.has_value();
    return point;
}

} // namespace

class CareerChartDataTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shortCareersAreDrawnGameByGame() {
        const std::vector<GamePoint> games = {game(40, 45), game(60), game(80, 75)};
        const AverageSeries series = average_series(games, {1, 2, 3}, 3, 400);
        QCOMPARE(series.average.size(), std::size_t{3});
        QCOMPARE(series.average[1], (ChartPoint{2, 60}));
        // Games without first-nine figures leave no point and do not count in the average.
        QCOMPARE(series.first9, (std::vector<ChartPoint>{{1, 45}, {3, 75}}));
        QCOMPARE(series.moving_first9.back(), (ChartPoint{3, 60}));
        QCOMPARE(series.moving_average.back(), (ChartPoint{3, 60}));
    }

    void longCareersAreThinnedToMeansOfRuns() {
        std::vector<GamePoint> games;
        std::vector<double> x;
        for (int i = 0; i < 1000; ++i) {
            games.push_back(game(i % 2 == 0 ? 50 : 70));
            x.push_back(i);
        }
        const AverageSeries series = average_series(games, x, 10, 300);
        QVERIFY(series.average.size() <= 300);
        QVERIFY(series.average.size() >= 150);
        // Runs of four games: two of 50 and two of 70.
        QCOMPARE(series.average.front(), (ChartPoint{1.5, 60}));
        QCOMPARE(series.average.back().x, 997.5);
        QVERIFY(series.first9.empty());
        QCOMPARE(series.moving_average.size(), series.average.size());
    }

    void visitsGoIntoGroupsOfTwenty() {
        const auto counts = visit_score_counts({{0, 4}, {19, 1}, {20, 2}, {179, 3}, {180, 5}});
        const std::array<std::int64_t, visit_score_groups> expected = {5, 2, 0, 0, 0,
                                                                       0, 0, 0, 3, 5};
        QCOMPARE(counts, expected);
    }

    void legsWonGroupByVisit_data() {
        QTest::addColumn<std::vector<DartsCount>>("legs");
        QTest::addColumn<std::vector<DartsGroup>>("groups");
        QTest::newRow("short legs on their own") << std::vector<DartsCount>{{6, 1}, {9, 2}}
                                                 << std::vector<DartsGroup>{{6, 6, 1}, {9, 9, 2}};
        QTest::newRow("a visit per group")
            << std::vector<DartsCount>{{12, 1}, {10, 2}, {13, 4}, {15, 1}}
            << std::vector<DartsGroup>{{10, 12, 3}, {13, 15, 5}};
        QTest::newRow("long legs share the last group")
            << std::vector<DartsCount>{{37, 1}, {40, 2}, {95, 3}}
            << std::vector<DartsGroup>{{37, 39, 1}, {40, 0, 5}};
    }
    void legsWonGroupByVisit() {
        QFETCH(std::vector<DartsCount>, legs);
        QFETCH(std::vector<DartsGroup>, groups);
        QCOMPARE(darts_groups(legs, 40), groups);
    }
};

QTEST_MAIN(CareerChartDataTest)
#include "career_chart_data_test.moc"
