# SPDX-License-Identifier: MIT
# The settings file edited while the program runs (through the key-script
# runner's --hive, its input held open): at the end the program writes its own
# values into the file as it then is, keeping what it does not own; an edit
# that no longer reads as a settings file is kept aside, never lost.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# The runner has read the settings and waits for its keys: it is blocked
# reading its standard input (system call 0, file descriptor 0).
reading_keys() { [ "$(cut -d' ' -f1,2 "/proc/$1/syscall" 2>/dev/null)" = "0 0x0" ]; }

# An editor's save: the whole new text written beside, then renamed over the file.
editor_save() { cat >"$hive.edit~" && mv "$hive.edit~" "$hive"; }

# Starts the runner on the settings file (typical.reg, or the file given); the
# keys follow when `finish` runs.
start() {
    rm -rf "$TMP/case" && mkdir "$TMP/case"
    hive="$TMP/case/system.reg"
    cp "${2:-$DATA/typical.reg}" "$hive"
    mkfifo "$TMP/case/keys"
    "$RUNNER" --hive "$hive" <"$TMP/case/keys" >/dev/null &
    RUNNING=$!
    exec 3>"$TMP/case/keys"
    wait_for 10 reading_keys "$RUNNING" || fail "$1: the runner never began reading its keys"
}
# MODE (grads to degrees) and 3 into slot 2, then the end of the keys.
finish() {
    echo "MODE 3 MIN:2" >&3
    exec 3>&-
    wait "$RUNNING" || fail "$1: the runner failed"
    RUNNING=""
}
# The file holds the program's own values of this run.
expect_own_values() {
    grep -q '^"Mode"=dword:00000000$' "$hive" || fail "$1: the angle mode was not saved: $(cat "$hive")"
    grep -q '^"Mem 2"="3\."$' "$hive" || fail "$1: slot 2 was not saved: $(cat "$hive")"
}
aside() { ls "$TMP/case" | grep -v '^system\.reg$\|^keys$' | tr '\n' ' '; }

# A key added by hand, a value added to the program's own key and one of its
# values changed: what the program does not own stays, its own values are its own.
start "edited"
sed -e 's/^"Mem 2"=.*/"Mem 2"="42."/' -e 's/^"OnTop"=.*/"OnTop"="True"\n"Note"="mine"/' "$hive" |
    { cat; printf '\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Notes]\n"Todo"="buy milk"\n'; } | editor_save
finish "edited"
expect_own_values "edited"
grep -qx '"Note"="mine"' "$hive" || fail "edited: the added value is gone: $(cat "$hive")"
grep -qx '"Todo"="buy milk"' "$hive" || fail "edited: the added key is gone: $(cat "$hive")"
[ -z "$(aside)" ] || fail "edited: files set aside: $(aside)"

# A hand edit left half done: it no longer reads as a settings file.
start "half-finished edit"
{ cat "$hive"; printf '[HKEY_LOCAL_MACHINE\\SOFTWARE\\Notes\n"Todo"="buy'; } >"$TMP/half"
editor_save <"$TMP/half"
finish "half-finished edit"
expect_own_values "half-finished edit"
kept=$(aside)
[ "$kept" = "system.reg.changed " ] || fail "half-finished edit: expected system.reg.changed beside the file, found '$kept'"
cmp -s "$TMP/case/system.reg.changed" "$TMP/half" || fail "half-finished edit: the kept copy differs from the edit"

# A damaged file (set aside before the save) repaired in an editor while the
# program runs, with a key of the user's own: the repair is what is saved over.
printf 'REGEDIT4\ngarbage line\n' >"$TMP/damaged.reg"
start "damaged file repaired" "$TMP/damaged.reg"
{ cat "$DATA/typical.reg"; printf '\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Notes]\n"Todo"="buy milk"\n'; } | editor_save
finish "damaged file repaired"
# Started from nothing usable, MODE went from degrees to radians.
grep -q '^"Mode"=dword:00000001$' "$hive" || fail "damaged file repaired: the angle mode was not saved: $(cat "$hive")"
grep -q '^"Mem 2"="3\."$' "$hive" || fail "damaged file repaired: slot 2 was not saved: $(cat "$hive")"
grep -qx '"Todo"="buy milk"' "$hive" || fail "damaged file repaired: the repair was undone: $(cat "$hive")"

echo ok
