# SPDX-License-Identifier: MIT
# On a screen smaller than the window (320x200) it opens with its frame's
# top-left corner on the screen, so its title bar can be grabbed.
source "$E2E_DIR/lib.sh"
E2E_SCREEN=320x200 E2E_NO_TRAY=1 start_desktop
start_app
corner_on_screen() {
    FRAME=$(frame_of "$WIN") || return 1
    read -r x y w h <<<"$FRAME"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ "$x" -lt 320 ] && [ "$y" -lt 200 ]
}
FRAME=""
wait_for 5 corner_on_screen || fail "frame at ${FRAME:-unknown}, its top-left corner off the 320x200 screen"
echo "ok"
