# SPDX-License-Identifier: MIT
# On a screen smaller than the windows (320x200) every window opens with its
# frame's top-left corner on the screen, so its title bar can be grabbed (the
# dialogs are placed by the same centring).
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
E2E_SCREEN=320x200
E2E_NO_TRAY=1
start_desktop

# The frame's top-left corner of window $1 lies on the screen; sets FRAME.
corner_on_screen() {
    local x y l r t b
    read -r x y < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
    IFS=, read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$b" ] || return 1
    FRAME="$((x - l)),$((y - t))"
    [ $((x - l)) -ge 0 ] && [ $((y - t)) -ge 0 ] && [ $((x - l)) -lt 320 ] && [ $((y - t)) -lt 200 ]
}

# A window that settles where it was placed: polled until the corner is on the screen.
expect_corner_on_screen() {
    FRAME=""
    wait_for 5 corner_on_screen "$1" || fail "$2: frame's top-left corner at ${FRAME:-unknown}, off the 320x200 screen"
}

start_app
expect_corner_on_screen "$WIN" "main window"
xdotool key End
wait_for 10 not app_running || fail "End did not end the program"
echo "ok"
