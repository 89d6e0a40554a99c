# The keypad types digits whatever the NumLock state; unmapped keys change
# nothing; a sample of the other rows of the keyboard table, typed on the real
# window, does what the README says.
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
# key names as xdotool sends them | what Ctrl+C copies afterwards
while IFS='|' read -r keys expected; do
    xdotool key Home $keys
    expect_eq "$(copy_display)" "$expected" "keys $keys"
done <<'ROWS'
1 0 0 F5|2.
1 0 0 F6|4.6051701859880
1 Next 5|1.E05
1 d 3 0 d|1.5
1 h F7|1.1752011936438
2 F4 1 0 Return|1024.
4 F11|0.25
ROWS
echo "ok"
