# SPDX-License-Identifier: MIT
# The first paint shows the settings that start-up loaded: with grads and a
# memory slot stored, "G" and "M" are lit before any key is pressed. The
# indicator row right after start-up equals the row after a key that changes no
# indicator (C).
source "$E2E_DIR/lib.sh"
start_desktop
mkdir -p "$XDG_CONFIG_HOME/trellum"
printf '%s\r\n' 'REGEDIT4' '' '[HKEY_LOCAL_MACHINE\SOFTWARE\Quorbel\Trellum]' '"Top"=dword:00000fa0' \
    '"Left"=dword:00001f40' '"Mode"=dword:00000002' '"OnTop"="False"' '' \
    '[HKEY_LOCAL_MACHINE\SOFTWARE\Quorbel\Trellum\Memory]' '"Mem 1"="5."' >"$XDG_CONFIG_HOME/trellum/system.reg"
for n in 2 3 4 5 6 7 8 9 10; do printf '"Mem %s"="0"\r\n' "$n" >>"$XDG_CONFIG_HOME/trellum/system.reg"; done
start_app
wait_for 10 is_mapped "$WIN" || fail "main window not mapped"

# The display panel's indicator row: 240 twips in, 165 twips high, 2655 wide.
row() { import -window "$WIN" -crop "177x11+16+$(( $(menu_offset) + 16 ))" +repage "$1" 2>/dev/null; }
# Wait for the first paint: the panel's background colour at its left end.
painted() { row "$E2E_TMP/first.png" && convert "$E2E_TMP/first.png" -format '%[hex:p{4,6}]' info: | grep -qi '^B7C4A4'; }
wait_for 5 painted || fail "the display was never painted"
xdotool key Delete
# The copy comes after C in the program's queue, so C has been handled and its
# repaint requested; the row is taken once it is painted.
expect_eq "$(copy_display)" "0." "display after C"
row "$E2E_TMP/after.png"
differ=$(compare -metric AE "$E2E_TMP/first.png" "$E2E_TMP/after.png" null: 2>&1 || true)
[ "$differ" = 0 ] || { E2E_KEEP=1; fail "indicator row at start-up differs from the row after C in $differ pixels ($E2E_TMP)"; }
echo "ok"
