#!/usr/bin/env bash
# Configures and builds dvk into build/ (Release with debug info by default).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${DVK_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="${DVK_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
