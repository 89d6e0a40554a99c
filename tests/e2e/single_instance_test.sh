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
echo "ok"
