# SPDX-License-Identifier: MIT
# What cannot start ends at once with one clear line: no display, an unknown
# windowing system or display (status 1, no core dump), a style sheet or
# window icon that is no regular file or too large to read (status 2, nothing
# read, so no start that hangs before its window), and help or
# version text that could not be written (not status 0).
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
unset DISPLAY

mkfifo "$E2E_TMP/fifo"
head -c $((2 * 1024 * 1024)) /dev/zero | tr '\0' ' ' >"$E2E_TMP/huge.qss"
ulimit -c 0

# case | env's changes | arguments | status | text in the one line
while IFS='|' read -r name environment arguments status expected; do
    STATUS=0
    # shellcheck disable=SC2086
    timeout 120 env $environment "$TRELLUM" $arguments >"$E2E_TMP/out" 2>"$E2E_TMP/err" || STATUS=$?
    ERR=$(cat "$E2E_TMP/err")
    expect_eq "$STATUS" "$status" "$name: exit status (stderr: $ERR)"
    expect_eq "$(wc -l <"$E2E_TMP/err")" 1 "$name: lines on standard error ($ERR)"
    grep -qF -- "$expected" <<<"$ERR" || fail "$name: '$expected' not in: $ERR"
done <<ROWS
no display at all|-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM||1|DISPLAY
unknown windowing system|-u DISPLAY|-platform nonexistent|1|"nonexistent"
display that is not there|-u DISPLAY|-display :987|1|:987
style sheet that is a FIFO|-u DISPLAY|-stylesheet $E2E_TMP/fifo|2|is not a regular file
style sheet that is a device|-u DISPLAY|-stylesheet /dev/zero|2|is not a regular file
style sheet too large to read|-u DISPLAY|--stylesheet=$E2E_TMP/huge.qss|2|is larger than
window icon that is a FIFO|-u DISPLAY|-qwindowicon $E2E_TMP/fifo|2|is not a regular file
window icon as -icon, a device|-u DISPLAY|-icon /dev/zero|2|is not a regular file
ROWS

# Help and version written to a full disk: the failure shows in the status.
for option in --help --version; do
    STATUS=0
    "$TRELLUM" "$option" >/dev/full 2>"$E2E_TMP/err" || STATUS=$?
    [ "$STATUS" -ne 0 ] || fail "$option > /dev/full: exit status 0"
    grep -q 'write error' "$E2E_TMP/err" || fail "$option > /dev/full: no message: $(cat "$E2E_TMP/err")"
done
echo "ok"
