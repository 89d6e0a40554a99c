# The pictures the software centres show (packaging/screenshots/) must be what
# the program draws now: packaging/screenshot.sh takes them again from the real
# window, and the main window's two, full and compact, must match the committed
# ones but for antialiasing. After a change of the look, run the script and
# commit what it writes. (The dialogs' pictures are left out: they wait a fixed
# second for a selection to repaint, which a busy machine can outlast.)
source "$E2E_DIR/lib.sh"
root=$(realpath "$E2E_DIR/../..")
# Pixels whose channels differ by more than this are counted, and a few may:
# the same program on the same fonts paints the same picture, and the signs on
# a key make a few hundred at this scale.
fuzz=12%
allowed=12

bash "$root/packaging/screenshot.sh" "$TRELLUM" "$E2E_TMP/shots" >"$E2E_TMP/shots.log" 2>&1 ||
    fail "packaging/screenshot.sh failed: $(cat "$E2E_TMP/shots.log")"
for name in trellum compact; do
    committed="$root/packaging/screenshots/$name.png"
    fresh="$E2E_TMP/shots/$name.png"
    [ -f "$fresh" ] || fail "screenshot.sh wrote no $name.png: $(cat "$E2E_TMP/shots.log")"
    size=$(identify -format '%wx%h' "$committed")
    [ "$(identify -format '%wx%h' "$fresh")" = "$size" ] ||
        fail "$name.png is $(identify -format '%wx%h' "$fresh") now, $size committed"
    # compare exits 1 when the pictures differ; the count is on standard error.
    raw=$(compare -metric AE -fuzz "$fuzz" "$committed" "$fresh" null: 2>&1 || true)
    differing=$(printf '%.0f' "$raw" 2>/dev/null) || fail "compare said: $raw"
    if [ "$differing" -gt "$allowed" ]; then
        cp "$fresh" "/tmp/screenshots-test-$name.png"
        fail "$name.png: $differing pixels differ from the program's picture (/tmp/screenshots-test-$name.png); run packaging/screenshot.sh and commit its pictures"
    fi
done
echo "ok"
