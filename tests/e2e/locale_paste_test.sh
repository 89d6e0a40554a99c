# Paste under a German desktop: a number written with the decimal comma, or with
# the typographic minus sign, is taken as the calculator's own number text.
source "$E2E_DIR/lib.sh"
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
start_desktop
start_app
set_clipboard "1,5"
xdotool key ctrl+v
expect_eq "$(copy_display)" "1.5" "paste of 1,5 then copy"
set_clipboard "−2,5E−3"
xdotool key ctrl+v
expect_eq "$(copy_display)" "-2.5E-3" "paste with minus signs then copy"
# A grouped number is no number text, in German as in English.
set_clipboard "1.234,5"
xdotool key ctrl+v
wait_for 10 message_box_open || fail "no message box for a grouped number"
xdotool key Return
box_closed() { ! message_box_open; }
wait_for 10 box_closed || fail "message box did not close"
expect_eq "$(copy_display)" "-2.5E-3" "display unchanged after a refused paste"
echo "ok"
