# SPDX-License-Identifier: MIT
# A stored place off every screen is pulled back whole, frame included, into
# the nearest screen: beyond the bottom right and beyond the top left corner.
source "$E2E_DIR/lib.sh"
start_desktop
mkdir -p "$XDG_CONFIG_HOME/trellum"
for place in 00007530,00007530 ffff8ad0,ffff8ad0; do
    top=${place%,*} left=${place#*,}
    printf '%s\r\n' 'REGEDIT4' '' '[HKEY_LOCAL_MACHINE\SOFTWARE\Quorbel\Trellum]' "\"Top\"=dword:$top" \
        "\"Left\"=dword:$left" '"Mode"=dword:00000000' '"OnTop"="False"' >"$XDG_CONFIG_HOME/trellum/system.reg"
    start_app
    wait_for 10 is_mapped "$WIN" || fail "main window not mapped"
    inside() {
        local x y w h l r t b
        read -r x y w h < <(xwininfo -id "$WIN" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /^  Width/ {w=$2} /^  Height/ {h=$2} END {print x, y, w, h}')
        IFS=, read -r l r t b < <(xprop -id "$WIN" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
        [ -n "$b" ] || return 1
        FRAME="$((x - l)),$((y - t)) $((w + l + r))x$((h + t + b))"
        [ $((x - l)) -ge 0 ] && [ $((y - t)) -ge 0 ] && [ $((x + w + r)) -le 1280 ] && [ $((y + h + b)) -le 1024 ]
    }
    FRAME=""
    wait_for 3 inside || fail "stored place $place: window frame $FRAME not inside the 1280x1024 screen"
    xdotool key End
    wait_for 10 not app_running || fail "End did not end the program"
done
echo "ok"
