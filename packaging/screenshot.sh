#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshots that the AppStream metadata shows, on a private Xvfb
# display with openbox, in fresh settings folders, at scale 2 and in the C
# locale, and writes them as PNG files without time stamps:
#   trellum.png    the full window after 2 X^y 0.5 = (the display full of digits)
#   compact.png    the compact window (Ctrl+S) with that result
#   memory.png     the memory dialog after 42 was stored in slot 1
#   constants.png  the constants dialog on the starter library
#   packaging/screenshot.sh [TRELLUM [OUTPUT_DIR]]
# Defaults: build/shell/trellum (with the starter constants.txt the build puts
# beside it) and packaging/screenshots. Prints each file with its size, which
# the metadata repeats.
set -euo pipefail
cd "$(dirname "$0")/.."
trellum=$(realpath "${1:-build/shell/trellum}")
output=${2:-packaging/screenshots}
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

# Polls a command every 20 ms for up to $1 seconds (generous: builds may run beside).
wait_for() {
    local deadline=$((SECONDS + $1)); shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.02
    done
}

# Everything the pictures depend on is fixed here: screen, scale (2, for
# pictures sharp enough for software centres), language, theme.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset 3>"$work/displayfd" 2>/dev/null &
pids+=($!)
read -r n <"$work/displayfd"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
run_env=(env -i PATH="$PATH" DISPLAY=":$n" HOME="$work/home" XDG_CONFIG_HOME="$work/config"
         XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime"
         LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 DBUS_SESSION_BUS_ADDRESS=disabled:)
"${run_env[@]}" openbox --sm-disable 2>/dev/null &
pids+=($!)
wait_for 60 "${run_env[@]}" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
"${run_env[@]}" numlockx on 2>/dev/null || true
export DISPLAY=":$n"

"${run_env[@]}" "$trellum" 2>/dev/null &
app=$!
pids+=($app)
# The program's mapped window titled exactly $1 (xdotool's search ignores case,
# and the tray icon's window is named "trellum").
find_window() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$app" --name "^$1\$" 2>/dev/null); do
        xprop -id "$w" WM_NAME | grep -qF "= \"$1\"" && { echo "$w"; return 0; }
    done
    return 1
}
gone() { ! find_window "$1"; }
wait_for 120 find_window Trellum || { echo "the window did not appear" >&2; exit 1; }
win=$(find_window Trellum)
xdotool windowactivate --sync "$win" 2>/dev/null || true

# The display as copied with Ctrl+C, once it reads $1: the keys before it
# have been handled and painted.
shows() {
    printf '-' | xclip -selection clipboard -i >/dev/null 2>&1
    xdotool key ctrl+c
    wait_for 5 sh -c "[ \"\$(xclip -o -selection clipboard 2>/dev/null)\" = '$1' ]"
}
settled() { local tries; for tries in 1 2 3 4 5 6; do shows "$1" && return 0; done; return 1; }

mkdir -p "$output"
save() {   # save WINDOW NAME
    import -window "$1" "$work/shot.png"
    convert "$work/shot.png" -strip -define png:exclude-chunks=date,time "$output/$2.png"
    echo "$output/$2.png $(identify -format '%wx%h' "$output/$2.png")"
}

# Slot 1 holds 42: Min (Insert), line 1, Enter.
xdotool key 4 2 Insert
wait_for 60 find_window "Save a number" || { echo "no memory dialog" >&2; exit 1; }
xdotool key Down Return
wait_for 60 gone "Save a number"
# 2, F4 (X^y), 0, keypad decimal point (keycode 91), 5, Enter (=).
xdotool key Delete 2 F4 0 91 5 Return
settled "1.4142135623731" || { echo "the display did not show 2^0.5" >&2; exit 1; }
save "$win" trellum

xdotool key Prior
wait_for 60 find_window "Retrieve a number" || { echo "no memory dialog" >&2; exit 1; }
xdotool key Down
sleep 1   # the selection's repaint; nothing to wait for from outside
save "$(find_window "Retrieve a number")" memory
xdotool key Escape
wait_for 60 gone "Retrieve a number"

xdotool key n
wait_for 60 find_window "Load a constant" || { echo "no constants dialog" >&2; exit 1; }
xdotool key Down
sleep 1
save "$(find_window "Load a constant")" constants
xdotool key Escape
wait_for 60 gone "Load a constant"

full=$(xwininfo -id "$win" | awk '/^  Height:/ {print $2}')
xdotool key ctrl+s
compact() { [ "$(xwininfo -id "$win" | awk '/^  Height:/ {print $2}')" -lt $((full / 2)) ]; }
wait_for 60 compact || { echo "Ctrl+S did not shrink the window" >&2; exit 1; }
settled "1.4142135623731"
save "$win" compact
