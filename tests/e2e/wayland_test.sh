# SPDX-License-Identifier: MIT
# On a Wayland session with XWayland (here weston beside an X display), the
# program runs on X11 unless QT_QPA_PLATFORM or -platform asks for Wayland,
# and a DISPLAY left from a server that is gone does not stop it. Natively on
# Wayland the stored window place is neither applied nor overwritten, while
# the rest of the settings are saved, even when the compositor dies. Two
# compositors are two displays, each with a copy of its own.
source "$E2E_DIR/lib.sh"
command -v weston >/dev/null || fail "weston is not installed (scripts/install-deps.sh)"
start_desktop
compositor() {
    weston --backend=headless-backend.so --socket="$1" --idle-time=0 >"$E2E_TMP/$1.log" 2>&1 &
    CHILD_PIDS+=($!)
    wait_for 10 test -S "$XDG_RUNTIME_DIR/$1" || fail "weston did not start: $(cat "$E2E_TMP/$1.log")"
}
compositor wl-a
WESTON_PID=${CHILD_PIDS[-1]}
export WAYLAND_DISPLAY=wl-a XDG_SESSION_TYPE=wayland
unset QT_QPA_PLATFORM

hive="$XDG_CONFIG_HOME/trellum/system.reg"
stored_place='"Top"=dword:00000d20
"Left"=dword:000012c0'
# Without its memory key: a run that saves adds it.
write_hive() {
    mkdir -p "$(dirname "$hive")"
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Trellum]\n%s\n"Mode"=dword:00000001\n"OnTop"="True"\n' \
        "$stored_place" >"$hive"
}

# The start of process $1 is over: it listens for later launches, which it
# does only once its settings are loaded and its window shown.
listening() {
    local inodes
    inodes=" $(find "/proc/$1/fd" -lname 'socket:*' -printf '%l ' 2>/dev/null | tr -dc '0-9 ') "
    awk -v inodes="$inodes" '$4 == "00010000" && $8 ~ /trellum-/ && index(inodes, " " $7 " ") { found = 1 } END { exit !found }' /proc/net/unix
}
# Starts the command given, waits for its start to end and checks the
# windowing system plug-in it loaded ($1).
run() {
    local platform=$1
    shift
    "$@" 2>"$E2E_TMP/app.err" &
    APP_PID=$!
    wait_for 30 listening "$APP_PID" || fail "$*: the program did not start: $(cat "$E2E_TMP/app.err")"
    expect_eq "$(grep -o 'libq\(xcb\|wayland\)' "/proc/$APP_PID/maps" | sort -u | head -1)" "$platform" "$*: platform"
}
# Ends the program with SIGTERM; it exits with status 0.
end_app() {
    kill -s TERM "$APP_PID"
    wait_for 30 not app_running || fail "$1: still running after SIGTERM"
    local status=0
    wait "$APP_PID" || status=$?
    expect_eq "$status" 0 "$1: exit status"
}

# Nothing chosen: X11, where the window can be placed and kept on top.
write_hive
start_app
wait_for 5 is_above || fail "X11 run: the stored always-on-top did not apply"
end_app "X11 run"
grep -q '^"OnTop"="True"$' "$hive" || fail "X11 run: always-on-top not kept"
write_hive
run libqwayland "$TRELLUM" -platform wayland
end_app "-platform wayland"
run libqwayland env DISPLAY=:9999 "$TRELLUM"
end_app "stale DISPLAY"

# Each compositor is a display of its own, named by WAYLAND_DISPLAY alone too;
# a launch with no display at all says so, whatever copy runs.
compositor wl-b
run libqwayland env -u DISPLAY "$TRELLUM"
a=$APP_PID
run libqwayland env -u DISPLAY WAYLAND_DISPLAY=wl-b "$TRELLUM"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$TRELLUM" 2>"$E2E_TMP/none.err" || status=$?
expect_eq "$status" 1 "no display: exit status"
grep -qx 'trellum: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are unset)' "$E2E_TMP/none.err" ||
    fail "no display: not its one line: $(cat "$E2E_TMP/none.err")"
end_app "compositor b"
APP_PID=$a end_app "compositor a"

# The compositor dies under a native Wayland run: Qt's Wayland client says so
# from its event thread and ends the process with status 1, the settings saved first.
write_hive
run libqwayland env QT_QPA_PLATFORM=wayland "$TRELLUM"
kill -s KILL "$WESTON_PID"
wait_for 30 not app_running || fail "compositor lost: the program is still running"
status=0
wait "$APP_PID" || status=$?
expect_eq "$status" 1 "compositor lost: exit status"
grep -q '^"Mem 10"="0"$' "$hive" || fail "compositor lost: settings not saved: $(cat "$hive" "$E2E_TMP/app.err")"
grep -q '^"Mode"=dword:00000001$' "$hive" || fail "Wayland run: angle mode not kept"
grep -q '^"OnTop"="True"$' "$hive" || fail "Wayland run: the stored always-on-top was lost: $(cat "$hive")"
for line in $stored_place; do
    grep -qx "$line" "$hive" || fail "Wayland run changed the stored place ($line): $(cat "$hive")"
done
echo "ok"
