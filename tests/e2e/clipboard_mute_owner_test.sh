# A clipboard owner that never answers: paste asks it for one format, once, so
# the window waits one timeout at most, then reports the empty text.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
"$MUTE_OWNER" "$E2E_TMP/requests" &
CHILD_PIDS+=($!)
wait_for 10 "$SELOWNER" CLIPBOARD || fail "the mute owner did not take the clipboard"
xdotool key ctrl+v
wait_for 40 message_box_open || fail "no message box after pasting from a mute owner"
# A second request would come after the first one's timeout; give it the time.
sleep 1
expect_eq "$(cat "$E2E_TMP/requests" 2>/dev/null)" "1" "requests sent to the clipboard owner"
xdotool key Return
echo "ok"
