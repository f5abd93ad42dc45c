#include "archive/archive_schema.h"
#include "archive/archive_store_impl.h"

#include "career/leg_counters.h"

#include <algorithm>

namespace dvk {

namespace {

const QString names_of_player = QStringLiteral("(SELECT name FROM player_names WHERE player = ?)");

double average_of(qlonglong score, qlonglong darts) {
    return career_quotient(score, darts, 3);
}

} // namespace

FilterSql filter_sql(const std::string& player, const CareerFilter& filter) {
    FilterSql sql;
    sql.where = QStringLiteral("lp.name IN ") + names_of_player;
    sql.values << to_qstring(player);
    if (const std::string from = period_start_text(filter); !from.empty()) {
        sql.where += QStringLiteral(" AND lp.started >= ?");
        sql.values << to_qstring(from);
    }
    if (const std::string to = period_end_text(filter); !to.empty()) {
        sql.where += QStringLiteral(" AND lp.started <= ?");
        sql.values << to_qstring(to);
    }
    if (filter.opponent) {
        sql.where += QStringLiteral(" AND lp.opponent IN ") + names_of_player;
        sql.values << to_qstring(*filter.opponent);
    }
    if (filter.start_score) {
        sql.where += QStringLiteral(" AND lp.start_score = ?");
        sql.values << *filter.start_score;
    }
    if (filter.opponent_kind != OpponentKind::Any) {
        sql.where += QStringLiteral(" AND lp.opponent_computer = ?");
        sql.values << (filter.opponent_kind == OpponentKind::Computer ? 1 : 0);
    }
    return sql;
}

CareerTotals ArchiveStore::career_totals(const std::string& player, const CareerFilter& filter) {
    Impl& d = *m_impl;
    CareerTotals totals;
    if (!d.writable()) {
        return totals;
    }
    // The sums of each game's legs, kept with the game: a career is a sum over its games. A
    // game is won with more legs than the opponent, as the program's CSV files count sets.
    const FilterSql f = filter_sql(player, filter);
    QSqlQuery query(d.db());
    if (!d.exec(query,
                QStringLiteral("SELECT COUNT(*), SUM(lp.legs), SUM(lp.won),"
                               " SUM(CASE WHEN lp.won > lp.lost THEN 1 ELSE 0 END), %1"
                               " FROM game_players lp WHERE %2")
                    .arg(counter_aggregates(), f.where),
                f.values) ||
        !query.next()) {
        return totals;
    }
    totals.games = query.value(0).toLongLong();
    totals.legs = query.value(1).toLongLong();
    totals.legs_won = query.value(2).toLongLong();
    totals.games_won = query.value(3).toLongLong();
    int column = 4;
    const auto& columns = counter_columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].fold != CounterFold::Unused) {
            totals.counters[i] = query.value(column++).toLongLong();
        }
    }
    return totals;
}

CareerFigures ArchiveStore::career(const std::string& player, const CareerFilter& filter) {
    return career_figures(career_totals(player, filter));
}

