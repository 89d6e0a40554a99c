# SPDX-License-Identifier: MIT
# Position and always-on-top survive a restart; the first run is centred.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
frame() { FRAME=$(frame_of "$WIN"); }
wait_for 5 frame || fail "the window was never framed"
read -r x y w h <<<"$FRAME"
[ $(( (x + w / 2 - 640) ** 2 )) -le 100 ] && [ $(( (y + h / 2 - 512) ** 2 )) -le 100 ] || fail "first run not centred ($FRAME)"

xdotool windowmove "$WIN" 100 150
xdotool key alt+s t
wait_for 5 is_above || fail "Always On Top did not take"
moved() { frame && [ "${FRAME% * *}" != "$x $y" ]; }
wait_for 5 moved || fail "the window did not move"
before=${FRAME% * *}
xdotool key End               # OFF
wait_for 10 not app_running || fail "End (OFF) did not end the program"

start_app
wait_for 5 frame || fail "the window was never framed after the restart"
expect_eq "${FRAME% * *}" "$before" "window place after restart"
wait_for 5 is_above || fail "always on top not restored"
echo "ok"
