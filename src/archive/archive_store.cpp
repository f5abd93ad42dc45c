#include "archive/archive_store_impl.h"

#include "archive/archive_schema.h"
#include "career/career_filter.h"
#include "career/leg_counters.h"
#include "career/player_names.h"
#include "model/com_levels.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>

namespace dvk {

namespace {

QString next_connection_name() {
    static QAtomicInt counter;
    return QStringLiteral("dvk_archive_%1").arg(counter.fetchAndAddRelaxed(1));
}

// SQLite's result codes (the low byte of an extended code) that say the file is damaged, and
// those that say it cannot be written now.
constexpr int sqlite_corrupt = 11;
constexpr int sqlite_not_a_database = 26;

ArchiveError::Kind sqlite_kind(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    if (ok && (code == sqlite_corrupt || code == sqlite_not_a_database)) {
        return ArchiveError::Kind::Corrupt;
    }
    return ArchiveError::Kind::Unavailable;
}

// SQLSTATE classes of a lost or refused connection, and of a transaction to try again.
bool lost_connection(const QSqlError& error) {
    const QString state = error.nativeErrorCode();
    return error.type() == QSqlError::ConnectionError || state.startsWith(QLatin1String("08")) ||
           state.startsWith(QLatin1String("57P")) || state.startsWith(QLatin1String("28")) ||
           state.isEmpty();
}

bool worth_retrying(const QSqlError& error) {
    const QString state = error.nativeErrorCode();
    return state == QLatin1String("40001") || state == QLatin1String("40P01");
}

QString error_text(const QSqlError& error) {
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

QVariantList game_values(const GameRow& g) {
    QVariantList v = {QVariant::fromValue<qlonglong>(g.id),
                      to_qstring(g.identity),
                      to_qstring(archive_time_text(g.started)),
                      g.start_score,
                      g.round_limit,
                      g.round,
                      g.leg_limit,
                      g.max_leg,
                      g.best_of,
                      g.schedule_mode,
                      g.game_index};
    for (const SeatRow& seat : g.seats) {
        v << to_qstring(seat.name) << seat.start_score << (seat.computer ? 1 : 0) << seat.com_level;
    }
    return v;
}

QString placeholders(int count) {
    QStringList marks;
    for (int i = 0; i < count; ++i) {
        marks << QStringLiteral("?");
    }
    return QStringLiteral("(") + marks.join(QLatin1Char(',')) + QStringLiteral(")");
}

} // namespace

QString to_qstring(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string to_std(const QString& text) {
    return text.toUtf8().toStdString();
}

bool ArchiveStore::Impl::exec(QSqlQuery& query, const QString& sql, const QVariantList& values) {
    if (!query.prepare(sql)) {
        failed(query.lastError());
        return false;
    }
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        failed(query.lastError());
        return false;
    }
    return true;
}

void ArchiveStore::Impl::failed(ArchiveError::Kind kind, const QString& text) {
    error.kind = kind;
    error.text = to_std(text);
}

void ArchiveStore::Impl::failed(const QSqlError& sql_error) {
    if (!postgres()) {
        failed(sqlite_kind(sql_error), error_text(sql_error));
        return;
    }
    const bool lost = lost_connection(sql_error);
    failed(lost ? ArchiveError::Kind::Unavailable : ArchiveError::Kind::Failed,
           error_text(sql_error));
    if (lost) {
        // The driver does not reconnect by itself; the next store opened will.
        open = false;
    }
}

bool ArchiveStore::Impl::writable() {
    if (open) {
        error = ArchiveError{};
    } else {
        if (!error) {
            failed(ArchiveError::Kind::Unavailable, QStringLiteral("The archive is not open."));
        }
        return false;
    }
    return true;
}

bool ArchiveStore::Impl::transaction(const std::function<bool()>& work) {
    if (!writable()) {
        return false;
    }
    for (int attempt = 0; attempt < 4; ++attempt) {
        QSqlDatabase database = db();
        if (!database.transaction()) {
            failed(database.lastError());
            return false;
        }
        error = ArchiveError{};
        if (work() && database.commit()) {
            return true;
        }
        const QSqlError last = database.lastError();
        database.rollback();
        if (!error) {
            failed(last);
        }
        if (!postgres() || !worth_retrying(last)) {
            return false;
        }
        QThread::msleep(static_cast<unsigned long>(10 * (attempt + 1)));
    }
    return false;
}

ArchiveStore::ArchiveStore(const ArchiveLocation& location) : m_impl(std::make_unique<Impl>()) {
    Impl& d = *m_impl;
    d.location = location;
    d.connection = next_connection_name();
    QSqlDatabase db;
    if (location.kind == ArchiveLocation::Kind::Sqlite) {
        const QString file = QString::fromStdString(location.file.string());
        QDir().mkpath(QFileInfo(file).absolutePath());
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d.connection);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
    } else {
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), d.connection);
        db.setHostName(to_qstring(location.host));
        if (location.port > 0) {
            db.setPort(location.port);
        }
        db.setDatabaseName(to_qstring(location.database));
        db.setUserName(to_qstring(location.user));
        db.setPassword(to_qstring(location.password));
        db.setConnectOptions(QStringLiteral("connect_timeout=3"));
    }
    if (!db.isValid()) {
        d.failed(ArchiveError::Kind::Unavailable,
                 QStringLiteral("The database driver is missing."));
        return;
    }
    if (!db.open()) {
        d.failed(d.postgres() ? ArchiveError::Kind::Unavailable : sqlite_kind(db.lastError()),
                 error_text(db.lastError()));
        return;
    }
    QString reason;
    if (!d.postgres()) {
        QSqlQuery pragma(db);
        // Readers never wait for a writer, and a crash never leaves half a transaction. In
        // WAL mode a commit that is not synced survives a crash of the program; a power cut
        // may lose the last legs, which dvk.tmp brings back for the game in progress.
        pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        pragma.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    }
    const int version = read_schema_version(db, reason);
    if (version < 0) {
        d.failed(d.postgres()
                     ? ArchiveError::Kind::Unavailable
                     : sqlite_kind(db.lastError().isValid() ? db.lastError() : QSqlError()),
                 reason);
        if (!d.postgres() && reason.contains(QLatin1String("not a database"))) {
            d.error.kind = ArchiveError::Kind::Corrupt;
        }
        return;
    }
    if (version > archive_schema_version) {
        d.failed(ArchiveError::Kind::Newer,
                 QStringLiteral("The archive was written by a newer version of the program."));
        return;
    }
    if (!upgrade_schema(db, reason)) {
        const bool damaged = reason.contains(QLatin1String("malformed")) ||
                             reason.contains(QLatin1String("not a database"));
        d.failed(damaged ? ArchiveError::Kind::Corrupt : ArchiveError::Kind::Unavailable, reason);
        return;
    }
    d.version = archive_schema_version;
    d.open = true;
}

