#!/usr/bin/env bash
# Takes the screenshot that the AppStream metadata shows: the calculator on a
# private Xvfb display with openbox, in fresh settings folders, after 2 X^y 0.5 =
# (the display full of digits). Writes a PNG without time stamps.
#   packaging/screenshot.sh [TRELLUM [OUTPUT.png]]
# Defaults: build/shell/trellum and packaging/screenshots/trellum.png.
set -euo pipefail
cd "$(dirname "$0")/.."
trellum=$(realpath "${1:-build/shell/trellum}")
output=${2:-packaging/screenshots/trellum.png}
[ -x "$trellum" ] || { echo "no program at $trellum (build it first)" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

wait_for() {
    local tries=$(($1 * 50)); shift
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || return 1
        sleep 0.02
    done
}

# Everything the picture depends on is fixed here: screen, scale (2, for a
# picture sharp enough for software centres), language, theme.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$work/displayfd" 2>/dev/null &
pids+=($!)
read -r n <"$work/displayfd"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
run_env=(env -i PATH="$PATH" DISPLAY=":$n" HOME="$work/home" XDG_CONFIG_HOME="$work/config"
         XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime"
         LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 DBUS_SESSION_BUS_ADDRESS=disabled:)
"${run_env[@]}" openbox --sm-disable 2>/dev/null &
pids+=($!)
wait_for 10 "${run_env[@]}" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
"${run_env[@]}" numlockx on 2>/dev/null || true

"${run_env[@]}" "$trellum" 2>/dev/null &
app=$!
pids+=($app)
find_window() {
    local w
    for w in $(DISPLAY=":$n" xdotool search --pid "$app" --name '^Trellum$' 2>/dev/null); do
        DISPLAY=":$n" xprop -id "$w" WM_NAME | grep -q '= "Trellum"$' && { echo "$w"; return 0; }
    done
    return 1
}
wait_for 20 find_window || { echo "the window did not appear" >&2; exit 1; }
win=$(find_window)
export DISPLAY=":$n"
xdotool windowactivate --sync "$win" 2>/dev/null || true
# 2, F4 (X^y), 0, keypad decimal point (keycode 91), 5, Enter (=).
xdotool key 2 F4 0 91 5 Return
sleep 0.5
mkdir -p "$(dirname "$output")"
import -window "$win" "$work/shot.png"
convert "$work/shot.png" -strip -define png:exclude-chunks=date,time "$output"
echo "$output"
