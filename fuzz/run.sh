#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (library sources compiled directly, no
# CMake) and runs each for a bounded time on a scratch copy of its seed corpus.
#   fuzz/run.sh [SECONDS_PER_TARGET]        (default 25; FUZZ_TARGETS to pick some)
# A crash leaves its input in build-fuzz/artifacts/ and fails the script; replay it
# with build-fuzz/<target> build-fuzz/artifacts/<file>.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-${FUZZ_SECONDS:-25}}
OUT=${FUZZ_BUILD:-build-fuzz}
CXX=${FUZZ_CXX:-clang++}
TARGETS=${FUZZ_TARGETS:-"value_of_text is_numeric constants_file hive"}
FLAGS=(-std=c++20 -g -O1 -fno-omit-frame-pointer -I. -fsanitize=address,undefined -fno-sanitize-recover=undefined)

mkdir -p "$OUT/lib" "$OUT/artifacts"
objects=()
for src in engine/*.cpp functions/*.cpp storage/*.cpp app/*.cpp testing/*.cpp; do
    obj="$OUT/lib/$(echo "${src%.cpp}" | tr / _).o"
    objects+=("$obj")
    [[ "$obj" -nt "$src" && -z $(find engine functions storage app testing -name '*.h' -newer "$obj" -print -quit) ]] && continue
    echo "compile $src"
    "$CXX" "${FLAGS[@]}" -fsanitize=fuzzer-no-link -c "$src" -o "$obj" &
    # Two compilers at a time keeps a 2-core runner responsive.
    (( $(jobs -rp | wc -l) >= 2 )) && wait -n
done
wait

# The file targets write and sync on every run; on tmpfs that costs nothing.
if [[ -z ${TMPDIR:-} && -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
for target in $TARGETS; do
    "$CXX" "${FLAGS[@]}" -fsanitize=fuzzer "fuzz/${target}_fuzz.cpp" "${objects[@]}" -o "$OUT/$target"
    scratch="$OUT/corpus-$target"
    mkdir -p "$scratch"
    echo "== fuzz $target for ${SECONDS_EACH}s"
    # New inputs go to the scratch folder; the seed corpus in the repo stays as committed.
    if ! "$OUT/$target" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
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
