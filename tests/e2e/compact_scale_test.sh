# Compact mode shows the display and none of the keypad's keys at every scale:
# the window manager's frame does not grow with QT_SCALE_FACTOR, the layout does.
source "$E2E_DIR/lib.sh"
start_desktop
for scale in 2 1.5; do
    export QT_SCALE_FACTOR=$scale
    start_app
    xdotool key ctrl+s
    wait_for 5 sh -c "[ \$(xwininfo -id $WIN | awk '/^  Height:/ {print \$2}') -lt $(awk -v s=$scale -v f=304 'BEGIN {print int(s * f / 2)}') ]" ||
        fail "Ctrl+S did not shrink at scale $scale"
    # In logical pixels the first row of keys begins at 1080 twips (72 px), the
    # display panel ends at 735 twips (49 px). The window manager may pass
    # through sizes on the way: wait for the height to come between the two.
    keys=$(awk -v s=$scale 'BEGIN {print int(72 * s)}')
    panel=$(awk -v s=$scale 'BEGIN {print int(49 * s + 0.999)}')
    between() { local h; h=$(window_height); [ "$h" -le "$keys" ] && [ "$h" -ge "$panel" ]; }
    wait_for 5 between || true
    height=$(window_height)
    if [ "$height" -gt "$keys" ] || [ "$height" -lt "$panel" ]; then
        import -window "$WIN" "/tmp/e2e-compact-$scale.png" 2>/dev/null || true
        fail "compact client at scale $scale is $height px high; keys begin at $keys, the display ends at $panel"
    fi
    xdotool key End
    wait_for 10 not app_running || fail "End did not end the program"
done
echo "ok"
