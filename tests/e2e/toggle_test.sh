# SPDX-License-Identifier: MIT
# trellum --toggle, as a desktop's keyboard shortcut runs it: it hides the
# running window to the tray (the tip then says so) and shows it again, on the
# same X window in every mode; with no copy running it starts the calculator.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
wait_for 10 find_tray_icon || fail "no tray icon"
ICON=$(find_tray_icon)

hidden() { ! is_mapped "$WIN"; }
toggle() { "$TRELLUM" --toggle 2>>"$E2E_TMP/toggle.err" || fail "--toggle ended with status $?"; }

# The tray icon's tip, shown by resting the pointer on the icon: its window's
# width tells "Trellum" from "Trellum (Hide)".
tip_window() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && { echo "$w"; return 0; }
    done
    return 1
}
tip_width() {
    local tries
    xdotool mousemove 5 1000
    wait_for 10 not tip_window || return 1
    # Qt shows a tip once the pointer rests: each try moves onto the icon once
    # and waits for the tip without moving again.
    for tries in 1 2 3 4 5; do
        xdotool mousemove --window "$ICON" $((4 + tries)) 8
        if wait_for 2 tip_window; then
            xwininfo -id "$(tip_window)" | awk '/^  Width:/ {print $2}'
            return 0
        fi
    done
    return 1
}

press 4 2
shown_tip=$(tip_width) || fail "no tip over the tray icon"
toggle
wait_for 5 hidden || fail "--toggle did not hide the shown window"
hidden_tip=$(tip_width) || fail "no tip over the tray icon while hidden"
[ "$hidden_tip" -gt "$shown_tip" ] || fail "the tip did not say the window is hidden ($hidden_tip against $shown_tip pixels)"
toggle
wait_for 5 is_mapped "$WIN" || fail "--toggle did not show the hidden window on its X window $WIN"
again_tip=$(tip_width) || fail "no tip over the tray icon once shown"
[ "$again_tip" -eq "$shown_tip" ] || fail "the tip still says hidden ($again_tip against $shown_tip pixels)"
expect_eq "$(activate_and_copy)" "42." "display kept while hidden"

# After a switch of always on top, and of compact mode, hiding and showing keep
# the X window: a window manager's rules and a screen reader hold on to it.
xdotool key alt+s t
wait_for 5 is_above || fail "Always On Top did not raise the window above"
xdotool key ctrl+s
shrunk() { [ "$(window_height)" -lt 200 ]; }
wait_for 5 shrunk || fail "Ctrl+S did not shrink the window"
for round in 1 2; do
    toggle
    wait_for 5 hidden || fail "round $round: --toggle did not hide the window"
    toggle
    wait_for 5 is_mapped "$WIN" ||
        fail "round $round: the window came back as another X window: $(find_main_window || echo none) for $WIN"
    # The program asks the window manager for the state again once the window
    # is mapped, so the state settles a moment after the map.
    wait_for 5 is_above || fail "round $round: the window lost its place above others"
done
expect_eq "$(find_main_window)" "$WIN" "the main window's X window"

# Exit statuses: a mistake on the command line is still 2; with the copy gone,
# --toggle starts the calculator, shown.
set +e
"$TRELLUM" --toggle --no-such-option 2>/dev/null
status=$?
set -e
expect_eq "$status" 2 "--toggle with an unknown option"
xdotool windowactivate --sync "$WIN" 2>/dev/null || true
xdotool key End
wait_for 10 not app_running || fail "End did not end the program"
wait "$APP_PID" || fail "the first copy ended with status $?"
"$TRELLUM" --toggle 2>"$E2E_TMP/app.err" &
APP_PID=$!
wait_for 20 find_main_window || fail "--toggle with no copy running did not start the calculator"
WIN=$(find_main_window)
wait_for 5 is_mapped "$WIN" || fail "the calculator --toggle started is not shown"
# It was made above others (the first copy ended so); dropped from there, it
# stays an ordinary window when it comes back from the tray.
wait_for 5 is_above || fail "the stored Always On Top was not applied"
xdotool windowactivate --sync "$WIN" 2>/dev/null || true
xdotool key alt+s t
wait_for 5 not is_above || fail "Always On Top did not drop the state"
toggle
wait_for 5 hidden || fail "--toggle did not hide the second copy"
toggle
wait_for 5 is_mapped "$WIN" || fail "the second copy came back as another X window"
wait_for 5 not is_above || fail "the window came back above others with Always On Top off"
kill -TERM "$APP_PID"
wait "$APP_PID" || fail "the calculator --toggle started ended with status $?"
echo "ok"
