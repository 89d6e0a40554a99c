# A QT_SCALE_FACTOR that is no usable number is ignored with one warning line:
# the window comes up at its design size, takes keys and ends with OFF.
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
start_desktop
for factor in 0 -2 nan 1e308 0.1; do
    export QT_SCALE_FACTOR=$factor
    start_app
    width=$(xwininfo -id "$WIN" | awk '/^  Width:/ {print $2}')
    expect_eq "$width" 209 "window width with QT_SCALE_FACTOR=$factor"
    warnings=$(grep -c 'QT_SCALE_FACTOR' "$E2E_TMP/app.err" || true)
    expect_eq "$warnings" 1 "warning lines about QT_SCALE_FACTOR=$factor ($(cat "$E2E_TMP/app.err"))"
    xdotool key End
    wait_for 10 not app_running || fail "End did not end the program with QT_SCALE_FACTOR=$factor"
    wait "$APP_PID" || fail "exit status with QT_SCALE_FACTOR=$factor"
done
echo "ok"
