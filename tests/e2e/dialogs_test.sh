# SPDX-License-Identifier: MIT
# The dialogs as a user meets them: centred on the screen as a whole, the frame
# the window manager adds included.
source "$E2E_DIR/lib.sh"
start_desktop
start_app

# The frame of window $1 is centred on the screen; sets FRAME to what was seen.
centred() {
    local x y width height l r t b
    read -r x y width height < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /^  Width/ {w=$2} /^  Height/ {h=$2} END {print x, y, w, h}')
    # xwininfo gives the client's place and size; the frame adds the extents
    # the window manager reports (left, right, top, bottom).
    IFS=, read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$b" ] || return 1
    x=$((x - l)) y=$((y - t)) width=$((width + l + r)) height=$((height + t + b))
    FRAME="${width}x$height at $x,$y"
    local dx=$(( 2 * x + width - 1280 )) dy=$(( 2 * y + height - 1024 ))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}

# The dialog titled $1: waits for it and for its frame to settle centred (the
# window manager frames it a moment after it appears).
expect_centred() {
    local title=$1 w
    wait_for 10 window_open "$title" || fail "no window '$title'"
    w=$(window_id "$title")
    FRAME=""
    wait_for 5 centred "$w" || fail "'$title' not centred: frame $FRAME"
    wait_for 5 window_active "$title" || fail "'$title' never got the keyboard"
}

xdotool key Insert
expect_centred "Save a number"
xdotool key Escape
wait_for 5 not window_open "Save a number" || fail "Esc did not close 'Save a number'"
wait_for 5 main_window_active || fail "the main window did not get the keyboard back"
# The build puts the starter library beside the program: the dialog opens on it
# at once, with no message about a missing file.
xdotool key n
expect_centred "Load a constant"
! message_box_open || fail "a message box came with the constants dialog: $(cat "$E2E_TMP/app.err")"
echo "ok"
