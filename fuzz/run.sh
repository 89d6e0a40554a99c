#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang (TRELLUM_FUZZ=ON) and runs each for a
# bounded time: fuzz/run.sh [SECONDS_PER_TARGET] (default 25; FUZZ_TARGETS picks).
# A crash leaves its input in build-fuzz/artifacts/ and fails the script; replay it
# with build-fuzz/fuzz/<target>_fuzz build-fuzz/artifacts/<file>.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-${FUZZ_SECONDS:-25}}
OUT=${FUZZ_BUILD:-build-fuzz}
CXX=${FUZZ_CXX:-clang++}
CC=${FUZZ_CC:-clang}
TARGETS=${FUZZ_TARGETS:-"is_numeric constants_file hive"}

cmake -S . -B "$OUT" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER="$CC" \
      -DCMAKE_CXX_COMPILER="$CXX" -DTRELLUM_FUZZ=ON -DTRELLUM_BUILD_SHELL=OFF -DTRELLUM_BUILD_TESTS=OFF >/dev/null
# Two compilers at a time keeps a 2-core runner responsive.
cmake --build "$OUT" -j2 --target $(printf '%s_fuzz ' $TARGETS)
mkdir -p "$OUT/artifacts"

# The file targets write and sync on every run; on tmpfs that costs nothing.
if [[ -z ${TMPDIR:-} && -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
for target in $TARGETS; do
    scratch="$OUT/corpus-$target"
    mkdir -p "$scratch"
    echo "== fuzz $target for ${SECONDS_EACH}s"
    # New inputs go to the scratch folder; the seed corpus in the repo stays as committed.
    if ! "$OUT/fuzz/${target}_fuzz" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
            -print_final_stats=1 -artifact_prefix="$OUT/artifacts/$target-" \
            "$scratch" "fuzz/corpus/$target" 2>"$OUT/$target.log"; then
        status=1
        echo "FAILED: $target (log: $OUT/$target.log)"
        grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$OUT/$target.log" | head -20 || true
    else
        grep -E '^stat::number_of_executed_units|^Done' "$OUT/$target.log" | tr '\n' ' '
        echo
    fi
done
exit $status
