# SPDX-License-Identifier: MIT
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

# Two copies on two displays share the settings file (each its own runtime
# folder, so nothing else joins them): whichever ends first, the file keeps
# what each stored in the memory.
hive="$XDG_CONFIG_HOME/trellum/system.reg"
store_in_slot() {  # value, slot
    press "$1"
    xdotool key Insert
    wait_for 10 window_active "Save a number" || fail "no memory dialog"
    local n
    for n in $(seq "$2"); do xdotool key Down; done
    xdotool key Return
    wait_for 10 not window_open "Save a number" || fail "the memory dialog stayed open"
    copy_display >/dev/null  # the store has been handled once the copy arrives
}
first_display=$DISPLAY first_pid=$APP_PID first_win=$WIN
rm -f "$E2E_TMP/displayfd"
start_desktop
XDG_RUNTIME_DIR="$E2E_TMP/runtime2"
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_app
second_display=$DISPLAY second_pid=$APP_PID second_win=$WIN
CHILD_PIDS+=("$first_pid")  # cleanup ends the copy APP_PID does not name
DISPLAY=$first_display APP_PID=$first_pid WIN=$first_win
store_in_slot 7 3
DISPLAY=$second_display APP_PID=$second_pid WIN=$second_win
store_in_slot 9 5
DISPLAY=$first_display APP_PID=$first_pid WIN=$first_win
xdotool key End
wait_for 10 not app_running || fail "End did not end the first copy"
DISPLAY=$second_display APP_PID=$second_pid WIN=$second_win
xdotool key End
wait_for 10 not app_running || fail "End did not end the second copy"
grep -q '^"Mem 3"="7\."$' "$hive" || fail "the second copy undid the first's slot 3: $(grep Mem "$hive")"
grep -q '^"Mem 5"="9\."$' "$hive" || fail "the second copy's slot 5 was not saved: $(grep Mem "$hive")"
echo "ok"
