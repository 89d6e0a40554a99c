# SPDX-License-Identifier: MIT
# Start-up gives the window its icon and loads only the plugins a window needs.
# An image-format or icon-engine plugin opened before the first paint costs a
# dlopen each (and libjpeg), which is how a format-sniffing icon lookup used to
# slow the start.
source "$E2E_DIR/lib.sh"
start_desktop
export QT_DEBUG_PLUGINS=1
start_app
wait_for 10 is_mapped "$WIN" || fail "main window not mapped"

plugins=$(grep 'loaded library' "$E2E_TMP/app.err" | grep -o '/plugins/[^"]*' || true)
echo "$plugins" | grep -q '/platforms/libqxcb' || fail "no plugin log to check (QT_DEBUG_PLUGINS ignored?)"
unwanted=$(echo "$plugins" | grep -E '/(imageformats|iconengines)/' || true)
[ -z "$unwanted" ] || fail "plugins loaded at start-up: $unwanted"

# The window manager got the icon at every size a title bar, task bar or tray
# shows, each with a picture: the property is width, height, then ARGB pixels.
icons=$(xprop -id "$WIN" -f _NET_WM_ICON 32c _NET_WM_ICON | cut -d= -f2 | tr -d ' ' | tr ',' '\n' |
    awk 'n == 0 { w = $1; getline; n = w * $1; size = w "x" $1; seen = 0; next }
         { if ($1 >= 2^24) seen++; if (--n == 0) printf "%s:%s ", size, (seen ? "drawn" : "clear") }')
expect_eq "$icons" "16x16:drawn 32x32:drawn 48x48:drawn 64x64:drawn " "window icon sizes"
echo "ok"
