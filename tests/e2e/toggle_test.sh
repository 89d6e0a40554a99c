# SPDX-License-Identifier: MIT
# trellum --toggle, as a desktop's keyboard shortcut runs it: it hides the
# running window to the tray and shows it again, on the same X window, always
# on top or not; with no copy running it starts the calculator, shown.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
wait_for 10 find_tray_icon || fail "no tray icon"
toggle() { "$TRELLUM" --toggle 2>>"$E2E_TMP/toggle.err" || fail "--toggle ended with status $?"; }
# Hides and shows the window with --toggle; it comes back on its X window.
toggle_twice() {
    toggle
    wait_for 5 not is_mapped "$WIN" || fail "$1: --toggle did not hide the shown window"
    toggle
    wait_for 5 is_mapped "$WIN" || fail "$1: the window came back as another X window: $(find_main_window) for $WIN"
}

press 4 2
toggle_twice "ordinary window"
expect_eq "$(activate_and_copy)" "42." "display kept while hidden"
xdotool key alt+s t
wait_for 5 is_above || fail "Always On Top did not raise the window above"
toggle_twice "window on top"
# The program asks the window manager for the state again once the window is
# mapped, so the state settles a moment after the map.
wait_for 5 is_above || fail "the window lost its place above others"

xdotool windowactivate --sync "$WIN" 2>/dev/null || true
xdotool key End
wait_for 10 not app_running || fail "End did not end the program"
"$TRELLUM" --toggle 2>"$E2E_TMP/app.err" &
APP_PID=$!
wait_for 20 find_main_window || fail "--toggle with no copy running did not start the calculator"
wait_for 5 is_mapped "$(find_main_window)" || fail "the calculator --toggle started is not shown"
echo "ok"
