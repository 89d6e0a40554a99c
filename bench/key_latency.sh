#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Key latency in the real window: time from a synthetic key press (XTEST) to the
# server's report that the window was repainted (DAMAGE), over COUNT presses
# alternating "1" and BackSpace (each changes the display). Peers that are
# installed are measured the same way for comparison.
#   bench/key_latency.sh [COUNT]        (default 1000)
# Then trellum's own share: trellum-key-bench times, inside the program, a key
# event to the repainted display handed to the X server, without the round trips.
# TRELLUM_BIN=path (and TRELLUM_KEY_BENCH=path) skip the release build in build-bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
COUNT=${1:-1000}
source bench/display.sh

cc -O2 -Wall -o "$work/xprobe" bench/xprobe.c -lX11 -lXfixes -l:libXdamage.so.1 -l:libXtst.so.6
if [[ -z ${TRELLUM_BIN:-} || -z ${TRELLUM_KEY_BENCH:-} ]]; then
    source bench/release_build.sh
    release_build trellum trellum-key-bench
    TRELLUM_BIN=${TRELLUM_BIN:-$PWD/build-bench/shell/trellum}
    TRELLUM_KEY_BENCH=${TRELLUM_KEY_BENCH:-$PWD/build-bench/tools/trellum-key-bench}
fi

start_display

# name, window title, command
programs=("trellum|Trellum|$TRELLUM_BIN"
          "galculator|galculator|galculator"
          "speedcrunch|SpeedCrunch|speedcrunch"
          "qalculate-gtk|Qalculate!|qalculate-gtk"
          "gnome-calculator|Calculator|gnome-calculator"
          "kcalc|KCalc|kcalc")

echo "Key latency on Xvfb, no window manager, $COUNT presses; $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "| program | presses | median us | p99 us | max us | no repaint |"
echo "|---|---:|---:|---:|---:|---:|"
for entry in "${programs[@]}"; do
    IFS='|' read -r name title cmd <<<"$entry"
    command -v "$cmd" >/dev/null || continue
    mapfile -t env_vars < <(private_env "$name")
    env "${env_vars[@]}" "$cmd" >/dev/null 2>&1 &
    app=$!
    if result=$("$work/xprobe" keys --name "$title" --count "$COUNT" 2>"$work/err"); then
        read -r got median p99 max missed <<<"$result"
        echo "| $name | $got | $median | $p99 | $max | $missed |"
    else
        echo "  ($name: $(cat "$work/err"))" >&2
    fi
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
done

mapfile -t env_vars < <(private_env key-bench)
if result=$(env "${env_vars[@]}" "$TRELLUM_KEY_BENCH" "$COUNT" 2>"$work/err"); then
    read -r got median p99 max missed <<<"$result"
    echo "| trellum, inside the program (key event to flushed repaint) | $got | $median | $p99 | $max | $missed |"
else
    echo "  (trellum-key-bench: $(tail -1 "$work/err"))" >&2
fi
