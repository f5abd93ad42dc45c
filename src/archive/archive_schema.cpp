#include "archive/archive_schema.h"

#include "career/leg_counters.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace dvk {

namespace {

QString counter_columns_sql() {
    QString sql;
    for (const QString& name : counter_column_names()) {
        sql += QStringLiteral(", %1 INTEGER NOT NULL DEFAULT 0").arg(name);
    }
    return sql;
}

QStringList version_1() {
    return {
        QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"),
        QStringLiteral("INSERT INTO schema_version (version) VALUES (1)"),
        QStringLiteral(
            "CREATE TABLE games (id BIGINT PRIMARY KEY, identity TEXT NOT NULL,"
            " started TEXT NOT NULL, start_score INTEGER NOT NULL, round_limit INTEGER NOT NULL,"
            " round_count INTEGER NOT NULL, leg_limit INTEGER NOT NULL, max_leg INTEGER NOT NULL,"
            " best_of INTEGER NOT NULL, schedule_mode INTEGER NOT NULL,"
            " game_index INTEGER NOT NULL,"
            " name0 TEXT NOT NULL, start0 INTEGER NOT NULL, computer0 INTEGER NOT NULL,"
            " level0 INTEGER NOT NULL,"
            " name1 TEXT NOT NULL, start1 INTEGER NOT NULL, computer1 INTEGER NOT NULL,"
            " level1 INTEGER NOT NULL,"
            " legs_won0 INTEGER NOT NULL DEFAULT 0, legs_won1 INTEGER NOT NULL DEFAULT 0,"
            " finished INTEGER NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE TABLE legs (game_id BIGINT NOT NULL, leg_index INTEGER NOT NULL,"
                       " first_player INTEGER NOT NULL, winner INTEGER NOT NULL,"
                       " winning_darts INTEGER NOT NULL, check_out INTEGER NOT NULL,"
                       " rounds INTEGER NOT NULL, PRIMARY KEY (game_id, leg_index))"),
        QStringLiteral("CREATE TABLE leg_players (game_id BIGINT NOT NULL,"
                       " leg_index INTEGER NOT NULL, seat INTEGER NOT NULL, name TEXT NOT NULL,"
                       " opponent TEXT NOT NULL, opponent_computer INTEGER NOT NULL,"
                       " started TEXT NOT NULL, start_score INTEGER NOT NULL,"
                       " won INTEGER NOT NULL, lost INTEGER NOT NULL%1,"
                       " PRIMARY KEY (game_id, leg_index, seat))")
            .arg(counter_columns_sql()),
        QStringLiteral("CREATE INDEX leg_players_by_name ON leg_players (name, started)"),
        QStringLiteral("CREATE TABLE visits (game_id BIGINT NOT NULL, leg_index INTEGER NOT NULL,"
                       " round_index INTEGER NOT NULL, seat INTEGER NOT NULL,"
                       " score INTEGER NOT NULL, left_score INTEGER NOT NULL,"
                       " darts INTEGER NOT NULL, check_out_darts INTEGER NOT NULL,"
                       " darts_at_double INTEGER,"
                       " PRIMARY KEY (game_id, leg_index, round_index, seat))"),
    };
}

QStringList version_2() {
    return {
        QStringLiteral("CREATE TABLE player_names (name TEXT PRIMARY KEY, player TEXT NOT NULL)"),
        QStringLiteral("CREATE INDEX player_names_by_player ON player_names (player)"),
        QStringLiteral("INSERT INTO player_names (name, player)"
                       " SELECT DISTINCT name, name FROM leg_players"),
        QStringLiteral("UPDATE schema_version SET version = 2"),
    };
}

QStringList version_3() {
    return {
        QStringLiteral("CREATE TABLE game_players (game_id BIGINT NOT NULL, seat INTEGER NOT NULL,"
                       " name TEXT NOT NULL, opponent TEXT NOT NULL,"
                       " opponent_computer INTEGER NOT NULL, started TEXT NOT NULL,"
                       " start_score INTEGER NOT NULL, legs INTEGER NOT NULL,"
                       " won INTEGER NOT NULL, lost INTEGER NOT NULL%1,"
                       " PRIMARY KEY (game_id, seat))")
            .arg(counter_columns_sql()),
        QStringLiteral("CREATE INDEX game_players_by_name ON game_players (name, started)"),
        QStringLiteral("INSERT INTO game_players (game_id, seat, name, opponent,"
                       " opponent_computer, started, start_score, legs, won, lost, %1)"
                       " SELECT lp.game_id, lp.seat, MIN(lp.name), MIN(lp.opponent),"
                       " MIN(lp.opponent_computer), MIN(lp.started), MIN(lp.start_score),"
                       " COUNT(*), SUM(lp.won), SUM(lp.lost), %2 FROM leg_players lp"
                       " GROUP BY lp.game_id, lp.seat")
            .arg(counter_column_names().join(QStringLiteral(", ")), counter_aggregates()),
        QStringLiteral("UPDATE schema_version SET version = 3"),
    };
}

bool run(QSqlDatabase& db, const QString& statement, QString& error) {
    QSqlQuery query(db);
    if (!query.exec(statement)) {
        error = query.lastError().text();
        return false;
    }
    return true;
}

bool upgrade_steps(QSqlDatabase& db, QString& error) {
    int version = read_schema_version(db, error);
    if (version < 0) {
        return false;
    }
    while (version < archive_schema_version) {
        if (!db.transaction()) {
            error = db.lastError().text();
            return false;
        }
        for (const QString& statement : schema_upgrade(version)) {
            if (!run(db, statement, error)) {
                db.rollback();
                return false;
            }
        }
        if (!db.commit()) {
            error = db.lastError().text();
            db.rollback();
            return false;
        }
        ++version;
    }
    return true;
}

} // namespace

