# SPDX-License-Identifier: MIT
# With the window hidden to the tray, the icon's menu is the way out: its Exit
# ends the program, saving settings and removing the icon. (The left button
# showing the window is the window modes test's.)
source "$E2E_DIR/lib.sh"
start_desktop
start_app
wait_for 10 find_tray_icon || fail "no tray icon"
ICON=$(find_tray_icon)
xdotool key ctrl+h
wait_for 5 not is_mapped "$WIN" || fail "Ctrl+H did not hide the window"

# A loaded window manager may move the focus for the click on the tray after
# the menu has opened, and Qt closes a menu that loses the focus; the menu also
# takes the keyboard a moment after it is mapped, and a key sent before is
# lost. So the menu is opened again if it closed, and x sent again, until the
# program ends.
menu_seen=no
for tries in 1 2 3 4 5; do
    app_running || break
    if ! menu_open; then
        click_at "$ICON" 5 5 3
        wait_for 3 menu_open || continue
    fi
    menu_seen=yes
    xdotool key x
    wait_for 3 not app_running && break
done
[ "$menu_seen" = yes ] || fail "right click on the icon did not open its menu"
wait_for 10 not app_running || fail "Exit did not end the program"
grep -q '"OnTop"="False"' "$XDG_CONFIG_HOME/trellum/system.reg" || fail "Exit did not save the settings"
find_tray_icon && fail "the tray icon outlived the program"
echo "ok"
