# SPDX-License-Identifier: MIT
# The window manager gets the window's icon at every size a title bar, task bar
# or tray shows, each with a picture: the property is width, height, then ARGB pixels.
source "$E2E_DIR/lib.sh"
start_desktop
start_app
icons=$(xprop -id "$WIN" -f _NET_WM_ICON 32c _NET_WM_ICON | cut -d= -f2 | tr -d ' ' | tr ',' '\n' |
    awk 'n == 0 { w = $1; getline; n = w * $1; size = w "x" $1; seen = 0; next }
         { if ($1 >= 2^24) seen++; if (--n == 0) printf "%s:%s ", size, (seen ? "drawn" : "clear") }')
expect_eq "$icons" "16x16:drawn 32x32:drawn 48x48:drawn 64x64:drawn " "window icon sizes"
echo "ok"
