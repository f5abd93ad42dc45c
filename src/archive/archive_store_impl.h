#pragma once

#include "archive/archive_store.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <functional>

namespace dvk {

// The connection behind an ArchiveStore and the helpers its statements share.
struct ArchiveStore::Impl {
    ArchiveLocation location;
    QString connection;
    ArchiveError error;
    int version = 0;
    bool open = false;

    QSqlDatabase db() const { return QSqlDatabase::database(connection, false); }
    bool postgres() const { return location.kind == ArchiveLocation::Kind::Postgres; }

    // Runs `sql` with `values` bound in order; on failure records why and returns false.
    bool exec(QSqlQuery& query, const QString& sql, const QVariantList& values = {});
    // Runs `work` in a transaction, again after a deadlock or serialization failure of the
    // server; nothing of a failed attempt stays.
    bool transaction(const std::function<bool()>& work);
    // Records a failed statement with what kind of failure it is.
    void failed(const QSqlError& sql_error);
    void failed(ArchiveError::Kind kind, const QString& text);
    bool writable();
};

// The part of a WHERE clause that chooses a player's legs (table alias `lp`) by the filter,
// with its values in order.
struct FilterSql {
    QString where;
    QVariantList values;
};
FilterSql filter_sql(const std::string& player, const CareerFilter& filter);

QString to_qstring(const std::string& text);
std::string to_std(const QString& text);

} // namespace dvk
