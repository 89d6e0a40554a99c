# The end of a desktop session: when the session manager (here a small XSMP
# manager of the test's own, logout_sm) asks the program to save for the
# session's end, it ends as OFF does, settings saved and exit status 0, without
# waiting for the manager's "die".
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
: "${LOGOUT_SM:?path of the logout_sm helper}"
start_desktop

mkfifo "$E2E_TMP/sm.in"
"$LOGOUT_SM" <"$E2E_TMP/sm.in" >"$E2E_TMP/sm.out" 2>"$E2E_TMP/sm.err" &
CHILD_PIDS+=($!)
exec 7>"$E2E_TMP/sm.in"
wait_for 10 test -s "$E2E_TMP/sm.out" || fail "the session manager did not start: $(cat "$E2E_TMP/sm.err")"
SESSION_MANAGER=$(head -n 1 "$E2E_TMP/sm.out")
export SESSION_MANAGER

start_app
wait_for 10 grep -qx registered "$E2E_TMP/sm.out" || fail "the program did not join the session"
xdotool key m                    # MODE: radians
echo logout >&7
wait_for 10 sh -c "! kill -0 $APP_PID" || fail "the program kept running after the session's end was announced"
status=0
wait "$APP_PID" || status=$?
expect_eq "$status" 0 "exit status at the session's end"
grep -qx save-yourself-done "$E2E_TMP/sm.out" || fail "the program did not answer the save request: $(cat "$E2E_TMP/sm.out")"
grep -q '^"Mode"=dword:00000001$' "$XDG_CONFIG_HOME/trellum/system.reg" || fail "the settings were not saved"
exec 7>&-
echo "ok"
