# A SIGTERM (a logout) while the constants dialog is open ends that dialog as
# its Cancel does, which keeps the constants added in it, then ends the program
# as OFF does. A name and value typed but not confirmed with OK are dropped.
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
start_desktop
hive="$XDG_CONFIG_HOME/trellum/system.reg"

program_in_own_folder

start_app
xdotool key n
wait_for 10 window_active "Load a constant" || fail "no constants dialog"
enter_constant zz 5
enter_constant yy 6 unconfirmed

kill -s TERM "$APP_PID"
wait_for 10 not app_running || fail "SIGTERM did not end the program"
STATUS=0
wait "$APP_PID" || STATUS=$?
expect_eq "$STATUS" 0 "exit status after SIGTERM with the constants dialog open"
grep -q '^"Mem 10"=' "$hive" 2>/dev/null || fail "the settings were not saved"
expect_eq "$(constants_listed)" "pi = 3.14159265358979;zz = 5;" "constants written"
echo "ok"
