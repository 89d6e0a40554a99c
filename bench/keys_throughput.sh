#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Engine throughput: random key scripts of at least a million tokens through
# trellum-keys, output discarded; prints keys per second (best and median of runs).
#   bench/keys_throughput.sh [KEYS]      (default 1000000)
# TRELLUM_KEYS=path/to/trellum-keys skips the release build of build-bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
KEYS=${1:-1000000}
RUNS=${RUNS:-5}
SEED=${SEED:-20240611}

source bench/release_build.sh
release_keys_runner

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# mode "engine": keypad keys only (digits, point, operators, brackets, functions,
# clear keys); mode "dialogs": the same with memory dialogs and pastes mixed in.
generate() {
    awk -v n="$KEYS" -v seed="$SEED" -v mode="$1" 'BEGIN {
        srand(seed)
        split("0 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 . + - * / ^ ( ) = = AC C DEL EXP NEG SQRT X2 SIN COS TAN LOG LN INV MODE SHIFT HYP DMS", k, " ")
        nk = length(k)
        split("MIN:1 MR:1 MIN:5 MR:5 MIN:F3 MR:X MIN:W PASTE:3.25 PASTE:-1.5E-07 PASTE:abc", d, " ")
        nd = length(d)
        line = ""
        for (i = 0; i < n; i++) {
            if (mode == "dialogs" && rand() < 0.05) t = d[int(rand() * nd) + 1]
            else t = k[int(rand() * nk) + 1]
            line = line t " "
            if (i % 20 == 19) { print line; line = "" }
        }
        if (line != "") print line
    }' >"$tmp/$1.keys"
}

now_ns() { date +%s%N; }

printf '%-8s %10s %12s %12s %12s\n' mode keys best_keys/s median_keys/s worst_keys/s
for mode in engine dialogs; do
    generate "$mode"
    # The script goes in as one file read; the page cache is warm after the first run.
    "$TRELLUM_KEYS" <"$tmp/$mode.keys" >/dev/null
    rates=()
    for ((r = 0; r < RUNS; r++)); do
        t0=$(now_ns)
        "$TRELLUM_KEYS" <"$tmp/$mode.keys" >/dev/null
        t1=$(now_ns)
        rates+=($(( KEYS * 1000000000 / (t1 - t0) )))
    done
    sorted=($(printf '%s\n' "${rates[@]}" | sort -n))
    printf '%-8s %10d %12d %12d %12d\n' "$mode" "$KEYS" "${sorted[-1]}" "${sorted[$((RUNS / 2))]}" "${sorted[0]}"
done
