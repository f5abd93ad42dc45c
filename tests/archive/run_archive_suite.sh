#!/usr/bin/env bash
# Runs the archive suite on SQLite, or on a PostgreSQL 15 server of its own:
#   run_archive_suite.sh sqlite|postgresql SUITE DVK_SIM [gtest arguments]
# The server is a private cluster in a temporary folder, listening only on a socket there.
# As root (CI) everything runs as the unprivileged user nobody: PostgreSQL refuses to run as
# root, and root would write the read-only files the suite needs.
set -euo pipefail
mode=$1
suite=$2
sim=$3
shift 3
pg_bin=${DVK_PG_BIN:-/usr/lib/postgresql/15/bin}

work=$(mktemp -d /tmp/dvk-archive-suite.XXXXXX)
as_user=()
if [ "$(id -u)" = 0 ]; then
    # Copies, since nobody may not be allowed into the build folder.
    cp "$suite" "$work/archive_store_tests"
    cp "$sim" "$work/dvk-sim"
    suite=$work/archive_store_tests
    sim=$work/dvk-sim
    chown -R nobody:nogroup "$work"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env --)
fi
run() {
    "${as_user[@]}" env HOME="$work" TMPDIR="$work" XDG_RUNTIME_DIR="$work" \
        PATH=/usr/bin:/bin LANG=C.UTF-8 DVK_SIM="$sim" "$@"
}
cleanup() {
    if [ -f "$work/data/postmaster.pid" ]; then
        run "$pg_bin/pg_ctl" -D "$work/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

if [ "$mode" = sqlite ]; then
    run "$suite" "$@"
    exit
fi

for tool in initdb pg_ctl postgres; do
    if [ ! -x "$pg_bin/$tool" ]; then
        echo "SKIPPED: the PostgreSQL 15 server ($pg_bin/$tool) is not installed;" \
             "scripts/install-deps.sh installs postgresql-15"
        exit 77
    fi
done
run "$pg_bin/initdb" -D "$work/data" -U dvk --auth=trust --no-sync >/dev/null
cat >>"$work/data/postgresql.conf" <<CONF
listen_addresses = ''
unix_socket_directories = '$work'
fsync = off
full_page_writes = off
CONF
run "$pg_bin/pg_ctl" -D "$work/data" -l "$work/data/server.log" -w start >/dev/null
run env DVK_ARCHIVE_TEST_SERVER="postgresql://dvk@localhost/postgres?host=$work" \
    DVK_ARCHIVE_TEST_PGBIN="$pg_bin" DVK_ARCHIVE_TEST_PGDATA="$work/data" "$suite" "$@"
