# SPDX-License-Identifier: MIT
# The X server ends under the running program (a logout that takes the display
# before the session's SIGTERM comes): the program unloads as OFF does, so
# the settings are saved and no temporary file stays behind.
source "$E2E_DIR/lib.sh"
hive="$XDG_CONFIG_HOME/trellum/system.reg"

# Kills the X server and waits for the program to end; it must not die of a signal.
lose_display() {
    kill "$XVFB"
    wait_for 20 not app_running || fail "$1: the program outlived its display"
    local status=0
    wait "$APP_PID" || status=$?
    [ "$status" -lt 128 ] || fail "$1: the program died of signal $((status - 128)) when the display went"
    ls -A "$XDG_CONFIG_HOME/trellum/" | grep -q '\.tmp-' && fail "$1: a temporary file was left behind"
    unset DISPLAY
}

start_desktop
XVFB=${CHILD_PIDS[0]}
start_app
xdotool key m                    # MODE: radians
copy_display >/dev/null          # MODE has been handled once the copy arrives
[ ! -e "$hive" ] || fail "the settings were written before the program ended"
lose_display "display lost"
grep -q '^"Mode"=dword:00000001$' "$hive" 2>/dev/null || fail "the angle mode was not saved: $(cat "$hive" 2>&1)"
grep -q '^"Mem 10"=' "$hive" || fail "settings file cut short: $(cat "$hive")"
echo "ok"
