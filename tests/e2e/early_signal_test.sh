# SPDX-License-Identifier: MIT
# A SIGTERM that comes while the program is still starting (here: held inside
# Qt's connection to the display) ends it as OFF does once it has started:
# exit status 0 and a whole settings file.
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
start_desktop
hive="$XDG_CONFIG_HOME/trellum/system.reg"
real=/tmp/.X11-unix/X${DISPLAY#:}

# A free display number for the held display.
held=""
for n in $(seq 700 799); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then held=$n; break; fi
done
[ -n "$held" ] || fail "no free display number"
mkdir -p /tmp/.X11-unix
/usr/bin/python3 "$E2E_DIR/held_display.py" "/tmp/.X11-unix/X$held" "$real" "$E2E_TMP/go" >"$E2E_TMP/held.out" &
CHILD_PIDS+=($!)
trap 'rm -f "/tmp/.X11-unix/X$held"; cleanup' EXIT
wait_for 10 grep -qx listening "$E2E_TMP/held.out" || fail "the held display did not start"

DISPLAY=":$held" "$TRELLUM" 2>"$E2E_TMP/app.err" &
APP_PID=$!
wait_for 20 grep -qx connected "$E2E_TMP/held.out" || fail "the program never connected to the display"
kill -s TERM "$APP_PID"
touch "$E2E_TMP/go"
wait_for 30 not app_running || fail "the program did not end after an early SIGTERM"
STATUS=0
wait "$APP_PID" || STATUS=$?
expect_eq "$STATUS" 0 "exit status after SIGTERM during start-up ($(cat "$E2E_TMP/app.err"))"
grep -q '^"Mem 10"=' "$hive" 2>/dev/null || fail "no whole settings file: $(cat "$hive" 2>&1)"
ls -A "$XDG_CONFIG_HOME/trellum/" | grep -q '\.tmp-' && fail "a temporary file was left behind"
echo "ok"
