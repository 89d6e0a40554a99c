# Paste takes a number text from the clipboard and refuses anything else.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
set_clipboard "1.5E-07"
xdotool key ctrl+v
expect_eq "$(copy_display)" "1.5E-07" "paste then copy"

press 7
set_clipboard "abc"
xdotool key ctrl+v
# The refusal is a modal message box titled "Trellum"; OK closes it.
wait_for 10 message_box_open || fail "no message box for a non-number"
xdotool key Return
box_closed() { ! message_box_open; }
wait_for 10 box_closed || fail "message box did not close"
expect_eq "$(copy_display)" "7." "display unchanged after a refused paste"
echo "ok"
