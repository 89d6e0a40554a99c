# Compact mode without the mouse: Ctrl+S shrinks the window, and Ctrl+S again,
# with no menu bar to be seen, brings the full window back; the keyboard keeps
# working in both modes.
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
start_desktop
start_app
full=$(frame_height)
shrunk() { [ "$(frame_height)" -eq $((1370 / 15)) ]; }
restored() { [ "$(frame_height)" -eq "$full" ]; }
not_above() { ! is_above; }

for round in 1 2; do
    xdotool key ctrl+s
    wait_for 5 shrunk || fail "round $round: Ctrl+S did not shrink (height $(frame_height))"
    wait_for 5 is_above || fail "round $round: compact mode must float"
    xdotool key 4 2
    xdotool key ctrl+s
    wait_for 5 restored || fail "round $round: Ctrl+S in compact mode did not restore (height $(frame_height), full $full)"
    wait_for 5 not_above || fail "round $round: full mode kept the forced float"
    expect_eq "$(copy_display)" "42." "round $round: keys typed in compact mode"
    xdotool key Home
done

# The menus are back: the keyboard reaches Always On Top through them again.
xdotool key alt+s t
wait_for 5 is_above || fail "the menu bar did not come back with the full window"
echo "ok"
