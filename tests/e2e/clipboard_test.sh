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
wait_for 10 sh -c "xdotool search --pid $APP_PID --name '^Trellum$' | grep -vx $WIN" || fail "no message box for a non-number"
xdotool key Return
wait_for 10 sh -c "! xdotool search --onlyvisible --pid $APP_PID --name '^Trellum$' | grep -vx $WIN" || fail "message box did not close"
expect_eq "$(copy_display)" "7." "display unchanged after a refused paste"
echo "ok"
