# SPDX-License-Identifier: MIT
# The end of a desktop session, with a small XSMP session manager of the test's
# own (logout_sm): when it announces the session's end the program saves its
# settings at once and stays, since the user may still cancel the logout; when
# the manager then tells it to die, it ends as OFF does: settings saved, tray
# icon removed, exit status 0.
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
: "${LOGOUT_SM:?path of the logout_sm helper}"
start_desktop
hive="$XDG_CONFIG_HOME/trellum/system.reg"

mkfifo "$E2E_TMP/sm.in"
"$LOGOUT_SM" <"$E2E_TMP/sm.in" >"$E2E_TMP/sm.out" 2>"$E2E_TMP/sm.err" &
CHILD_PIDS+=($!)
exec 7>"$E2E_TMP/sm.in"
wait_for 10 test -s "$E2E_TMP/sm.out" || fail "the session manager did not start: $(cat "$E2E_TMP/sm.err")"
SESSION_MANAGER=$(head -n 1 "$E2E_TMP/sm.out")
export SESSION_MANAGER

start_app
wait_for 10 grep -qx registered "$E2E_TMP/sm.out" || fail "the program did not join the session"
wait_for 10 find_tray_icon || fail "no tray icon"
xdotool key m                    # MODE: radians
copy_display >/dev/null          # the key has been handled once the copy arrives
echo logout >&7
wait_for 10 grep -qx save-yourself-done "$E2E_TMP/sm.out" || fail "the program did not answer the save request"
grep -q '^"Mode"=dword:00000001$' "$hive" 2>/dev/null || fail "the settings were not saved for the session's end"
app_running || fail "the program ended before the session manager told it to"

xdotool key m                    # MODE: grads: the user works on after the save
copy_display >/dev/null          # the key has been handled once the copy arrives
echo die >&7
wait_for 10 not app_running || fail "the program did not end when told to die"
status=0
wait "$APP_PID" || status=$?
expect_eq "$status" 0 "exit status at the session's end"
grep -q '^"Mode"=dword:00000002$' "$hive" || fail "the settings were not saved at the end"
find_tray_icon && fail "the tray icon outlived the program"
exec 7>&-
echo "ok"
