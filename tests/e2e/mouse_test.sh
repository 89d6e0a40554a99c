# Clicking the keypad computes with precedence; Ctrl+C copies the result.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
press 2 + 3 '*' 4 =
expect_eq "$(copy_display)" "14." "2 + 3 x 4 ="
press AC 1 / 3 = '*' 3 =
expect_eq "$(copy_display)" "0.9999999999999" "display precision"
import -window "$WIN" /tmp/e2e-main-window.png 2>/dev/null || true
echo "ok"
