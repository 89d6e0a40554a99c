# A SIGTERM (a logout) while the constants dialog is open ends that dialog as
# its Cancel does, which keeps the constants added in it, then ends the program
# as OFF does. A name and value typed but not confirmed with OK are dropped.
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
start_desktop
hive="$XDG_CONFIG_HOME/trellum/system.reg"

# A copy of the program in a folder of its own keeps its constants.txt there.
mkdir "$E2E_TMP/program"
cp "$TRELLUM" "$E2E_TMP/program/trellum"
TRELLUM="$E2E_TMP/program/trellum"
constants="$E2E_TMP/program/constants.txt"
printf 'This file constains constants for Trellum:\r\n================================================\r\npi = 3.14159265358979\r\n' >"$constants"

start_app
xdotool key n
wait_for 10 window_active "Load a constant" || fail "no constants dialog"
xdotool key alt+e
wait_for 10 window_active "Add a new constant" || fail "no entry dialog"
xdotool type zz
xdotool key Tab
xdotool type 5
xdotool key Return
wait_for 10 not window_open "Add a new constant" || fail "the entry dialog stayed open"
wait_for 10 window_active "Load a constant" || fail "the constants dialog did not get the keyboard back"
# A second one, left open unconfirmed.
xdotool key alt+e
wait_for 10 window_active "Add a new constant" || fail "no second entry dialog"
xdotool type yy
xdotool key Tab
xdotool type 6

kill -s TERM "$APP_PID"
wait_for 10 not app_running || fail "SIGTERM did not end the program"
STATUS=0
wait "$APP_PID" || STATUS=$?
expect_eq "$STATUS" 0 "exit status after SIGTERM with the constants dialog open"
grep -q '^"Mem 10"=' "$hive" 2>/dev/null || fail "the settings were not saved"
expect_eq "$(tr -d '\r' <"$constants" | tail -n +3 | tr '\n' ';')" "pi = 3.14159265358979;zz = 5;" "constants written"
echo "ok"