ArchiveStore::~ArchiveStore() {
    {
        QSqlDatabase db = m_impl->db();
        if (db.isValid()) {
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_impl->connection);
}

bool ArchiveStore::is_open() const {
    return m_impl->open;
}

const ArchiveError& ArchiveStore::error() const {
    return m_impl->error;
}

const ArchiveLocation& ArchiveStore::location() const {
    return m_impl->location;
}

int ArchiveStore::schema_version() const {
    return m_impl->version;
}

namespace {

bool delete_legs(ArchiveStore::Impl& d, std::int64_t game_id, std::int32_t leg_index,
                 const QString& comparison) {
    QSqlQuery query(d.db());
    const QVariantList key = {QVariant::fromValue<qlonglong>(game_id), leg_index};
    for (const char* table : {"visits", "leg_players", "legs"}) {
        if (!d.exec(query,
                    QStringLiteral("DELETE FROM %1 WHERE game_id = ? AND leg_index %2 ?")
                        .arg(QLatin1String(table), comparison),
                    key)) {
            return false;
        }
    }
    return true;
}

bool insert_game(ArchiveStore::Impl& d, const GameRow& game) {
    QSqlQuery query(d.db());
    return d.exec(query,
                  QStringLiteral("INSERT INTO games (id, identity, started, start_score,"
                                 " round_limit, round_count, leg_limit, max_leg, best_of,"
                                 " schedule_mode, game_index, name0, start0, computer0, level0,"
                                 " name1, start1, computer1, level1) VALUES %1"
                                 " ON CONFLICT (id) DO NOTHING")
                      .arg(placeholders(19)),
                  game_values(game));
}

bool insert_names(ArchiveStore::Impl& d, const GameRow& game) {
    std::array<QString, 2> names = {to_qstring(game.seats[0].name), to_qstring(game.seats[1].name)};
    // Always the same order, so two boards adding the same names never wait for each other
    // in a circle.
    std::sort(names.begin(), names.end());
    QSqlQuery query(d.db());
    for (const QString& name : names) {
        if (!d.exec(query,
                    QStringLiteral("INSERT INTO player_names (name, player) VALUES (?, ?)"
                                   " ON CONFLICT (name) DO NOTHING"),
                    {name, name})) {
            return false;
        }
    }
    return true;
}

bool insert_leg(ArchiveStore::Impl& d, const ArchivedLeg& rows) {
    const LegRow& leg = rows.leg;
    const GameRow& game = rows.game;
    const QVariant id = QVariant::fromValue<qlonglong>(game.id);
    QSqlQuery query(d.db());
    if (!d.exec(query,
                QStringLiteral("INSERT INTO legs (game_id, leg_index, first_player, winner,"
                               " winning_darts, check_out, rounds) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                {id, leg.leg_index, leg.first_player, leg.winner, leg.winning_darts, leg.check_out,
                 leg.rounds})) {
        return false;
    }
    const QStringList counters = counter_column_names();
    QVariantList values;
    for (int seat = 0; seat < 2; ++seat) {
        const SeatRow& opponent = game.seats[static_cast<std::size_t>(1 - seat)];
        values << id << leg.leg_index << seat
               << to_qstring(game.seats[static_cast<std::size_t>(seat)].name)
               << to_qstring(opponent.name) << (opponent.computer ? 1 : 0)
               << to_qstring(archive_time_text(game.started)) << game.start_score
               << (leg.winner == seat ? 1 : 0) << (leg.winner == 1 - seat ? 1 : 0);
        const StatisticsCounters& c = leg.counters[static_cast<std::size_t>(seat)];
        for (const CounterColumn& column : counter_columns()) {
            if (column.fold != CounterFold::Unused) {
                values << c.*column.member;
            }
        }
    }
    const int columns = 10 + static_cast<int>(counters.size());
    if (!d.exec(query,
                QStringLiteral("INSERT INTO leg_players (game_id, leg_index, seat, name, opponent,"
                               " opponent_computer, started, start_score, won, lost, %1)"
                               " VALUES %2, %2")
                    .arg(counters.join(QStringLiteral(", ")), placeholders(columns)),
                values)) {
        return false;
    }
    if (rows.visits.empty()) {
        return true;
    }
    QStringList marks;
    values.clear();
    for (const VisitRow& v : rows.visits) {
        marks << placeholders(9);
        values << id << v.leg_index << v.round << v.player << v.score << v.left << v.darts
               << v.check_out_darts
               << (v.darts_at_double >= 0 ? QVariant(v.darts_at_double) : QVariant());
    }
    return d.exec(query,
                  QStringLiteral("INSERT INTO visits (game_id, leg_index, round_index, seat, score,"
                                 " left_score, darts, check_out_darts, darts_at_double) VALUES ") +
                      marks.join(QStringLiteral(", ")),
                  values);
}

// The game's sums per player follow its legs.
bool refresh_game(ArchiveStore::Impl& d, std::int64_t game_id) {
    QSqlQuery query(d.db());
    const QVariant id = QVariant::fromValue<qlonglong>(game_id);
    return d.exec(query, QStringLiteral("DELETE FROM game_players WHERE game_id = ?"), {id}) &&
           d.exec(query, refresh_game_players_sql(), {id});
}

bool leg_exists(ArchiveStore::Impl& d, std::int64_t game_id, std::int32_t leg_index, bool& exists) {
    QSqlQuery query(d.db());
    if (!d.exec(query,
                QStringLiteral("SELECT COUNT(*) FROM legs WHERE game_id = ? AND leg_index = ?"),
                {QVariant::fromValue<qlonglong>(game_id), leg_index})) {
        return false;
    }
    exists = query.next() && query.value(0).toLongLong() > 0;
    return true;
}

} // namespace

bool ArchiveStore::write_leg(const ArchivedLeg& leg) {
    Impl& d = *m_impl;
    return d.transaction([&] {
        return insert_game(d, leg.game) && insert_names(d, leg.game) &&
               delete_legs(d, leg.game.id, leg.leg.leg_index, QStringLiteral("=")) &&
               insert_leg(d, leg) && refresh_game(d, leg.game.id);
    });
}

bool ArchiveStore::write_legs(const std::vector<ArchivedLeg>& legs) {
    Impl& d = *m_impl;
    return d.transaction([&] {
        std::vector<std::int64_t> games;
        for (const ArchivedLeg& leg : legs) {
            if (!insert_game(d, leg.game) || !insert_names(d, leg.game) ||
                !delete_legs(d, leg.game.id, leg.leg.leg_index, QStringLiteral("=")) ||
                !insert_leg(d, leg)) {
                return false;
            }
            if (games.empty() || games.back() != leg.game.id) {
                games.push_back(leg.game.id);
            }
        }
        return std::all_of(games.begin(), games.end(),
                           [&](std::int64_t id) { return refresh_game(d, id); });
    });
}

bool ArchiveStore::write_leg_if_absent(const ArchivedLeg& leg) {
    Impl& d = *m_impl;
    return d.transaction([&] {
        bool exists = false;
        if (!leg_exists(d, leg.game.id, leg.leg.leg_index, exists)) {
            return false;
        }
        return exists || (insert_game(d, leg.game) && insert_names(d, leg.game) &&
                          insert_leg(d, leg) && refresh_game(d, leg.game.id));
    });
}

bool ArchiveStore::remove_legs_from(std::int64_t game_id, std::int32_t leg_index) {
    Impl& d = *m_impl;
    return d.transaction([&] {
        QSqlQuery query(d.db());
        const QVariant id = QVariant::fromValue<qlonglong>(game_id);
        return delete_legs(d, game_id, leg_index, QStringLiteral(">=")) &&
               refresh_game(d, game_id) &&
               d.exec(query, QStringLiteral("UPDATE games SET finished = 0 WHERE id = ?"), {id}) &&
               d.exec(query,
                      QStringLiteral("DELETE FROM games WHERE id = ? AND NOT EXISTS"
                                     " (SELECT 1 FROM legs WHERE legs.game_id = games.id)"),
                      {id});
    });
}

bool ArchiveStore::write_game_result(const GameResultRow& result) {
    Impl& d = *m_impl;
    return d.transaction([&] {
        QSqlQuery query(d.db());
        return d.exec(query,
                      QStringLiteral("UPDATE games SET legs_won0 = ?, legs_won1 = ?, finished = ?"
                                     " WHERE id = ?"),
                      {result.legs_won[0], result.legs_won[1], result.finished ? 1 : 0,
                       QVariant::fromValue<qlonglong>(result.game_id)});
    });
}

bool ArchiveStore::write_imported_game(const ImportedGame& game, bool& already) {
    Impl& d = *m_impl;
    already = false;
    return d.transaction([&] {
        QSqlQuery query(d.db());
        const GameRow& g = game.game;
        const QVariant id = QVariant::fromValue<qlonglong>(g.id);
        // The same game archived while it was played, or imported from another copy of its
        // file, is the game already there. A file whose date could not be read is known by
        // its identity alone.
        const bool dated = g.started.year != 0;
        const bool found =
            dated ? d.exec(query,
                           QStringLiteral("SELECT COUNT(*) FROM games WHERE id = ? OR"
                                          " (substr(started, 1, 19) = ? AND name0 = ? AND"
                                          " name1 = ? AND start0 = ? AND start1 = ?)"),
                           {id, to_qstring(archive_time_text(g.started).substr(0, 19)),
                            to_qstring(g.seats[0].name), to_qstring(g.seats[1].name),
                            g.seats[0].start_score, g.seats[1].start_score})
                  : d.exec(query, QStringLiteral("SELECT COUNT(*) FROM games WHERE id = ?"), {id});
        if (!found) {
            return false;
        }
        already = query.next() && query.value(0).toLongLong() > 0;
        if (already) {
            return true;
        }
        if (!insert_game(d, g) || !insert_names(d, g)) {
            return false;
        }
        for (const ArchivedLeg& leg : game.legs) {
            if (!insert_leg(d, leg)) {
                return false;
            }
        }
        if (!refresh_game(d, g.id)) {
            return false;
        }
        return d.exec(query,
                      QStringLiteral("UPDATE games SET legs_won0 = ?, legs_won1 = ?, finished = ?"
                                     " WHERE id = ?"),
                      {game.result.legs_won[0], game.result.legs_won[1],
                       game.result.finished ? 1 : 0, QVariant::fromValue<qlonglong>(g.id)});
    });
}

std::vector<PlayerSummary> ArchiveStore::players() {
    Impl& d = *m_impl;
    std::vector<PlayerSummary> players;
    if (!d.writable()) {
        return players;
    }
    QSqlQuery query(d.db());
    // The per-game rows hold each game's legs: a player list is a sum over games, not legs.
    if (!d.exec(query, QStringLiteral("SELECT pn.player, COUNT(DISTINCT gp.game_id), SUM(gp.legs)"
                                      " FROM player_names pn JOIN game_players gp"
                                      " ON gp.name = pn.name GROUP BY pn.player"
                                      " ORDER BY pn.player"))) {
        return players;
    }
    while (query.next()) {
        PlayerSummary p;
        p.name = to_std(query.value(0).toString());
        p.games = query.value(1).toLongLong();
        p.legs = query.value(2).toLongLong();
        const QString name = query.value(0).toString();
        static const QRegularExpression table(QStringLiteral("^COM \\(Lv\\.(\\d+)\\)$"));
        static const QRegularExpression average(QStringLiteral("^COM \\(Avg (\\d+)\\)$"));
        if (const QRegularExpressionMatch m = table.match(name); m.hasMatch()) {
            p.computer = true;
            p.com_level = m.captured(1).toInt() - 1;
        } else if (const QRegularExpressionMatch a = average.match(name); a.hasMatch()) {
            p.computer = true;
            p.com_level = average_level(a.captured(1).toInt());
        } else if (name.startsWith(QStringLiteral("COM like "))) {
            // A copy of a player: its spread is not part of its name.
            p.computer = true;
            p.com_level = fitted_level_base;
        }
        players.push_back(std::move(p));
    }
    if (!d.exec(query, QStringLiteral("SELECT name, player FROM player_names ORDER BY name"))) {
        return {};
    }
    while (query.next()) {
        const std::string player = to_std(query.value(1).toString());
        const auto it = std::find_if(players.begin(), players.end(),
                                     [&](const PlayerSummary& p) { return p.name == player; });
        if (it != players.end()) {
            it->entered_names.push_back(to_std(query.value(0).toString()));
        }
    }
    return players;
}

bool ArchiveStore::rename_player(const std::string& from, const std::string& to) {
    Impl& d = *m_impl;
    std::vector<std::string> names;
    for (const PlayerSummary& p : players()) {
        names.push_back(p.name);
    }
    if (d.error) {
        return false;
    }
    const std::string target = trimmed_name(to);
    const NameChange change = decide_name_change(names, from, target);
    if (change.kind == NameChangeKind::Refused) {
        d.failed(ArchiveError::Kind::Failed, to_qstring(change.reason));
        return false;
    }
    if (change.kind == NameChangeKind::Merge) {
        return merge_players(from, target);
    }
    return d.transaction([&] {
        QSqlQuery query(d.db());
        return d.exec(query,
                      QStringLiteral("UPDATE player_names SET player = ? WHERE player = ? OR"
                                     " name = ?"),
                      {to_qstring(target), to_qstring(from), to_qstring(target)}) &&
               d.exec(query,
                      QStringLiteral("INSERT INTO player_names (name, player) VALUES (?, ?)"
                                     " ON CONFLICT (name) DO NOTHING"),
                      {to_qstring(target), to_qstring(target)});
    });
}

bool ArchiveStore::merge_players(const std::string& from, const std::string& into) {
    Impl& d = *m_impl;
    std::vector<std::string> names;
    for (const PlayerSummary& p : players()) {
        names.push_back(p.name);
    }
    if (d.error) {
        return false;
    }
    const NameChange change = decide_name_change(names, from, into);
    if (change.kind != NameChangeKind::Merge) {
        d.failed(ArchiveError::Kind::Failed,
                 to_qstring(change.kind == NameChangeKind::Refused
                                ? change.reason
                                : std::string("There is no player of that name.")));
        return false;
    }
    return d.transaction([&] {
        QSqlQuery query(d.db());
        return d.exec(query, QStringLiteral("UPDATE player_names SET player = ? WHERE player = ?"),
                      {to_qstring(into), to_qstring(from)});
    });
}

} // namespace dvk
