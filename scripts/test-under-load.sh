#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the whole test suite N times (default 10) with `ctest -j2` while two
# CPU-bound processes run beside it, as on a contributor's busy laptop or a
# shared CI runner, and stops them afterwards. Builds build/ first, configured
# as scripts/test.sh configures it. Prints one line per run and a summary; the
# output of a failed run is kept in build/load-runs/. Each line gives the
# one-minute load average at the end of its run.
#   scripts/test-under-load.sh [N]
# Exit status 1 when any run failed.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
build=build

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTRELLUM_BUILD_SHELL=ON -DTRELLUM_BUILD_TESTS=ON -DTRELLUM_WERROR=ON \
      -DTRELLUM_SANITIZE=OFF -DTRELLUM_FUZZ=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

load=()
stop_load() {
    local pid
    for pid in "${load[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${load[@]}"; do wait "$pid" 2>/dev/null || true; done
    load=()
}
trap stop_load EXIT
for _ in 1 2; do
    (while :; do :; done) &
    load+=($!)
done

logs=$build/load-runs
mkdir -p "$logs"
passed=0 failed=0
for run in $(seq "$runs"); do
    started=$SECONDS
    log=$logs/run-$run.log
    if ctest --test-dir "$build" -j2 --output-on-failure >"$log" 2>&1; then
        passed=$((passed + 1))
        echo "run $run/$runs: passed in $((SECONDS - started)) s (load average $(cut -d' ' -f1 /proc/loadavg))"
        rm -f "$log"
    else
        failed=$((failed + 1))
        echo "run $run/$runs: FAILED in $((SECONDS - started)) s (load average $(cut -d' ' -f1 /proc/loadavg)): $(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (.*)$/\1/p' "$log" | tr '\n' ' ')(log: $log)"
    fi
done
stop_load
echo "under load (two CPU-bound processes, ctest -j2): $passed of $runs runs passed, $failed failed"
[ "$failed" -eq 0 ]
