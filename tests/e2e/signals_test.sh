# SPDX-License-Identifier: MIT
# SIGTERM, SIGHUP and SIGINT end the program as OFF does: the settings of the
# run are saved and the exit status is 0, whether the window is shown, hidden
# in the tray or behind a message box. Signals that arrive while the settings
# file is being written (its fsync held up by strace) change nothing.
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
start_desktop
hive="$XDG_CONFIG_HOME/trellum/system.reg"
real_trellum=$TRELLUM

# Runs the program through a wrapper; strace -D keeps the program's own PID.
wrap() {
    printf '#!/bin/sh\nexec %s "%s" "$@"\n' "$1" "$real_trellum" >"$E2E_TMP/wrapped"
    chmod +x "$E2E_TMP/wrapped"
    TRELLUM="$E2E_TMP/wrapped"
}

# Ends the program with signal $1; the status it exits with goes to $STATUS.
end_with() {
    kill -s "$1" "$APP_PID"
    wait_for 10 not app_running || fail "SIG$1 did not end the program"
    STATUS=0
    wait "$APP_PID" || STATUS=$?
}

# 1. SIGTERM during an ordinary run, then more signals while the file is written.
# Where ptrace is not allowed the save cannot be held up; the signals then
# come in a burst right after the first.
slow_save=1
strace -qq -o /dev/null true 2>/dev/null || slow_save=0
if [ $slow_save = 1 ]; then
    wrap "strace -D -qq -o /dev/null -e trace=fsync -e inject=fsync:delay_enter=600000"
else
    echo "note: strace cannot trace here; the save is not held up" >&2
fi
start_app
xdotool key m                    # MODE: radians
copy_display >/dev/null          # the key has been handled once the copy arrives
kill -s TERM "$APP_PID"
if [ $slow_save = 1 ]; then
    wait_for 10 sh -c "ls -A '$XDG_CONFIG_HOME/trellum/' 2>/dev/null | grep -q '\.tmp-'" || fail "the settings were not being written after SIGTERM"
fi
for sig in TERM HUP INT TERM; do kill -s "$sig" "$APP_PID" 2>/dev/null || true; done
wait_for 10 not app_running || fail "the program did not end"
STATUS=0
wait "$APP_PID" || STATUS=$?
expect_eq "$STATUS" 0 "exit status after SIGTERM and more signals during the save"
grep -q '^"Mode"=dword:00000001$' "$hive" || fail "angle mode not saved: $(cat "$hive")"
grep -q '^"Mem 10"=' "$hive" || fail "settings file cut short: $(cat "$hive")"
ls -A "$XDG_CONFIG_HOME/trellum/" | grep -q '\.tmp-' && fail "a temporary file was left behind"

# 2. SIGHUP while hidden in the tray (a background job of a script ignores
# SIGINT and a nohup'd one SIGHUP; the wrapper restores them as a desktop does).
wrap "env --default-signal=HUP,INT"
start_app
xdotool key m                    # MODE: grads
xdotool key Escape
wait_for 5 sh -c "! xwininfo -id $WIN | grep -q IsViewable" || fail "Esc did not hide the window"
end_with HUP
expect_eq "$STATUS" 0 "exit status after SIGHUP while hidden"
grep -q '^"Mode"=dword:00000002$' "$hive" || fail "SIGHUP: angle mode not saved"

# 3. SIGINT while a message box waits for its OK.
start_app
xdotool key m                    # MODE: degrees again
press 1 / 0 =
wait_for 10 message_box_open || fail "no message box for 1 / 0 ="
end_with INT
expect_eq "$STATUS" 0 "exit status after SIGINT behind a message box"
grep -q '^"Mode"=dword:00000000$' "$hive" || fail "SIGINT: angle mode not saved"
echo "ok"
