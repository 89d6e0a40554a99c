# SPDX-License-Identifier: MIT
# The dialogs as a user meets them: centred on the screen as a whole, the frame
# the window manager adds included, and holding the keyboard.
source "$E2E_DIR/lib.sh"
start_desktop
start_app

# The frame of window $1 is centred on the screen; sets FRAME to what was seen.
centred() {
    FRAME=$(frame_of "$1") || return 1
    read -r x y w h <<<"$FRAME"
    local dx=$(( 2 * x + w - 1280 )) dy=$(( 2 * y + h - 1024 ))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}
# Waits for the dialog titled $1 and for its frame to settle centred (the
# window manager frames it a moment after it appears).
expect_centred() {
    wait_for 10 window_open "$1" || fail "no window '$1'"
    FRAME=""
    wait_for 5 centred "$(window_id "$1")" || fail "'$1' not centred: frame $FRAME"
    wait_for 5 window_active "$1" || fail "'$1' never got the keyboard"
}

xdotool key Insert
expect_centred "Save a number"
xdotool key Escape
wait_for 5 not window_open "Save a number" || fail "Esc did not close 'Save a number'"
wait_for 5 window_active Trellum || fail "the main window did not get the keyboard back"
xdotool key n
expect_centred "Load a constant"
echo "ok"
