# The dialogs as a user meets them: each window centred on the screen as a whole
# (frame included), and the memory list answering the keyboard from line 1.
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

xdotool key 7
xdotool key Insert
expect_centred "Save a number"
# The list opens with nothing chosen: Down chooses line 1.
xdotool key Down Return
wait_for 5 not window_open "Save a number" || fail "Min dialog stayed open"
wait_for 5 main_window_active || fail "the main window did not get the keyboard back"

xdotool key Prior
expect_centred "Retrieve a number"
xdotool key Escape
wait_for 5 not window_open "Retrieve a number" || fail "Esc did not close 'Retrieve a number'"
wait_for 5 main_window_active || fail "the main window did not get the keyboard back"

# The build puts the starter library beside the program: the dialog opens on it
# at once, with no message about a missing file.
xdotool key n
expect_centred "Load a constant"
! message_box_open || fail "a message box came with the constants dialog: $(cat "$E2E_TMP/app.err")"
xdotool key alt+e
expect_centred "Add a new constant"
xdotool key Escape
wait_for 5 not window_open "Add a new constant" || fail "Esc did not close 'Add a new constant'"
xdotool key Escape
wait_for 5 not window_open "Load a constant" || fail "Esc did not close 'Load a constant'"
wait_for 5 main_window_active || fail "the main window did not get the keyboard back"

xdotool key alt+h a
expect_centred "About Trellum"
xdotool key Escape
wait_for 5 not window_open "About Trellum" || fail "Esc did not close the About box"
wait_for 5 main_window_active || fail "the main window did not get the keyboard back"

xdotool key End
wait_for 10 not app_running || fail "End did not end the program"
grep -q '"Mem 1"="7."' "$XDG_CONFIG_HOME/trellum/system.reg" || fail "Min, Down, Enter did not store into slot 1: $(grep Mem "$XDG_CONFIG_HOME/trellum/system.reg" | tr -d '\r' | tr '\n' ' ')"
echo "ok"
