# Position and always-on-top survive a restart; the first run is centred.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
read -r x y w h < <(xwininfo -frame -id "$WIN" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /^  Width/ {w=$2} /^  Height/ {h=$2} END {print x, y, w, h}')
[ $(( (x + w / 2 - 640) ** 2 )) -le 100 ] && [ $(( (y + h / 2 - 512) ** 2 )) -le 100 ] || fail "first run not centred ($x,$y ${w}x$h)"

xdotool windowmove "$WIN" 100 150
xdotool key alt+s t
wait_for 5 is_above || fail "Always On Top did not take"
read -r before_x before_y < <(xwininfo -frame -id "$WIN" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
xdotool key End               # OFF
wait_for 10 not app_running || fail "End (OFF) did not end the program"

start_app
read -r after_x after_y < <(xwininfo -frame -id "$WIN" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
expect_eq "$after_x,$after_y" "$before_x,$before_y" "window place after restart"
wait_for 5 is_above || fail "always on top not restored"
echo "ok"
