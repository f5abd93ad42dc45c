#include "dialogs/career_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace dvk {

namespace {

// Games averaged over for the moving averages, and the most points drawn per line.
constexpr std::size_t moving_window = 10;
constexpr std::size_t max_points = 400;
// Legs won with this many darts or more share the last bar.
constexpr int darts_open_from = 40;

QChartView* chart_view(QWidget* parent, const QString& name) {
    auto* chart = new QChart;
    chart->setObjectName(name);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::NoFocus);
    view->setMinimumSize(200, 150);
    return view;
}

void clear(QChart* chart) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

template <typename Series>
Series* line(QChart* chart, const QString& name, const std::vector<ChartPoint>& points) {
    auto* series = new Series;
    series->setName(name);
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint& p : points) {
        list.append(QPointF(p.x, p.y));
    }
    series->replace(list);
    chart->addSeries(series);
    return series;
}

void attach(QChart* chart, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
}

// An axis from 0 with whole-number ticks 1, 2 or 5 times a power of ten apart.
QValueAxis* count_axis(double top) {
    double step = 1;
    for (int i = 0; top / step > 6; ++i) {
        step *= i % 3 == 1 ? 2.5 : 2;
    }
    auto* axis = new QValueAxis;
    axis->setRange(0, std::max(step, std::ceil(top / step) * step));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%d"));
    return axis;
}

double highest(const QChart* chart) {
    double top = 0;
    for (const QAbstractSeries* series : chart->series()) {
        if (const auto* xy = qobject_cast<const QXYSeries*>(series)) {
            for (const QPointF& p : xy->points()) {
                top = std::max(top, p.y());
            }
        }
    }
    return top;
}

qint64 msecs(const SystemTime& t) {
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second))
        .toMSecsSinceEpoch();
}

QDateTimeAxis* time_axis(const QString& format, qint64 first, qint64 last) {
    auto* axis = new QDateTimeAxis;
    axis->setFormat(format);
    axis->setTickCount(5);
    // A single day or month still gets a readable span.
    last = std::max<qint64>(last, first + 86'400'000);
    axis->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    return axis;
}

void fill_averages(QChart* chart, const std::vector<GamePoint>& games) {
    std::vector<double> x;
    x.reserve(games.size());
    for (const GamePoint& game : games) {
        x.push_back(static_cast<double>(msecs(game.started)));
    }
    const AverageSeries series = average_series(games, x, moving_window, max_points);
    auto* average = line<QScatterSeries>(chart, CareerCharts::tr("Average"), series.average);
    auto* first9 = line<QScatterSeries>(chart, CareerCharts::tr("First 9"), series.first9);
    auto* moving_average =
        line<QLineSeries>(chart, CareerCharts::tr("Average, 10 games"), series.moving_average);
    auto* moving_first9 =
        line<QLineSeries>(chart, CareerCharts::tr("First 9, 10 games"), series.moving_first9);
    for (QScatterSeries* dots : {average, first9}) {
        dots->setMarkerSize(6);
        dots->setBorderColor(Qt::transparent);
        // The dots are the games themselves; the legend names the two lines.
        for (QLegendMarker* marker : chart->legend()->markers(dots)) {
            marker->setVisible(false);
        }
    }
    average->setColor(QColor(0x7f, 0xa8, 0xd8));
    first9->setColor(QColor(0xf0, 0xb0, 0x70));
    moving_average->setPen(QPen(QColor(0x1f, 0x4e, 0x9a), 3));
    moving_first9->setPen(QPen(QColor(0xc0, 0x60, 0x10), 3));
    const qint64 first = x.empty() ? QDateTime::currentMSecsSinceEpoch() : qint64(x.front());
    const qint64 last = x.empty() ? first : qint64(x.back());
    attach(chart, time_axis(QStringLiteral("yyyy-MM-dd"), first, last), count_axis(highest(chart)));
}

void bars(QChart* chart, const QString& name, const QStringList& labels,
          const QList<qreal>& values) {
    auto* set = new QBarSet(name);
    set->append(values);
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.8);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(labels);
    chart->legend()->setVisible(false);
    const double top = values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
    attach(chart, x, count_axis(top));
}

void fill_visits(QChart* chart, const std::vector<ScoreCount>& scores) {
    const auto counts = visit_score_counts(scores);
    QStringList labels;
    QList<qreal> values;
    for (std::size_t group = 0; group < visit_score_groups; ++group) {
        const int from = static_cast<int>(group) * 20;
        // Each bar is named by its lowest score.
        labels << QString::number(from);
        values << static_cast<qreal>(counts[group]);
    }
    bars(chart, CareerCharts::tr("Visits"), labels, values);
}

