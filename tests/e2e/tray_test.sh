# Hide goes to the tray; the icon's left button brings the window back; its
# menu's Exit ends the program, saving settings and removing the icon.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
wait_for 10 find_tray_icon || fail "no tray icon"
ICON=$(find_tray_icon)

press 4 2
xdotool key ctrl+h
wait_for 5 sh -c "! xwininfo -id $WIN | grep -q IsViewable" || fail "Ctrl+H did not hide the window"

click_at "$ICON" 5 5 1
wait_for 5 is_mapped "$WIN" || fail "left click on the icon did not show the window"
expect_eq "$(activate_and_copy)" "42." "display kept while hidden"

xdotool key Escape
wait_for 5 sh -c "! xwininfo -id $WIN | grep -q IsViewable" || fail "Esc did not hide the window"

click_at "$ICON" 5 5 3
wait_for 5 menu_open || fail "right click on the icon did not open its menu"
# The menu takes the keyboard a moment after it is mapped, and a key sent
# before is lost: x goes again while the menu stays open.
for tries in 1 2 3; do
    xdotool key x
    wait_for 2 not menu_open && break
done
wait_for 10 not app_running || fail "Exit did not end the program"
grep -q '"OnTop"="False"' "$XDG_CONFIG_HOME/trellum/system.reg" || fail "Exit did not save the settings"
find_tray_icon && fail "the tray icon outlived the program"
echo "ok"
