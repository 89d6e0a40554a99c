#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Settings file load and save times for hostile shapes, through trellum-keys --hive
# (one start and one shut-down each; process start included). "load" runs on a
# read-only copy, which the store reads and never replaces; "load+save" on a
# writable one. Prints milliseconds (best of RUNS) and the file size before and after.
#   bench/settings_shapes.sh
# TRELLUM_KEYS=path/to/trellum-keys skips the release build of build-bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${RUNS:-3}

source bench/release_build.sh
release_keys_runner

tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
ours=$(sed 1d tests/data/settings/typical.reg)

# One key holding 100 000 values (1.5 MB).
{
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n'
    awk 'BEGIN { for (i = 0; i < 100000; i++) printf "\"v%06d\"=\"0\"\n", i }'
    echo "$ours"
} >"$tmp/values.reg"
# One key nested 2 000 deep, as one section header.
{
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE'
    awk 'BEGIN { for (i = 0; i < 2000; i++) printf "\\k" }'
    printf ']\n"v"="x"\n'
    echo "$ours"
} >"$tmp/deep2000.reg"
# One key nested 750 000 deep (1.5 MB in its header alone).
{
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE'
    awk 'BEGIN { for (i = 0; i < 750000; i++) printf "\\k" }'
    printf ']\n"v"="x"\n'
    echo "$ours"
} >"$tmp/deep750k.reg"
# Every level of a nesting written as a key of its own, 1 200 deep (1.5 MB).
{
    printf 'REGEDIT4\n\n'
    awk 'BEGIN { p = "HKEY_LOCAL_MACHINE"; for (i = 0; i < 1200; i++) { p = p "\\k"; printf "[%s]\n\n", p } }'
    echo "$ours"
} >"$tmp/levels.reg"

ms() {  # best wall time of RUNS runs of the runner on a fresh copy, in ms
    local best=999999999 start end t
    for _ in $(seq "$RUNS"); do
        cp "$1" "$tmp/run.reg"
        [[ $2 == ro ]] && chmod 444 "$tmp/run.reg"
        start=$(date +%s%N)
        "$TRELLUM_KEYS" --hive "$tmp/run.reg" </dev/null >/dev/null
        end=$(date +%s%N)
        t=$(((end - start) / 1000000))
        ((t < best)) && best=$t
        chmod 644 "$tmp/run.reg"
    done
    echo "$best"
}

printf '%-10s %10s %8s %10s %10s\n' shape bytes load_ms load+save after_bytes
for shape in values deep2000 deep750k levels; do
    file="$tmp/$shape.reg"
    load=$(ms "$file" ro)
    both=$(ms "$file" rw)
    printf '%-10s %10d %8d %10d %10d\n' "$shape" "$(stat -c %s "$file")" "$load" "$both" "$(stat -c %s "$tmp/run.reg")"
done
