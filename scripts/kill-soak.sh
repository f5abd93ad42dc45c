#!/usr/bin/env bash
# A longer crash soak than the test suite's, outside CI: builds dvk, then plays real matches on a
# private X server and kills the program with SIGKILL KILLS times (default 110) at random
# moments, checking after each restart that the game it continues is the one entered.
#
#   scripts/kill-soak.sh [KILLS] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec python3 tests/e2e/kill_soak.py "${1:-110}" ${2:+"$2"}
