# Compact mode shrinks to the display and floats; always on top toggles the
# window manager's above state on the same window.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
full=$(frame_height)
is_above && fail "a first run must not start on top"

xdotool key ctrl+s
shrunk() { [ "$(frame_height)" -lt $((full / 2)) ]; }
wait_for 5 shrunk || fail "Ctrl+S did not shrink"
expect_eq "$(frame_height)" "$((1370 / 15))" "compact height in pixels"
wait_for 5 is_above || fail "compact mode must float"
import -frame -window "$WIN" /tmp/e2e-compact-window.png 2>/dev/null || true

# Double click on the display returns to full mode and drops the forced float.
xdotool mousemove --window "$WIN" 60 30 click --repeat 2 --delay 60 1
restored() { [ "$(frame_height)" -eq "$full" ]; }
wait_for 5 restored || fail "double click did not restore the height"
wait_for 5 sh -c '! xprop -id '"$WIN"' _NET_WM_STATE | grep -q ABOVE' || fail "full mode kept the forced float"

# Settings > Always On Top, twice.
xdotool key alt+s t
wait_for 5 is_above || fail "Always On Top did not raise the window above"
xdotool key alt+s t
wait_for 5 sh -c '! xprop -id '"$WIN"' _NET_WM_STATE | grep -q ABOVE' || fail "second Always On Top did not drop the state"
echo "ok"
