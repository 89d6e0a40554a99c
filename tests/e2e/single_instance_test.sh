# SPDX-License-Identifier: MIT
# One running copy per user and display: a second launch brings the running
# window forward (shown again when it was hidden in the tray) and ends with
# status 0, whatever XDG_RUNTIME_DIR is; a crashed copy does not stop the next
# start. Which launches meet, and other users, are tested below the desktop.
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
start_desktop
start_app
press 4 2

# Starts the program again; prints its exit status.
launch_again() {
    local status=0
    # A ceiling for a second copy that hangs; on a busy machine even its start takes seconds.
    timeout 180 "$TRELLUM" >"$E2E_TMP/again.out" 2>"$E2E_TMP/again.err" || status=$?
    echo "$status"
}
active_window() { xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# 0x0*\([0-9a-f]*\).*/\1/p'; }
is_active() { [ "$(active_window)" = "$(printf '%x' "$WIN")" ]; }
# Ctrl+C right after the window came forward may reach it before Qt has the
# keyboard back (see start_app): asked again then.
copy_forward() {
    local text tries
    for tries in 1 2 3; do
        text=$(copy_display)
        [ "$text" = "(nothing copied)" ] || break
    done
    echo "$text"
}
main_windows() { xdotool search --name '^Trellum$' 2>/dev/null | while read -r w; do
    xprop -id "$w" WM_NAME 2>/dev/null | grep -q '= "Trellum"$' && echo "$w"; done | wc -l; }

# 1. While the window is minimised.
xdotool windowminimize --sync "$WIN"
expect_eq "$(launch_again)" 0 "second launch while running"
wait_for 10 is_mapped "$WIN" || fail "the minimised window was not restored"
wait_for 10 is_active || fail "the running window did not come forward"
expect_eq "$(main_windows)" 1 "main windows after a second launch"
expect_eq "$(copy_forward)" "42." "the running copy's display"

# 2. While hidden in the tray: shown again, the same copy.
xdotool key Escape
wait_for 10 sh -c "! xwininfo -id $WIN | grep -q IsViewable" || fail "Esc did not hide the window"
expect_eq "$(launch_again)" 0 "second launch while hidden"
wait_for 10 is_mapped "$WIN" || fail "the hidden window was not shown"
wait_for 10 is_active || fail "the shown window is not active"
expect_eq "$(copy_forward)" "42." "the shown copy's display"

# 3. Launches without the private runtime folder (su, cron, a shared folder)
#    meet the running copy at its abstract name; no second window opens.
mkdir -p "$E2E_TMP/shared"
launch_settled() { ! kill -0 "$1" 2>/dev/null || [ "$(main_windows)" -gt 1 ]; }
# Ends when the launch has: 0 when it was answered; fails when it opened a window of its own.
launch_variant() {
    local status=0
    env "$@" "$TRELLUM" >/dev/null 2>"$E2E_TMP/variant.err" &
    local pid=$!
    wait_for 60 launch_settled "$pid"
    if kill -0 "$pid" 2>/dev/null; then
        kill -s KILL "$pid"
        wait "$pid" 2>/dev/null || true
        echo "a second copy"
        return
    fi
    wait "$pid" || status=$?
    echo "$status"
}
while IFS='|' read -r name environment; do
    # shellcheck disable=SC2086
    expect_eq "$(launch_variant $environment)" 0 "$name: the launch (stderr: $(cat "$E2E_TMP/variant.err"))"
    expect_eq "$(main_windows)" 1 "$name: main windows"
done <<ROWS
runtime folder unset|-u XDG_RUNTIME_DIR
a runtime folder others may enter|XDG_RUNTIME_DIR=$E2E_TMP/shared
ROWS

# 4. A crashed copy's socket does not stop the next start, which takes it over.
kill -s KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
start_app
expect_eq "$(copy_display)" "0." "a fresh copy after a crash"
expect_eq "$(launch_again)" 0 "second launch after the restart"
expect_eq "$(main_windows)" 1 "main windows after the restart"
echo "ok"