// "YYYY-MM" → the first day of the month.
QDateTime month_start(const std::string& period) {
    const QDate date = QDate::fromString(QString::fromStdString(period) + QStringLiteral("-01"),
                                         QStringLiteral("yyyy-MM-dd"));
    return QDateTime(date.isValid() ? date : QDate(1970, 1, 1), QTime(0, 0));
}

void fill_check_outs(QChart* chart, const std::vector<CheckOutPeriod>& periods) {
    const QString names[] = {CareerCharts::tr("2–80"), CareerCharts::tr("81–130"),
                             CareerCharts::tr("131+")};
    for (std::size_t r = 0; r < 3; ++r) {
        std::vector<ChartPoint> points;
        for (const CheckOutPeriod& period : periods) {
            // A month without a visit at a double from the range has no figure for it.
            if (period.ranges[r].successes + period.ranges[r].failures > 0) {
                points.push_back(
                    {static_cast<double>(month_start(period.period).toMSecsSinceEpoch()),
                     period.ranges[r].percent});
            }
        }
        line<QLineSeries>(chart, names[r], points)->setPointsVisible(true);
    }
    const qint64 first = periods.empty() ? QDateTime::currentMSecsSinceEpoch()
                                         : month_start(periods.front().period).toMSecsSinceEpoch();
    const qint64 last =
        periods.empty() ? first : month_start(periods.back().period).toMSecsSinceEpoch();
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d%%"));
    attach(chart, time_axis(QStringLiteral("yyyy-MM"), first, last), y);
}

void fill_darts(QChart* chart, const std::vector<DartsCount>& legs) {
    QStringList labels;
    QList<qreal> values;
    for (const DartsGroup& group : darts_groups(legs, darts_open_from)) {
        labels << (group.to == 0 ? QStringLiteral("%1+").arg(group.from)
                   : group.to == group.from
                       ? QString::number(group.from)
                       : QStringLiteral("%1–%2").arg(group.from).arg(group.to));
        values << static_cast<qreal>(group.legs);
    }
    bars(chart, CareerCharts::tr("Legs won"), labels, values);
}

} // namespace

CareerCharts::CareerCharts(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("charts"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(chart_view(this, QStringLiteral("averages")), 0, 0);
    grid->addWidget(chart_view(this, QStringLiteral("visits")), 0, 1);
    grid->addWidget(chart_view(this, QStringLiteral("check_outs")), 1, 0);
    grid->addWidget(chart_view(this, QStringLiteral("darts")), 1, 1);
}

void CareerCharts::show_input(const CareerChartInput& input) {
    const auto chart = [this](const char* name) {
        QChart* c = findChild<QChartView*>(QString::fromLatin1(name))->chart();
        clear(c);
        return c;
    };
    QChart* averages = chart("averages");
    averages->setTitle(tr("Average per game"));
    fill_averages(averages, input.games);
    QChart* visits = chart("visits");
    visits->setTitle(tr("Visits by score, in steps of 20"));
    fill_visits(visits, input.visit_scores);
    QChart* check_outs = chart("check_outs");
    check_outs->setTitle(tr("Finish success by range per month"));
    fill_check_outs(check_outs, input.check_outs);
    QChart* darts = chart("darts");
    darts->setTitle(tr("Legs won by darts"));
    fill_darts(darts, input.legs_won_by_darts);
}

QStringList CareerCharts::summary() const {
    QStringList lines;
    for (const char* name : {"averages", "visits", "check_outs", "darts"}) {
        const QChart* chart = findChild<QChartView*>(QString::fromLatin1(name))->chart();
        QStringList parts;
        for (const QAbstractSeries* series : chart->series()) {
            if (const auto* xy = qobject_cast<const QXYSeries*>(series)) {
                parts << QStringLiteral("%1=%2").arg(series->name()).arg(xy->count());
            } else if (const auto* bar = qobject_cast<const QBarSeries*>(series)) {
                QStringList values;
                for (const QBarSet* set : bar->barSets()) {
                    for (int i = 0; i < set->count(); ++i) {
                        values << QString::number(set->at(i));
                    }
                }
                parts << values.join(u',');
            }
        }
        lines << chart->title() + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
    }
    return lines;
}

} // namespace dvk
