#pragma once

#include "career/career_figures.h"
#include "career/career_series.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

namespace dvk {

// A labelled line of the career window's figures.
struct FigureRow {
    QString label;
    QString value;
};

// The career figures as the window lists them, in the window's language.
class CareerFigureRows {
    Q_DECLARE_TR_FUNCTIONS(dvk::CareerFigureRows)
public:
    static std::vector<FigureRow> rows(const CareerFigures& figures);
    // The columns of the head-to-head table and one row's texts in their order.
    static QStringList head_to_head_columns();
    static QStringList head_to_head_texts(const HeadToHeadRow& row);
};

} // namespace dvk