std::vector<HeadToHeadRow> ArchiveStore::head_to_head(const std::string& player,
                                                      const CareerFilter& filter) {
    Impl& d = *m_impl;
    std::vector<HeadToHeadRow> rows;
    if (!d.writable()) {
        return rows;
    }
    const FilterSql f = filter_sql(player, filter);
    QSqlQuery query(d.db());
    const QString sql = QStringLiteral(
        "SELECT pn.player, COUNT(*), SUM(CASE WHEN lp.won > lp.lost THEN 1 ELSE 0 END),"
        " SUM(CASE WHEN lp.lost > lp.won THEN 1 ELSE 0 END), SUM(lp.legs), SUM(lp.won),"
        " SUM(lp.lost), SUM(lp.total_score), SUM(lp.total_darts), SUM(o.total_score),"
        " SUM(o.total_darts) FROM game_players lp JOIN player_names pn ON pn.name = lp.opponent"
        " JOIN game_players o ON o.game_id = lp.game_id AND o.seat <> lp.seat WHERE %1"
        " GROUP BY pn.player ORDER BY pn.player");
    if (!d.exec(query, sql.arg(f.where), f.values)) {
        return rows;
    }
    while (query.next()) {
        HeadToHeadRow row;
        row.opponent = to_std(query.value(0).toString());
        row.games = query.value(1).toLongLong();
        row.games_won = query.value(2).toLongLong();
        row.games_lost = query.value(3).toLongLong();
        row.legs = query.value(4).toLongLong();
        row.legs_won = query.value(5).toLongLong();
        row.legs_lost = query.value(6).toLongLong();
        row.average = average_of(query.value(7).toLongLong(), query.value(8).toLongLong());
        row.opponent_average =
            average_of(query.value(9).toLongLong(), query.value(10).toLongLong());
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::string> ArchiveStore::opponents(const std::string& player) {
    Impl& d = *m_impl;
    std::vector<std::string> names;
    if (!d.writable()) {
        return names;
    }
    QSqlQuery query(d.db());
    if (d.exec(query,
               QStringLiteral("SELECT DISTINCT pn.player FROM leg_players lp JOIN player_names pn"
                              " ON pn.name = lp.opponent WHERE lp.name IN %1 ORDER BY pn.player")
                   .arg(names_of_player),
               {to_qstring(player)})) {
        while (query.next()) {
            names.push_back(to_std(query.value(0).toString()));
        }
    }
    return names;
}

std::vector<std::int32_t> ArchiveStore::start_scores(const std::string& player) {
    Impl& d = *m_impl;
    std::vector<std::int32_t> scores;
    if (!d.writable()) {
        return scores;
    }
    QSqlQuery query(d.db());
    if (d.exec(query,
               QStringLiteral("SELECT DISTINCT lp.start_score FROM leg_players lp"
                              " WHERE lp.name IN %1 ORDER BY lp.start_score")
                   .arg(names_of_player),
               {to_qstring(player)})) {
        while (query.next()) {
            scores.push_back(query.value(0).toInt());
        }
    }
    return scores;
}

std::vector<GamePoint> ArchiveStore::game_series(const std::string& player,
                                                 const CareerFilter& filter) {
    Impl& d = *m_impl;
    std::vector<GamePoint> points;
    if (!d.writable()) {
        return points;
    }
    const FilterSql f = filter_sql(player, filter);
    QSqlQuery query(d.db());
    if (!d.exec(query,
                QStringLiteral("SELECT lp.game_id, lp.started, lp.opponent, lp.total_score,"
                               " lp.total_darts, lp.first9_score, lp.first9_darts"
                               " FROM game_players lp WHERE %1 ORDER BY lp.started, lp.game_id")
                    .arg(f.where),
                f.values)) {
        return points;
    }
    while (query.next()) {
        GamePoint point;
        point.game_id = query.value(0).toLongLong();
        point.started =
            parse_archive_time(to_std(query.value(1).toString())).value_or(SystemTime{});
        point.opponent = to_std(query.value(2).toString());
        point.average = average_of(query.value(3).toLongLong(), query.value(4).toLongLong());
        point.has_first9 = query.value(6).toLongLong() > 0;
        point.first9_average = average_of(query.value(5).toLongLong(), query.value(6).toLongLong());
        points.push_back(std::move(point));
    }
    return points;
}

std::vector<ScoreCount> ArchiveStore::visit_scores(const std::string& player,
                                                   const CareerFilter& filter) {
    return score_counts(player, filter, {});
}

std::vector<ScoreCount> ArchiveStore::scoring_visit_scores(const std::string& player) {
    // `left_score` is what the visit left, so the score before it is their sum.
    return score_counts(
        player, CareerFilter{},
        QStringLiteral(" AND v.check_out_darts = 0 AND v.left_score + v.score > 170"));
}

std::vector<ScoreCount> ArchiveStore::score_counts(const std::string& player,
                                                   const CareerFilter& filter,
                                                   const QString& visits_where) {
    Impl& d = *m_impl;
    std::vector<ScoreCount> counts;
    if (!d.writable()) {
        return counts;
    }
    const FilterSql f = filter_sql(player, filter);
    QSqlQuery query(d.db());
    if (!d.exec(query,
                QStringLiteral("SELECT v.score, COUNT(*) FROM visits v JOIN leg_players lp"
                               " ON lp.game_id = v.game_id AND lp.leg_index = v.leg_index"
                               " AND lp.seat = v.seat WHERE %1%2 GROUP BY v.score ORDER BY v.score")
                    .arg(f.where, visits_where),
                f.values)) {
        return counts;
    }
    while (query.next()) {
        counts.push_back({query.value(0).toInt(), query.value(1).toLongLong()});
    }
    return counts;
}

std::vector<CheckOutPeriod> ArchiveStore::check_outs_by_month(const std::string& player,
                                                              const CareerFilter& filter) {
    Impl& d = *m_impl;
    std::vector<CheckOutPeriod> periods;
    if (!d.writable()) {
        return periods;
    }
    const FilterSql f = filter_sql(player, filter);
    QSqlQuery query(d.db());
    if (!d.exec(query,
                QStringLiteral("SELECT substr(lp.started, 1, 7), SUM(lp.success_2_80),"
                               " SUM(lp.failure_2_80), SUM(lp.success_81_130),"
                               " SUM(lp.failure_81_130), SUM(lp.success_131), SUM(lp.failure_131)"
                               " FROM game_players lp WHERE %1 GROUP BY substr(lp.started, 1, 7)"
                               " ORDER BY substr(lp.started, 1, 7)")
                    .arg(f.where),
                f.values)) {
        return periods;
    }
    while (query.next()) {
        CheckOutPeriod period;
        period.period = to_std(query.value(0).toString());
        for (std::size_t r = 0; r < period.ranges.size(); ++r) {
            period.ranges[r].successes = query.value(1 + 2 * static_cast<int>(r)).toLongLong();
            period.ranges[r].failures = query.value(2 + 2 * static_cast<int>(r)).toLongLong();
            finish_percent(period.ranges[r]);
        }
        periods.push_back(std::move(period));
    }
    return periods;
}

std::vector<DartsCount> ArchiveStore::legs_won_by_darts(const std::string& player,
                                                        const CareerFilter& filter) {
    Impl& d = *m_impl;
    std::vector<DartsCount> counts;
    if (!d.writable()) {
        return counts;
    }
    const FilterSql f = filter_sql(player, filter);
    QSqlQuery query(d.db());
    if (!d.exec(query,
                QStringLiteral("SELECT lp.won_darts, COUNT(*) FROM leg_players lp WHERE %1"
                               " AND lp.won = 1 AND lp.won_darts > 0 GROUP BY lp.won_darts"
                               " ORDER BY lp.won_darts")
                    .arg(f.where),
                f.values)) {
        return counts;
    }
    while (query.next()) {
        counts.push_back({query.value(0).toInt(), query.value(1).toLongLong()});
    }
    return counts;
}

} // namespace dvk