QStringList counter_column_names() {
    QStringList names;
    for (const CounterColumn& column : counter_columns()) {
        if (column.fold != CounterFold::Unused) {
            names << QString::fromLatin1(column.name.data(),
                                         static_cast<qsizetype>(column.name.size()));
        }
    }
    return names;
}

QString counter_aggregates() {
    QStringList parts;
    for (const CounterColumn& column : counter_columns()) {
        const QString name =
            QString::fromLatin1(column.name.data(), static_cast<qsizetype>(column.name.size()));
        switch (column.fold) {
        case CounterFold::Sum:
            parts << QStringLiteral("SUM(lp.%1)").arg(name);
            break;
        case CounterFold::Max:
            parts << QStringLiteral("MAX(lp.%1)").arg(name);
            break;
        case CounterFold::MinAboveZero:
            parts
                << QStringLiteral("COALESCE(MIN(CASE WHEN lp.%1 > 0 THEN lp.%1 END), 0)").arg(name);
            break;
        case CounterFold::Unused:
            break;
        }
    }
    return parts.join(QStringLiteral(", "));
}

QString refresh_game_players_sql() {
    return QStringLiteral("INSERT INTO game_players (game_id, seat, name, opponent,"
                          " opponent_computer, started, start_score, legs, won, lost, %1)"
                          " SELECT lp.game_id, lp.seat, MIN(lp.name), MIN(lp.opponent),"
                          " MIN(lp.opponent_computer), MIN(lp.started), MIN(lp.start_score),"
                          " COUNT(*), SUM(lp.won), SUM(lp.lost), %2 FROM leg_players lp"
                          " WHERE lp.game_id = ? GROUP BY lp.game_id, lp.seat")
        .arg(counter_column_names().join(QStringLiteral(", ")), counter_aggregates());
}

QStringList schema_upgrade(int version) {
    switch (version) {
    case 0:
        return version_1();
    case 1:
        return version_2();
    case 2:
        return version_3();
    default:
        return {};
    }
}

int read_schema_version(QSqlDatabase& db, QString& error) {
    QSqlQuery query(db);
    // Any statement on a damaged SQLite file fails here, before anything is written.
    if (db.driverName() == QLatin1String("QSQLITE") &&
        !query.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"))) {
        error = query.lastError().text();
        return -1;
    }
    if (!db.tables().contains(QStringLiteral("schema_version"))) {
        return 0;
    }
    if (!query.exec(QStringLiteral("SELECT version FROM schema_version")) || !query.next()) {
        error = query.lastError().text();
        return -1;
    }
    return query.value(0).toInt();
}

bool upgrade_schema(QSqlDatabase& db, QString& error) {
    if (upgrade_steps(db, error)) {
        return true;
    }
    // Another program may have created or upgraded the same archive at the same moment: its
    // work counts as ours.
    QString ignored;
    return read_schema_version(db, ignored) >= archive_schema_version;
}

} // namespace dvk
