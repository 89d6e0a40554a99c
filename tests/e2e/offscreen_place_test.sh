# SPDX-License-Identifier: MIT
# A stored place off every screen is pulled back whole, frame included, into
# the nearest screen: beyond the bottom right and beyond the top left corner.
source "$E2E_DIR/lib.sh"
start_desktop
mkdir -p "$XDG_CONFIG_HOME/trellum"
inside() {
    FRAME=$(frame_of "$WIN") || return 1
    read -r x y w h <<<"$FRAME"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1280 ] && [ $((y + h)) -le 1024 ]
}
for place in 00007530 ffff8ad0; do
    printf '%s\r\n' 'REGEDIT4' '' '[HKEY_LOCAL_MACHINE\SOFTWARE\Quorbel\Trellum]' "\"Top\"=dword:$place" \
        "\"Left\"=dword:$place" '"Mode"=dword:00000000' '"OnTop"="False"' >"$XDG_CONFIG_HOME/trellum/system.reg"
    start_app
    FRAME=""
    wait_for 3 inside || fail "stored place $place: window frame $FRAME not inside the 1280x1024 screen"
    xdotool key End
    wait_for 10 not app_running || fail "End did not end the program"
done
echo "ok"
