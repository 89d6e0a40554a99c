# The keypad types digits whatever the NumLock state; unmapped keys change nothing.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
numlockx on
xdotool key 87 86 88        # keypad 1, keypad +, keypad 2
press =
expect_eq "$(copy_display)" "3." "keypad 1 + 2 ="

numlockx off
xdotool key Home 87 91 88 63 89 104   # AC, keypad 1 . 2 * 3 Enter
expect_eq "$(copy_display)" "3.6" "keypad with NumLock off"
numlockx on

xdotool key a b z
expect_eq "$(copy_display)" "3.6" "unmapped letters"
xdotool key BackSpace
expect_eq "$(copy_display)" "3." "Backspace shortens the display"
echo "ok"
