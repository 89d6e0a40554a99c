# SPDX-License-Identifier: MIT
# Always on top sets the window manager's above state and drops it again; a
# window hidden to the tray and shown again is the X window it was, in the
# state it was: window-manager rules and screen readers hold on to its id.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
wait_for 10 find_tray_icon || fail "no tray icon"
ICON=$(find_tray_icon)
for state in above ordinary; do
    xdotool windowactivate --sync "$WIN" 2>/dev/null || true
    xdotool key alt+s t
    if [ "$state" = above ]; then wait_for 5 is_above; else wait_for 5 not is_above; fi ||
        fail "Always On Top did not make the window $state"
    xdotool key ctrl+h
    wait_for 5 not is_mapped "$WIN" || fail "Ctrl+H did not hide the window"
    # Two clicks on the icon within the double-click interval (400 ms) are one
    # double click, which does not show the window: the second round waits it out.
    [ "$state" = above ] || sleep 0.5
    click_at "$ICON" 5 5 1
    wait_for 5 is_mapped "$WIN" ||
        fail "$state: the window came back as another X window: $(find_main_window || echo none) for $WIN"
    # The program asks the window manager for the state again once the window
    # is mapped, so the state settles a moment after the map.
    if [ "$state" = above ]; then wait_for 5 is_above; else wait_for 5 not is_above; fi ||
        fail "the window came back not $state"
done
echo "ok"
