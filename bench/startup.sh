#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time and memory of trellum beside other calculators and a bare Qt 6
# window of 40 buttons (the floor), all on one Xvfb display without a window
# manager. For each program: RUNS starts (after one unmeasured warm-up), time from
# exec to the MapNotify of its first top-level window (min/median/max), time to
# its last repaint before it settles, and RSS/PSS one second after the map.
#   bench/startup.sh                 (RUNS=10, BENCH_INSTALL=1 installs missing peers,
#                                     PEERS=0 measures trellum and the floor only)
# TRELLUM_BIN=path skips the release build in build-bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${RUNS:-10}
BENCH_INSTALL=${BENCH_INSTALL:-1}
PEERS=${PEERS:-1}
source bench/display.sh

# ---- build what is measured ----
cc -O2 -Wall -o "$work/xprobe" bench/xprobe.c -lX11 -lXfixes -l:libXdamage.so.1 -l:libXtst.so.6
build_startup_pair

# ---- peers: name, Debian package, command ----
peers=("galculator galculator galculator"
       "gnome-calculator gnome-calculator gnome-calculator"
       "speedcrunch speedcrunch speedcrunch"
       "qalculate-gtk qalculate-gtk qalculate-gtk"
       "kcalc kcalc kcalc")
apt_updated=0
ensure_installed() {
    local pkg=$1 cmd=$2
    command -v "$cmd" >/dev/null && return 0
    [[ $BENCH_INSTALL == 1 ]] || return 1
    local sudo=()
    [[ $(id -u) == 0 ]] || sudo=(sudo -n)
    if [[ $apt_updated == 0 ]]; then
        "${sudo[@]}" apt-get update -qq >/dev/null 2>&1 || true
        apt_updated=1
    fi
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "$pkg" \
        >"$work/apt-$pkg.log" 2>&1 || { echo "  ($pkg: apt-get failed: $(tail -1 "$work/apt-$pkg.log"))" >&2; return 1; }
    command -v "$cmd" >/dev/null
}

start_display

# Private home and environment of one program, and its unmeasured first start
# (which fills caches and writes first-run settings).
prepare() {
    local name=$1
    shift
    private_env "$name" >"$work/$name.env"
    : >"$work/$name.runs"
    if ! start_once "$name" "$@" >/dev/null; then
        echo "  ($name: no window; $(tail -1 "$work/$name.err"))" >&2
        return 1
    fi
}
start_once() {
    local name=$1
    shift
    local env_vars
    mapfile -t env_vars <"$work/$name.env"
    env "${env_vars[@]}" "$work/xprobe" start -- "$@" 2>>"$work/$name.err"
}
# Runs one program RUNS times; one line per start: map, paint, rss, pss.
measure() {
    local name=$1
    shift
    prepare "$name" "$@" || return 1
    for ((i = 0; i < RUNS; i++)); do
        start_once "$name" "$@" >>"$work/$name.runs" || true
    done
    [[ -s "$work/$name.runs" ]]
}

stats() {  # file column -> min median max
    sort -n -k"$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { printf "%s %s %s\n", v[1], v[int((NR + 1) / 2)], v[NR] }'
}

names=()
echo "measuring trellum and the Qt floor ($RUNS runs each)" >&2
# trellum and the floor take turns, so a change in the machine's load during the
# run weighs on both alike and their ratio stays fair.
prepare trellum "$TRELLUM_BIN" || exit 1
prepare qt-floor "$FLOOR_BIN" || exit 1
for ((i = 0; i < RUNS; i++)); do
    start_once trellum "$TRELLUM_BIN" >>"$work/trellum.runs" || true
    start_once qt-floor "$FLOOR_BIN" >>"$work/qt-floor.runs" || true
done
names+=(trellum qt-floor)
[[ $PEERS == 1 ]] || peers=()
for entry in "${peers[@]}"; do
    read -r name pkg cmd <<<"$entry"
    if ! ensure_installed "$pkg" "$cmd"; then
        echo "  ($name: not installed, skipped)" >&2
        continue
    fi
    echo "measuring $name" >&2
    measure "$name" "$(command -v "$cmd")" && names+=("$name")
done

[[ " ${names[*]} " == *" trellum "* ]] || { echo "trellum did not start" >&2; exit 1; }
read -r _ t_map _ < <(stats "$work/trellum.runs" 1)
read -r _ t_pss _ < <(stats "$work/trellum.runs" 4)

echo
echo "Start-up on Xvfb, no window manager, $RUNS runs after one warm-up; $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "| program | map min ms | map median ms | map max ms | painted median ms | RSS MiB | PSS MiB | map / trellum | PSS / trellum |"
echo "|---|---:|---:|---:|---:|---:|---:|---:|---:|"
for name in "${names[@]}"; do
    f="$work/$name.runs"
    read -r mn md mx < <(stats "$f" 1)
    read -r _ paint _ < <(stats "$f" 2)
    read -r _ rss _ < <(stats "$f" 3)
    read -r _ pss _ < <(stats "$f" 4)
    awk -v n="$name" -v mn="$mn" -v md="$md" -v mx="$mx" -v p="$paint" -v r="$rss" -v s="$pss" \
        -v tm="$t_map" -v ts="$t_pss" 'BEGIN {
        printf "| %s | %.1f | %.1f | %.1f | %.1f | %.1f | %.1f | %.2f | %.2f |\n",
               n, mn, md, mx, p, r / 1024, s / 1024, md / tm, s / ts }'
done
