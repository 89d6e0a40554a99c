# SPDX-License-Identifier: MIT
# Memory slots edited by hand in the settings file, through the key-script
# runner's --hive: MR shows a slot as stored, by the display's rule (cut to 15
# characters, a "." added when it has none), and COPY copies what it shows; a
# control character ends what is shown, so the display keeps to one line. The
# file keeps the text as it was.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
tab=$'\t'

# case | "Mem 3" as written in the file | display after MR | clipboard after COPY
while IFS='|' read -r name stored display copied; do
    sed "s/^\"Mem 3\"=.*/\"Mem 3\"=${stored//\\/\\\\}/" "$DATA/typical.reg" >"$TMP/system.reg"
    grep -qF "\"Mem 3\"=$stored" "$TMP/system.reg" || fail "$name: test file not edited"
    cp "$TMP/system.reg" "$TMP/before"
    out=$("$RUNNER" --hive "$TMP/system.reg" <<<"MR:3 COPY") || fail "$name: the run failed"
    shown=$(sed -n 1p <<<"$out" | cut -f2,3)
    [ "$shown" = "$display" ] || fail "$name: MR shows '$shown', expected '$display'"
    clip=$(sed -n 2p <<<"$out" | cut -f5)
    [ "$clip" = "clip:$copied" ] || fail "$name: COPY gives '$clip', expected 'clip:$copied'"
    [ "$(wc -l <<<"$out")" = 2 ] || fail "$name: the runner printed more than two lines: $out"
    grep -qF "\"Mem 3\"=$stored" "$TMP/system.reg" || fail "$name: the slot text was not kept: $(grep 'Mem 3' "$TMP/system.reg")"
done <<ROWS
line break|hex(1):34,0a,32,00|4.  ${tab}|4.
quote inside|"4\\"2"|4"2.  ${tab}|4"2.
carriage return after a number with exponent|hex(1):31,2e,35,45,2d,30,37,0d,00|1.5  ${tab}-07|1.5E-07
no number at all|"abc"|abc.  ${tab}|abc.
blanks around a number|"  7  "|  7  .  ${tab}|  7  .
bracket level stored with a bracket open|"(- 1"|(- 1.  ${tab}|(- 1.
a number as the program writes it|"1.5E-07"|1.5  ${tab}-07|1.5E-07
ROWS
echo ok
