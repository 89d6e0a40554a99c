# SPDX-License-Identifier: MIT
# SIGTERM, SIGHUP and SIGINT end the program as OFF does: the settings of the
# run are saved whole and the exit status is 0, whether the window is shown,
# hidden in the tray or behind a message box; signals that follow during the
# save change nothing.
source "$E2E_DIR/lib.sh"
start_desktop
hive="$XDG_CONFIG_HOME/trellum/system.reg"

# Sends the signals $2... at once; the program must end with status 0 and angle mode $1 saved.
end_with() {
    local mode=$1 status=0 sig
    shift
    for sig in "$@"; do kill -s "$sig" "$APP_PID" 2>/dev/null || true; done
    wait_for 10 not app_running || fail "SIG$1 did not end the program"
    wait "$APP_PID" || status=$?
    expect_eq "$status" 0 "exit status after SIG$*"
    grep -q "^\"Mode\"=dword:0000000$mode\$" "$hive" || fail "SIG$1: angle mode not saved: $(cat "$hive")"
    grep -q '^"Mem 10"=' "$hive" || fail "SIG$1: settings file cut short: $(cat "$hive")"
    ! ls -A "$XDG_CONFIG_HOME/trellum/" | grep -q '\.tmp-' || fail "SIG$1: a temporary file was left behind"
}

start_app
xdotool key m                    # MODE: radians
copy_display >/dev/null          # the key has been handled once the copy arrives
end_with 1 TERM HUP INT TERM

start_app
xdotool key m                    # MODE: grads
xdotool key Escape
wait_for 5 not is_mapped "$WIN" || fail "Esc did not hide the window"
end_with 2 HUP

start_app
xdotool key m                    # MODE: degrees again
press 1 / 0 =
wait_for 10 message_box_open || fail "no message box for 1 / 0 ="
end_with 0 INT
echo "ok"
