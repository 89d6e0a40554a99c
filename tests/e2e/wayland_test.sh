# SPDX-License-Identifier: MIT
# On a Wayland session with XWayland (here weston beside an X display), the
# program runs on X11 unless QT_QPA_PLATFORM or -platform asks for Wayland.
# Natively on Wayland the stored window place is neither applied nor
# overwritten, while the rest of the settings are saved. Two compositors are
# two displays, each with a copy of its own.
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
command -v weston >/dev/null || fail "weston is not installed (scripts/install-deps.sh)"
start_desktop

weston --backend=headless-backend.so --socket=trellum-wayland --idle-time=0 >"$E2E_TMP/weston.log" 2>&1 &
WESTON_PID=$!
CHILD_PIDS+=($!)
wait_for 10 test -S "$XDG_RUNTIME_DIR/trellum-wayland" || fail "weston did not start: $(cat "$E2E_TMP/weston.log")"
export WAYLAND_DISPLAY=trellum-wayland XDG_SESSION_TYPE=wayland
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
write_hive

# The windowing system plug-in the process has loaded.
platform_of() {
    grep -o 'libq\(xcb\|wayland\)' "/proc/$1/maps" 2>/dev/null | sort -u | head -1
}

# Ends the program with SIGTERM, once it handles it, and checks its exit status.
catches_sigterm() {
    local mask
    mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$1/status" 2>/dev/null) || return 1
    [ -n "$mask" ] && [ $(( (0x$mask >> 14) & 1 )) -eq 1 ]
}
# Gone, or exited and waiting to be reaped.
ended() {
    [ ! -e "/proc/$1" ] || grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null
}
end_app() {
    wait_for 10 catches_sigterm "$APP_PID" || fail "$1: SIGTERM is not handled"
    kill -s TERM "$APP_PID"
    wait_for 30 ended "$APP_PID" || fail "$1: still running after SIGTERM"
    local status=0
    wait "$APP_PID" || status=$?
    expect_eq "$status" 0 "$1: exit status"
}

# The start is over: the program listens for later launches, which it does
# only once its settings are loaded and its window shown. Before that there is
# nothing to save.
listening() {
    local inodes
    inodes=" $(find "/proc/$1/fd" -lname 'socket:*' -printf '%l ' 2>/dev/null | tr -dc '0-9 ') "
    awk -v inodes="$inodes" '$4 == "00010000" && $8 ~ /trellum-/ && index(inodes, " " $7 " ") { found = 1 } END { exit !found }' /proc/net/unix
}

# 1. Nothing chosen: X11, where the window can be placed and kept on top.
start_app
expect_eq "$(platform_of "$APP_PID")" libqxcb "default platform on a Wayland session with DISPLAY"
wait_for 5 is_above || fail "X11 run: the stored always-on-top did not apply"
end_app "X11 run"
grep -q '^"OnTop"="True"$' "$hive" || fail "X11 run: always-on-top not kept"
write_hive

# 2. -platform wayland on the command line is honoured.
"$TRELLUM" -platform wayland 2>"$E2E_TMP/app.err" &
APP_PID=$!
wait_for 20 sh -c "grep -q 'libq\(xcb\|wayland\)' /proc/$APP_PID/maps" || fail "-platform wayland: no platform loaded"
expect_eq "$(platform_of "$APP_PID")" libqwayland "platform with -platform wayland"
end_app "-platform wayland"

# 3. A DISPLAY whose X server is gone does not stop the program: Wayland.
DISPLAY=:9999 "$TRELLUM" 2>"$E2E_TMP/app.err" &
APP_PID=$!
wait_for 20 sh -c "grep -q 'libqwayland' /proc/$APP_PID/maps" || fail "stale DISPLAY: no Wayland fallback: $(cat "$E2E_TMP/app.err")"
end_app "stale DISPLAY"

# 4. Each compositor is a display of its own, named by WAYLAND_DISPLAY alone
#    too; a launch with no display at all says so, whatever copy runs.
weston --backend=headless-backend.so --socket=trellum-wayland-b --idle-time=0 >"$E2E_TMP/weston-b.log" 2>&1 &
CHILD_PIDS+=($!)
wait_for 10 test -S "$XDG_RUNTIME_DIR/trellum-wayland-b" || fail "weston b did not start: $(cat "$E2E_TMP/weston-b.log")"
env -u DISPLAY "$TRELLUM" 2>"$E2E_TMP/app.err" &
APP_PID=$!
wait_for 30 listening "$APP_PID" || fail "compositor a: no copy: $(cat "$E2E_TMP/app.err")"
env -u DISPLAY WAYLAND_DISPLAY=trellum-wayland-b "$TRELLUM" 2>"$E2E_TMP/b.err" &
B_PID=$!
wait_for 30 listening "$B_PID" || fail "compositor b: no copy of its own: $(cat "$E2E_TMP/b.err")"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$TRELLUM" 2>"$E2E_TMP/none.err" || status=$?
expect_eq "$status" 1 "no display: exit status"
grep -qx 'trellum: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are unset)' "$E2E_TMP/none.err" ||
    fail "no display: not its one line: $(cat "$E2E_TMP/none.err")"
APP_PID=$B_PID end_app "compositor b"
end_app "compositor a"

# 5. The compositor dies under a native Wayland run: Qt's Wayland client says so
#    from its event thread and ends the process, but the settings are saved first.
write_hive
QT_QPA_PLATFORM=wayland "$TRELLUM" 2>"$E2E_TMP/app.err" &
APP_PID=$!
wait_for 30 listening "$APP_PID" || fail "compositor lost: the program did not start on Wayland: $(cat "$E2E_TMP/app.err")"
kill -s KILL "$WESTON_PID"
wait_for 30 ended "$APP_PID" || fail "compositor lost: the program is still running"
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
