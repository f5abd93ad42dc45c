#include "dialogs/career_figure_rows.h"

namespace dvk {

namespace {

QString number(double value) {
    return QString::fromStdString(figure_text(value));
}

// "figure (numerator / denominator)", as the player-information window writes its counts.
QString with_counts(double value, std::int64_t numerator, std::int64_t denominator) {
    return QStringLiteral("%1 (%2 / %3)").arg(number(value)).arg(numerator).arg(denominator);
}

// A leg's darts, or "-" while no leg was won.
QString leg_darts(std::int32_t darts) {
    return darts > 0 ? QString::number(darts) : QStringLiteral("-");
}

} // namespace

std::vector<FigureRow> CareerFigureRows::rows(const CareerFigures& f) {
    const auto count_per_leg = [](std::int64_t count, double per_leg) {
        return tr("%1 (%2 per leg)").arg(count).arg(number(per_leg));
    };
    const auto finish = [](const FinishRange& range) {
        return with_counts(range.percent, range.successes, range.successes + range.failures);
    };
    return {
        {tr("Games"), QString::number(f.games)},
        {tr("Games won"), QString::number(f.games_won)},
        {tr("Legs"), QString::number(f.legs)},
        {tr("Legs won"), QString::number(f.legs_won)},
        {tr("Average"), number(f.average)},
        {tr("First 9"), number(f.first9_average)},
        {tr("Check-Out"), with_counts(f.check_out_percent, f.check_outs, f.darts_at_double)},
        {tr("Darts at double"), QString::number(f.darts_at_double)},
        {tr("High Out"), QString::number(f.high_out)},
        {tr("Best leg"), leg_darts(f.best_leg)},
        {tr("Worst leg"), leg_darts(f.worst_leg)},
        {tr("Darts per leg won"), number(f.darts_per_leg_won)},
        {tr("Tons"), count_per_leg(f.tons, f.tons_per_leg)},
        {tr("100+"), count_per_leg(f.count_100, f.count_100_per_leg)},
        {tr("140+"), count_per_leg(f.count_140, f.count_140_per_leg)},
        {tr("180's"), count_per_leg(f.count_180, f.count_180_per_leg)},
        {tr("Finish 2-80"), finish(f.finish[0])},
        {tr("Finish 81-130"), finish(f.finish[1])},
        {tr("Finish 131+"), finish(f.finish[2])},
        {tr("Keep"), with_counts(f.keep_percent, f.keep_won, f.keep_all)},
        {tr("Break"), with_counts(f.break_percent, f.break_won, f.break_all)},
    };
}

QStringList CareerFigureRows::head_to_head_columns() {
    return {tr("Opponent"), tr("Games"),   tr("Won"),
            tr("Lost"),     tr("Legs"),    tr("Won"),
            tr("Lost"),     tr("Average"), tr("Opponent's average")};
}

QStringList CareerFigureRows::head_to_head_texts(const HeadToHeadRow& row) {
    return {QString::fromStdString(row.opponent),
            QString::number(row.games),
            QString::number(row.games_won),
            QString::number(row.games_lost),
            QString::number(row.legs),
            QString::number(row.legs_won),
            QString::number(row.legs_lost),
            number(row.average),
            number(row.opponent_average)};
}

} // namespace dvk
