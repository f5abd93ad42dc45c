#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and the address and undefined-behaviour
# sanitizers into build-fuzz/, then runs each for SECONDS (default 60), one after another,
# starting from its seed corpus in tests/fuzz/corpus/. Inputs that reach new code collect in
# build-fuzz/corpus/, crashing inputs in build-fuzz/artifacts/; the run fails when any target
# finds one.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]      targets: recovery settings arrange score_text plugin_texts
#                                                       archive_texts page_request restart
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(recovery settings arrange score_text plugin_texts archive_texts page_request restart)
fi
scripts/install-deps.sh
build_dir=${DVK_FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DDVK_FUZZ=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)"

status=0
for target in "${targets[@]}"; do
    corpus="$build_dir/corpus/$target"
    artifacts="$build_dir/artifacts/$target"
    log="$build_dir/fuzz-$target.log"
    mkdir -p "$corpus" "$artifacts"
    echo "== $target: ${seconds}s"
    if ! UBSAN_OPTIONS=print_stacktrace=1 "$build_dir/tests/fuzz/fuzz_$target" \
        "$corpus" "tests/fuzz/corpus/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/" 2>"$log"; then
        status=1
        echo "   FOUND a failing input, see $log and $artifacts/"
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1 | sed 's/^/   /' || true
    grep -E '^stat::number_of_executed_units' "$log" | sed 's/^/   /' || true
done
exit "$status"
