# SPDX-License-Identifier: MIT
# One running copy per user and display: a second launch brings the running
# window forward, restored when it was minimised and shown again when it was
# hidden in the tray, and ends with status 0. Which launches meet is tested
# below the desktop.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
press 4 2
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$WIN" ]; }
main_windows() { xdotool search --name '^Trellum$' 2>/dev/null | while read -r w; do
    xprop -id "$w" WM_NAME 2>/dev/null | grep -q '= "Trellum"$' && echo "$w"; done | wc -l; }
for how in minimised hidden; do
    if [ $how = minimised ]; then xdotool windowminimize --sync "$WIN"; else xdotool key Escape; fi
    wait_for 10 not is_mapped "$WIN" || fail "the window was not $how"
    status=0
    # A ceiling for a second copy that hangs; on a busy machine even its start takes seconds.
    timeout 180 "$TRELLUM" 2>"$E2E_TMP/again.err" || status=$?
    expect_eq "$status" 0 "$how: second launch ($(cat "$E2E_TMP/again.err"))"
    wait_for 10 is_mapped "$WIN" || fail "$how: the window did not come back"
    wait_for 10 is_active || fail "$how: the running window did not come forward"
    expect_eq "$(main_windows)" 1 "$how: main windows after a second launch"
    expect_eq "$(activate_and_copy)" "42." "$how: the running copy's display"
done

# A launch waiting on a copy that does not answer (stopped here) ends at once
# on TERM, as a logout needs, and does not start a second window later.
kill -STOP "$APP_PID"
"$TRELLUM" 2>"$E2E_TMP/waiting.err" &
waiting=$!
CHILD_PIDS+=($waiting)
has_socket() { ls -l "/proc/$waiting/fd" | grep -q 'socket:'; }
wait_for 10 has_socket || fail "the waiting launch never reached the running copy"
kill -TERM "$waiting"
kill -CONT "$APP_PID"
wait_for 10 not kill -0 "$waiting" || fail "a waiting launch outlived TERM"
status=0
wait "$waiting" || status=$?
expect_eq "$status" 143 "a waiting launch's status after TERM ($(cat "$E2E_TMP/waiting.err"))"
echo "ok"
