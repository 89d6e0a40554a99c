# SPDX-License-Identifier: MIT
# --help and --version answer without a display and exit 0; a wrong option or
# argument is named on standard error with exit status 2; Qt's own options
# reach Qt (-display puts the window on that display, -platform and -style are
# taken by Qt, whose complaints about unknown names prove it).
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
unset DISPLAY

# Runs the program with the given arguments; sets OUT, ERR and STATUS.
run() {
    STATUS=0
    # A ceiling for a hung program only; these runs end at once.
    timeout 120 "$TRELLUM" "$@" >"$E2E_TMP/out" 2>"$E2E_TMP/err" || STATUS=$?
    OUT=$(cat "$E2E_TMP/out")
    ERR=$(cat "$E2E_TMP/err")
}

for option in --help -h; do
    run "$option"
    expect_eq "$STATUS" 0 "$option: exit status"
    grep -q '^Usage: trellum \[options\]' <<<"$OUT" || fail "$option: no usage line in: $OUT"
    for listed in --version --platform --style --display; do
        grep -q -- "$listed" <<<"$OUT" || fail "$option: $listed not listed"
    done
    expect_eq "$ERR" "" "$option: standard error"
done

# The help speaks the locale's language, read from the translation beside the program.
LC_ALL=de_DE.UTF-8 run --help
grep -q '^Aufruf: trellum \[Optionen\]' <<<"$OUT" || fail "--help in German: no German usage line in: $OUT"

for option in --version -v; do
    run "$option"
    expect_eq "$STATUS" 0 "$option: exit status"
    expect_eq "$OUT" "trellum 2.1" "$option: output"
done

while IFS='|' read -r name arguments expected; do
    # shellcheck disable=SC2086
    run $arguments
    expect_eq "$STATUS" 2 "$name: exit status"
    expect_eq "$OUT" "" "$name: standard output"
    grep -qF -- "$expected" <<<"$ERR" || fail "$name: '$expected' not in: $ERR"
done <<'ROWS'
unknown long option|--frobnicate|Unknown option 'frobnicate'
unknown short option|-x|Unknown option 'x'
unknown option after a good one|-style Fusion --bogus|Unknown option 'bogus'
Qt option without its value|-platform|Missing value after '-platform'
stray argument|2+3|unexpected argument '2+3'
ROWS

# Qt takes -platform and -style: it names what it cannot find.
run -platform nosuchplatform
[ "$STATUS" -ne 0 ] || fail "-platform nosuchplatform started anyway"
grep -q 'nosuchplatform' <<<"$ERR" || fail "-platform did not reach Qt: $ERR"
start_desktop
display=$DISPLAY
unset DISPLAY
# A value that begins with a dash is still the option's value, as Qt takes it.
TRELLUM_ARGS=(-display "$display" -style nosuchstyle -qwindowgeometry -5000x-5000-99999-99999)
"$TRELLUM" "${TRELLUM_ARGS[@]}" 2>"$E2E_TMP/app.err" &
APP_PID=$!
export DISPLAY=$display
wait_for 20 find_main_window || fail "-display: no window on $display: $(cat "$E2E_TMP/app.err")"
grep -q 'nosuchstyle' "$E2E_TMP/app.err" || fail "-style did not reach Qt: $(cat "$E2E_TMP/app.err")"
echo "ok"
