# Paste reads the text another program owns on the X clipboard, and Ctrl+C
# makes the program the owner that answers for the display's text.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
set_clipboard "1.5E-07"
xdotool key ctrl+v
expect_eq "$(copy_display)" "1.5E-07" "paste then copy"
echo "ok"
