# The menu bar never keeps the keyboard: after a tap of Alt, and after a menu
# closed without a choice, keys reach "=" again, and Alt+S still opens Settings.
source "$E2E_DIR/lib.sh"
start_desktop
start_app

xdotool key alt
xdotool key 1 2
expect_eq "$(copy_display)" "12." "digits after a tap of Alt"

# Click "Settings" in the menu bar, then Esc: the first Esc closes the menu and
# the keys go on to the calculator.
xdotool mousemove --window "$WIN" 20 $(( $(menu_offset) / 2 )) click 1
wait_for 5 menu_open || fail "a click on Settings did not open the menu"
xdotool key Escape
wait_for 5 not menu_open || fail "Esc did not close the Settings menu"
xdotool key 3 4
expect_eq "$(copy_display)" "1234." "digits after Settings and Esc"

# Alt+S opens the menu; Esc closes it and End (OFF) ends the program.
xdotool key alt+s
wait_for 5 menu_open || fail "Alt+S did not open the Settings menu"
xdotool key Escape
wait_for 5 not menu_open || fail "Esc did not close the Settings menu"
xdotool key End
wait_for 10 not app_running || fail "End did not end the program after Alt+S and Esc"
echo "ok"
