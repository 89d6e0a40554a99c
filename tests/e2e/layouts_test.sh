# SPDX-License-Identifier: MIT
# The keys right of P are the brackets and the digit row types digits on US,
# German, French and Russian layouts alike: Home 2 x [ 3 + 4 ] pressed on the
# physical keys shows 7, where the layout prints "ü" "+" (de), "^" "$" (fr) or
# "х" "ъ" (ru) on them; and D is the degrees-minutes-seconds key on each, on
# Russian the key that carries "в" where a US layout prints D.
source "$E2E_DIR/lib.sh"
start_desktop
start_app

# The display is copied on the US layout: xdotool types Ctrl+C on a layout
# without "c" by remapping a spare key for a moment, which a busy program may
# read after the map is back. The keys before it were read on the layout tested.
# X key codes: Home 110; digit row 2, 3, 4 are 11, 12, 13; the two keys right
# of P 34 and 35; keypad * 63 and + 86; 1 is 10, 0 is 19, D is 40.
for layout in us de fr ru; do
    setxkbmap -display "$DISPLAY" "$layout" || fail "setxkbmap $layout"
    "${X_CLIENT[@]}" keys 110 11 63 34 12 86 13 35 || fail "XTEST keys on $layout"
    setxkbmap -display "$DISPLAY" us || fail "setxkbmap us"
    expect_eq "$(copy_display)" "7." "Home 2 x [ 3 + 4 ] on the $layout layout"
    setxkbmap -display "$DISPLAY" "$layout" || fail "setxkbmap $layout"
    "${X_CLIENT[@]}" keys 110 10 40 12 19 40 || fail "XTEST keys on $layout"
    setxkbmap -display "$DISPLAY" us || fail "setxkbmap us"
    expect_eq "$(copy_display)" "1.5" "Home 1 D 3 0 D on the $layout layout"
done
echo "ok"
