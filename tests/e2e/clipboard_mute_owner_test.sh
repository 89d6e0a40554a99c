# SPDX-License-Identifier: MIT
# A clipboard owner that never answers: paste asks it for one format, once, so
# the window waits one timeout at most, then reports the empty text.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
log="$E2E_TMP/mute_owner.log"
"${X_CLIENT[@]}" mute-owner "$log" &
CHILD_PIDS+=($!)
# The program took the clipboard in start_app; the owner says when it is its own.
wait_for 10 grep -q '^owner ' "$log" || fail "the mute owner did not take the clipboard"
xdotool key ctrl+v
wait_for 40 message_box_open || fail "no message box after pasting from a mute owner"
# A property changed on the owner's window reaches it after every request the
# program sent before the box opened.
xprop -id "$(sed -n 's/^owner //p' "$log")" -f TRELLUM_TEST_PING 8s -set TRELLUM_TEST_PING 1
wait_for 10 grep -q '^ping$' "$log" || fail "the mute owner never saw its property change"
expect_eq "$(grep -c '^request$' "$log")" "1" "requests sent to the clipboard owner"
xdotool key Return
echo "ok"
