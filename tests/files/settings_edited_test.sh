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

# A key added by hand.
start "key added"
{ cat "$hive"; printf '\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Notes]\n"Todo"="buy milk"\n'; } | editor_save
finish "key added"
expect_own_values "key added"
grep -qx '\[HKEY_LOCAL_MACHINE\\SOFTWARE\\Notes\]' "$hive" || fail "key added: the key is gone: $(cat "$hive")"
grep -qx '"Todo"="buy milk"' "$hive" || fail "key added: its value is gone"
[ -z "$(aside)" ] || fail "key added: files set aside: $(aside)"

# A value added to the program's own key and one of its values changed by hand:
# the foreign value stays, the program's own value is the program's.
start "own key edited"
sed -e 's/^"Mem 2"=.*/"Mem 2"="42."/' -e 's/^"OnTop"=.*/"OnTop"="True"\n"Note"="mine"/' "$hive" | editor_save
finish "own key edited"
expect_own_values "own key edited"
grep -qx '"Note"="mine"' "$hive" || fail "own key edited: the added value is gone: $(cat "$hive")"

# A hand edit left half done: it no longer reads as a settings file.
start "half-finished edit"
{ cat "$hive"; printf '[HKEY_LOCAL_MACHINE\\SOFTWARE\\Notes\n"Todo"="buy'; } >"$TMP/half"
editor_save <"$TMP/half"
finish "half-finished edit"
expect_own_values "half-finished edit"
kept=$(aside)
[ "$kept" = "system.reg.changed " ] || fail "half-finished edit: expected system.reg.changed beside the file, found '$kept'"
cmp -s "$TMP/case/system.reg.changed" "$TMP/half" || fail "half-finished edit: the kept copy differs from the edit"

# The file deleted while the program runs: written anew, nothing set aside.
start "file deleted"
rm "$hive"
finish "file deleted"
expect_own_values "file deleted"
[ -z "$(aside)" ] || fail "file deleted: files set aside: $(aside)"

# A value edited to one of the same length ("red" to "tan"): still an edit.
{ cat "$DATA/typical.reg"; printf '\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Notes]\n"Colour"="red"\n'; } >"$TMP/red.reg"
start "same-length edit" "$TMP/red.reg"
sed 's/"Colour"="red"/"Colour"="tan"/' "$hive" | editor_save
finish "same-length edit"
expect_own_values "same-length edit"
grep -qx '"Colour"="tan"' "$hive" || fail "same-length edit: the edit is gone: $(cat "$hive")"

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

# The file swapped for a folder while the program runs: the folder is set aside whole.
start "swapped for a folder"
rm "$hive" && mkdir "$hive" && echo "kept" >"$hive/inside"
finish "swapped for a folder"
expect_own_values "swapped for a folder"
kept=$(aside)
[ "$(cat "$TMP/case/${kept% }/inside" 2>/dev/null)" = kept ] || fail "swapped for a folder: the folder was not kept: '$kept'"

echo ok
