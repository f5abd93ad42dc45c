#!/usr/bin/env bash
# Builds dvk with the address and undefined-behaviour sanitizers into build-sanitize/ and runs
# the whole test suite there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir=${DVK_SANITIZE_BUILD_DIR:-build-sanitize}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDVK_SANITIZE=ON \
    -DDVK_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
# Qt keeps some process-wide caches until exit; leaks are checked on the engine alone.
ASAN_OPTIONS=detect_leaks=0:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" \
    -R '^engine\.'
