# The X server ends under the running program (a logout that takes the display
# before the session's SIGTERM comes): the program unloads as OFF does, so
# what was stored in the memory is saved, an open constants dialog ends as its
# Cancel does (which writes the constants added in it), and no temporary file
# stays behind.
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
hive="$XDG_CONFIG_HOME/trellum/system.reg"

program_in_own_folder

# Starts a desktop of its own; XVFB is its X server.
new_desktop() {
    rm -f "$E2E_TMP/displayfd"
    local first=${#CHILD_PIDS[@]}
    start_desktop
    XVFB=${CHILD_PIDS[$first]}
}

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

# 1. A number stored in slot 1 (Insert, Down, Enter), then the display goes.
new_desktop
start_app
press 7
xdotool key Insert
wait_for 10 window_active "Save a number" || fail "no memory dialog"
xdotool key Down Return
wait_for 10 not window_open "Save a number" || fail "the memory dialog stayed open"
copy_display >/dev/null          # the store has been handled once the copy arrives
[ ! -e "$hive" ] || fail "the settings were written before the program ended"
lose_display "memory stored"
grep -q '^"Mem 1"="7\."$' "$hive" 2>/dev/null || fail "slot 1 was not saved: $(cat "$hive" 2>&1)"
grep -q '^"Mem 10"=' "$hive" || fail "settings file cut short: $(cat "$hive")"

# 2. A constant added in the constants dialog, which is still open, with the
# entry dialog open again over it, unconfirmed.
new_desktop
start_app
xdotool key m                    # MODE: radians
xdotool key n
wait_for 10 window_active "Load a constant" || fail "no constants dialog"
enter_constant zz 5
enter_constant yy 6 unconfirmed
lose_display "constants dialog open"
grep -q '^"Mode"=dword:00000001$' "$hive" || fail "the angle mode was not saved: $(cat "$hive")"
expect_eq "$(constants_listed)" "pi = 3.14159265358979;zz = 5;" "constants written"
echo "ok"
