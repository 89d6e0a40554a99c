# The X server ends under the running program (a logout that takes the display
# before the session's SIGTERM comes): the program unloads as OFF does, so
# what was stored in the memory is saved, and no temporary file stays behind.
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
start_desktop
hive="$XDG_CONFIG_HOME/trellum/system.reg"
xvfb=${CHILD_PIDS[0]}

start_app
press 7
xdotool key Insert
wait_for 10 sh -c "xdotool search --all --onlyvisible --pid $APP_PID --name '^Save a number\$'" || fail "no memory dialog"
xdotool key Down Return
wait_for 10 sh -c "! xdotool search --all --onlyvisible --pid $APP_PID --name '^Save a number\$'" || fail "the memory dialog stayed open"
copy_display >/dev/null          # the store has been handled once the copy arrives
[ ! -e "$hive" ] || fail "the settings were written before the program ended"

kill "$xvfb"
wait_for 20 sh -c "! kill -0 $APP_PID" || fail "the program outlived its display"
STATUS=0
wait "$APP_PID" || STATUS=$?
[ "$STATUS" -lt 128 ] || fail "the program died of signal $((STATUS - 128)) when the display went"
grep -q '^"Mem 1"="7\."$' "$hive" 2>/dev/null || fail "slot 1 was not saved: $(cat "$hive" 2>&1)"
grep -q '^"Mem 10"=' "$hive" || fail "settings file cut short: $(cat "$hive")"
ls -A "$XDG_CONFIG_HOME/trellum/" | grep -q '\.tmp-' && fail "a temporary file was left behind"
echo "ok"
