#pragma once

#include <QString>
#include <QStringList>

class QSqlDatabase;

namespace dvk {

// The archive's tables, in SQL that SQLite and PostgreSQL both accept.
//
// Version 1 kept games, legs, the counters of each player in each leg, and visits.
// Version 2 adds the players: each name as entered belongs to one player, so a player can be
// renamed and two names merged without touching a game.
// Version 3 adds each player's counters summed over each game, kept with the game's legs, so a
// career summary adds up games instead of legs.
inline constexpr int archive_schema_version = 3;

// The statements that take an archive from `version` to `version` + 1 (from 0: create it).
QStringList schema_upgrade(int version);

// The version an archive is at: 0 for an empty one, -1 when it cannot be read (`error` says
// why).
int read_schema_version(QSqlDatabase& db, QString& error);

// Brings an archive up to archive_schema_version, each step in a transaction of its own.
// False with `error` when a step fails; an archive newer than this program is left alone.
bool upgrade_schema(QSqlDatabase& db, QString& error);

// The counter columns of tables leg_players and game_players, in stored order (the reserved
// counter has none).
QStringList counter_column_names();

// The counters of legs (table alias `lp`) folded as their counters fold: SUM, MAX, or the
// smallest value above 0 (0 when none).
QString counter_aggregates();

// Rebuilds a game's rows of game_players from its legs; the one value is the game's id.
QString refresh_game_players_sql();

} // namespace dvk
