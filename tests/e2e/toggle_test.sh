# SPDX-License-Identifier: MIT
# trellum --toggle, as a desktop's keyboard shortcut runs it: it hides the
# running window to the tray and shows it again, on the same X window; with no
# copy running it starts the calculator, shown.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
wait_for 10 find_tray_icon || fail "no tray icon"
toggle() { "$TRELLUM" --toggle 2>>"$E2E_TMP/toggle.err" || fail "--toggle ended with status $?"; }

press 4 2
toggle
wait_for 5 not is_mapped "$WIN" || fail "--toggle did not hide the shown window"
toggle
wait_for 5 is_mapped "$WIN" || fail "the window came back as another X window: $(find_main_window) for $WIN"
expect_eq "$(activate_and_copy)" "42." "display kept while hidden"
xdotool key End
wait_for 10 not app_running || fail "End did not end the program"
"$TRELLUM" --toggle 2>"$E2E_TMP/app.err" &
APP_PID=$!
wait_for 20 find_main_window || fail "--toggle with no copy running did not start the calculator"
wait_for 5 is_mapped "$(find_main_window)" || fail "the calculator --toggle started is not shown"
echo "ok"
