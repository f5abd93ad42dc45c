#pragma once

#include "dialogs/career_chart_data.h"

#include <QWidget>

namespace dvk {

// The four charts of a player's career: the averages per game over time, the visits by score,
// finish success by range per month, and the legs won by darts. Every use of the chart library
// is in this class's file.
class CareerCharts : public QWidget {
    Q_OBJECT
public:
    explicit CareerCharts(QWidget* parent = nullptr);

    void show_input(const CareerChartInput& input);

    // The charts' titles and, per chart, the points or bars of each series, for tests and the
    // screen description: "title: series=n, series=n".
    QStringList summary() const;
};

} // namespace dvk
