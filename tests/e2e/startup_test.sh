# Start-up loads only the plugins a window needs. An image-format or icon-engine
# plugin opened before the first paint costs a dlopen each (and libjpeg), which
# is how a format-sniffing icon lookup used to slow the start.
source "$E2E_DIR/lib.sh"
start_desktop
export QT_DEBUG_PLUGINS=1
start_app
wait_for 10 is_mapped "$WIN" || fail "main window not mapped"

plugins=$(grep 'loaded library' "$E2E_TMP/app.err" | grep -o '/plugins/[^"]*' || true)
echo "$plugins" | grep -q '/platforms/libqxcb' || fail "no plugin log to check (QT_DEBUG_PLUGINS ignored?)"
unwanted=$(echo "$plugins" | grep -E '/(imageformats|iconengines)/' || true)
[ -z "$unwanted" ] || fail "plugins loaded at start-up: $unwanted"
echo "ok"
