# SPDX-License-Identifier: MIT
# --help and --version answer without a display, --help in the locale's
# language (read from the translation beside the program); a wrong option or
# argument is named on standard error with exit status 2.
source "$E2E_DIR/lib.sh"
# name | locale | arguments | status | a line of standard output, or else of standard error
while IFS='|' read -r name locale arguments status expected; do
    STATUS=0
    # shellcheck disable=SC2086
    LC_ALL=$locale timeout 120 "$TRELLUM" $arguments >"$E2E_TMP/out" 2>"$E2E_TMP/err" || STATUS=$?
    expect_eq "$STATUS" "$status" "$name: exit status ($(cat "$E2E_TMP/err"))"
    grep -qF -- "$expected" "$E2E_TMP/out" "$E2E_TMP/err" || fail "$name: '$expected' not in: $(cat "$E2E_TMP/out" "$E2E_TMP/err")"
done <<'ROWS'
help|C.UTF-8|--help|0|Usage: trellum [options]
help in German|de_DE.UTF-8|-h|0|Aufruf: trellum [Optionen]
version|C.UTF-8|-v|0|trellum 2.1
unknown option after a good one|C.UTF-8|-style Fusion --bogus|2|Unknown option 'bogus'
Qt option without its value|C.UTF-8|-platform|2|Missing value after '-platform'
stray argument|C.UTF-8|2+3|2|unexpected argument '2+3'
ROWS
echo "ok"
