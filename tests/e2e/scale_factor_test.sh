# SPDX-License-Identifier: MIT
# A QT_SCALE_FACTOR that is no usable number is dropped before Qt reads it, with
# one warning line: the window comes up at its design size and ends with OFF.
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
start_desktop
factor=0
export QT_SCALE_FACTOR=$factor
start_app
width=$(xwininfo -id "$WIN" | awk '/^  Width:/ {print $2}')
expect_eq "$width" 209 "window width with QT_SCALE_FACTOR=$factor"
warnings=$(grep -c 'QT_SCALE_FACTOR' "$E2E_TMP/app.err" || true)
expect_eq "$warnings" 1 "warning lines about QT_SCALE_FACTOR=$factor ($(cat "$E2E_TMP/app.err"))"
xdotool key End
wait_for 10 not app_running || fail "End did not end the program with QT_SCALE_FACTOR=$factor"
wait "$APP_PID" || fail "exit status with QT_SCALE_FACTOR=$factor"
echo "ok"
